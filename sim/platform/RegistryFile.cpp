#include "sim/platform/RegistryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "sim/platform/AtomicFile.h"
#include "sim/platform/TextCase.h"

namespace sim {
namespace {

using nlohmann::json;

constexpr const char* kFormat = "Quorvelle registry";
constexpr int kVersion = 1;

// A reason the file cannot be used, told in the load error.
struct Damage : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string ToHex(const std::vector<BYTE>& data) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(data.size() * 2);
  for (BYTE b : data) {
    hex += kDigits[b >> 4];
    hex += kDigits[b & 0xF];
  }
  return hex;
}

std::vector<BYTE> FromHex(const std::string& hex, const std::string& where) {
  auto digit = [&](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    throw Damage("the data of " + where + " is not hexadecimal");
  };
  if (hex.size() % 2 != 0) throw Damage("the data of " + where + " has an odd number of digits");
  std::vector<BYTE> data(hex.size() / 2);
  for (std::size_t i = 0; i < data.size(); ++i)
    data[i] = static_cast<BYTE>(digit(hex[2 * i]) * 16 + digit(hex[2 * i + 1]));
  return data;
}

json KeyToJson(const RegistryKey& key) {
  json values = json::array();
  for (const RegistryValue& value : key.values)
    values.push_back({{"name", value.name}, {"type", value.type}, {"data", ToHex(value.data)}});
  json subkeys = json::array();
  for (const auto& subkey : key.subkeys) {
    json child = KeyToJson(*subkey);
    child["name"] = subkey->name;
    subkeys.push_back(std::move(child));
  }
  return {{"lastWrite", key.lastWriteTicks}, {"values", std::move(values)}, {"keys", std::move(subkeys)}};
}

const json& Member(const json& object, const char* name, json::value_t type, const std::string& where) {
  auto it = object.find(name);
  if (it == object.end() || it->type() != type) throw Damage(where + " has no valid \"" + name + "\"");
  return *it;
}

void KeyFromJson(const json& object, RegistryKey& key, const std::string& where, std::size_t depth) {
  if (!object.is_object()) throw Damage(where + " is not an object");
  if (depth > kMaxKeyDepth) throw Damage(where + " lies deeper than " + std::to_string(kMaxKeyDepth) + " keys");
  key.lastWriteTicks = Member(object, "lastWrite", json::value_t::number_unsigned, where).get<std::uint64_t>();

  for (const json& item : Member(object, "values", json::value_t::array, where)) {
    if (!item.is_object()) throw Damage("a value of " + where + " is not an object");
    RegistryValue value;
    value.name = Member(item, "name", json::value_t::string, "a value of " + where).get<std::string>();
    std::string valueWhere = "value \"" + value.name + "\" of " + where;
    if (!IsValidValueName(value.name)) throw Damage(valueWhere + " has an invalid name");
    if (key.FindValue(value.name)) throw Damage(valueWhere + " appears twice");
    std::uint64_t type = Member(item, "type", json::value_t::number_unsigned, valueWhere).get<std::uint64_t>();
    if (type > 0xFFFFFFFF) throw Damage(valueWhere + " has an invalid type");
    value.type = static_cast<DWORD>(type);
    value.data = FromHex(Member(item, "data", json::value_t::string, valueWhere).get<std::string>(), valueWhere);
    if (!IsNormalValueData(value.type, value.data)) throw Damage(valueWhere + " has data that does not fit its type");
    key.values.push_back(std::move(value));
  }

  for (const json& item : Member(object, "keys", json::value_t::array, where)) {
    if (!item.is_object()) throw Damage("a subkey of " + where + " is not an object");
    auto subkey = std::make_shared<RegistryKey>();
    subkey->name = Member(item, "name", json::value_t::string, "a subkey of " + where).get<std::string>();
    std::string subkeyWhere = where + "\\" + subkey->name;
    if (!IsValidKeyName(subkey->name)) throw Damage("key \"" + subkeyWhere + "\" has an invalid name");
    if (key.FindSubkey(subkey->name)) throw Damage("key \"" + subkeyWhere + "\" appears twice");
    KeyFromJson(item, *subkey, subkeyWhere, depth + 1);
    key.AddSubkey(std::move(subkey));
  }
}

void RootsFromJson(const std::string& text, RegistryRoots& roots) {
  json document = json::parse(text, nullptr, false);
  if (document.is_discarded()) throw Damage("it is not valid JSON");
  if (!document.is_object() || document.value("format", "") != kFormat)
    throw Damage("it is not a Quorvelle registry file");
  if (document.value("version", 0) != kVersion) throw Damage("its version is not " + std::to_string(kVersion));
  const json& rootsJson = Member(document, "roots", json::value_t::object, "the file");
  for (const auto& [name, _] : rootsJson.items()) {
    bool known = false;
    for (std::size_t root = 0; root < kRootCount; ++root) known = known || name == RootName(root);
    if (!known) throw Damage("it has an unknown root \"" + name + "\"");
  }
  roots = EmptyRoots();
  for (std::size_t root = 0; root < kRootCount; ++root) {
    auto it = rootsJson.find(RootName(root));
    if (it != rootsJson.end()) KeyFromJson(*it, *roots[root], RootName(root), 0);
  }
}

std::string Describe(const std::string& path) { return "The registry file " + path; }

}  // namespace

