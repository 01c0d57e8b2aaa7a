#include "tools/quorvelle/OptionsCommand.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/registry.h"
#include "sim/addin/AddinOptions.h"

namespace {

using sim::AddinOption;
using sim::OptionKind;

bool StoredAsNumber(const AddinOption& option) {
  return option.kind == OptionKind::Choice || option.kind == OptionKind::Integer;
}

// The value as stored, "" when it is not set; `wrongType` when it is stored as
// something the module does not read.
std::string Stored(HKEY key, const AddinOption& option, bool* set, bool* wrongType) {
  *set = *wrongType = false;
  DWORD type = 0, size = 0;
  if (!key || RegQueryValueExA(key, option.name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return "";
  *set = true;
  std::vector<BYTE> data(size + 1, 0);
  RegQueryValueExA(key, option.name, nullptr, &type, data.data(), &size);
  if (StoredAsNumber(option) && type == REG_DWORD && size == 4) {
    std::int32_t value = 0;
    std::memcpy(&value, data.data(), 4);
    return std::to_string(value);
  }
  if (!StoredAsNumber(option) && type == REG_SZ) return reinterpret_cast<const char*>(data.data());
  *wrongType = true;
  return "";
}

std::string List() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, sim::kAddinOptionsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) key = nullptr;
  for (const AddinOption& option : sim::AddinOptions()) {
    bool set = false, wrongType = false;
    std::string value = Stored(key, option, &set, &wrongType);
    // Texts are quoted, so that an empty one shows.
    const bool text = option.kind == OptionKind::Level || option.kind == OptionKind::Distances ||
                      option.kind == OptionKind::FontSizes;
    if (wrongType) {
      value = "(stored as another type: the default applies)";
    } else {
      if (!set) value = option.defaultText;
      if (text) value = "\"" + value + "\"";
      if (!set) value += " (default)";
    }
    std::printf("%-20s %-28s %s\n", option.name, value.c_str(), option.meaning);
  }
  if (key) RegCloseKey(key);
  return "";
}

std::string Set(const std::string& name, const std::string& text) {
  const AddinOption* option = sim::FindAddinOption(name);
  if (!option) return "There is no option " + name + "; \"options list\" shows them.";
  std::string error;
  const std::optional<std::string> value = sim::CheckAddinOption(*option, text, &error);
  if (!value) return error;
  HKEY key = nullptr;
  LSTATUS rc = RegCreateKeyExA(HKEY_CURRENT_USER, sim::kAddinOptionsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                               nullptr);
  if (rc != ERROR_SUCCESS) return "Cannot open the options' key: system error " + std::to_string(rc) + ".";
  if (StoredAsNumber(*option)) {
    const DWORD number = static_cast<DWORD>(std::stol(*value));
    rc = RegSetValueExA(key, option->name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  } else {
    rc = RegSetValueExA(key, option->name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value->c_str()),
                        static_cast<DWORD>(value->size() + 1));
  }
  RegCloseKey(key);
  if (rc != ERROR_SUCCESS) return "Cannot write " + std::string(option->name) + ": system error " + std::to_string(rc) + ".";
  return "";
}

// The named options, or all of them, back to their defaults: their values go, as
// the module takes the default of a value that is not there.
std::string Reset(const std::vector<std::string>& names) {
  std::vector<const AddinOption*> options;
  for (const std::string& name : names) {
    const AddinOption* option = sim::FindAddinOption(name);
    if (!option) return "There is no option " + name + "; \"options list\" shows them.";
    options.push_back(option);
  }
  if (names.empty())
    for (const AddinOption& option : sim::AddinOptions()) options.push_back(&option);
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, sim::kAddinOptionsKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return "";
  std::string error;
  for (const AddinOption* option : options) {
    const LSTATUS rc = RegDeleteValueA(key, option->name);
    if (rc != ERROR_SUCCESS && rc != ERROR_FILE_NOT_FOUND && error.empty())
      error = "Cannot reset " + std::string(option->name) + ": system error " + std::to_string(rc) + ".";
  }
  RegCloseKey(key);
  return error;
}

}  // namespace

std::string RunOptionsCommand(const std::vector<std::string>& w) {
  const char* usage = "Use: options list | set NAME VALUE | reset [NAME...]";
  if (w.empty()) return usage;
  if (w[0] == "list" && w.size() == 1) return List();
  if (w[0] == "set" && w.size() == 3) return Set(w[1], w[2]);
  if (w[0] == "reset") return Reset({w.begin() + 1, w.end()});
  return usage;
}