const char* RootName(std::size_t root) {
  static constexpr const char* kNames[kRootCount] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE"};
  return kNames[root];
}

RegistryRoots EmptyRoots() {
  RegistryRoots roots;
  for (std::size_t root = 0; root < kRootCount; ++root) {
    roots[root] = std::make_shared<RegistryKey>();
    roots[root]->name = RootName(root);
  }
  return roots;
}

RegistryFileState LoadRegistryFile(const std::string& path, RegistryRoots& roots, std::string& error) {
  const std::string untouched = "; it was left untouched.";
  // Not blocking: a pipe in the file's place must not hang the start.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT) return RegistryFileState::Missing;
    error = Describe(path) + " cannot be read: " + std::strerror(errno) + untouched;
    return RegistryFileState::Unusable;
  }
  struct stat st;
  std::string text;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    error = Describe(path) + " is not a regular file" + untouched;
  } else if (static_cast<std::uint64_t>(st.st_size) > kMaxRegistryFileBytes) {
    error = Describe(path) + " is " + std::to_string(st.st_size) + " bytes long, more than the " +
            std::to_string(kMaxRegistryFileBytes / (1024 * 1024)) + " MiB a registry may have" + untouched;
  } else {
    // Read in pieces, stopping past the limit in case the file grows meanwhile.
    char buffer[64 * 1024];
    for (;;) {
      ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) error = Describe(path) + " cannot be read: " + std::strerror(errno) + untouched;
      if (n <= 0) break;
      text.append(buffer, static_cast<std::size_t>(n));
      if (text.size() > kMaxRegistryFileBytes) {
        error = Describe(path) + " is larger than a registry may be" + untouched;
        break;
      }
    }
  }
  ::close(fd);
  if (!error.empty()) return RegistryFileState::Unusable;

  try {
    RootsFromJson(text, roots);
  } catch (const Damage& damage) {
    error = Describe(path) + " is damaged: " + damage.what() + untouched;
    return RegistryFileState::Unusable;
  } catch (const json::exception& e) {
    error = Describe(path) + " is damaged: " + e.what() + untouched;
    return RegistryFileState::Unusable;
  }
  return RegistryFileState::Loaded;
}

DWORD SaveRegistryFile(const std::string& path, const RegistryRoots& roots, std::string& error) {
  json rootsJson = json::object();
  for (std::size_t root = 0; root < kRootCount; ++root) rootsJson[RootName(root)] = KeyToJson(*roots[root]);
  json document = {{"format", kFormat}, {"version", kVersion}, {"roots", std::move(rootsJson)}};
  std::string text = document.dump(1, '\t') + "\n";
  if (text.size() > kMaxRegistryFileBytes) {
    error = Describe(path) + " would grow past " + std::to_string(kMaxRegistryFileBytes / (1024 * 1024)) +
            " MiB; the change was not made.";
    return ERROR_NOT_ENOUGH_QUOTA;
  }
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
  int failure = WriteFileAtomically(path, [&](int fd) { return WriteAllBytes(fd, text.data(), text.size()); });
  if (failure != 0) {
    error = Describe(path) + " cannot be written: " + std::strerror(failure) + "; the change was not made.";
    return failure == ENOSPC || failure == EDQUOT ? ERROR_DISK_FULL : ERROR_REGISTRY_IO_FAILED;
  }
  error.clear();
  return ERROR_SUCCESS;
}

}  // namespace sim
