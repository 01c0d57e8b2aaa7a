#include "settings/Profile.h"

#include <vector>

const char kRegistryRoot[] = "Korvu\\KorvuMSV8i";
const char kProductSection[] = "Quorvelle";

namespace {

// Texts longer than this are not settings; they are read as absent.
constexpr DWORD kMaxText = 1 << 20;

class Key {
 public:
  Key(HKEY root, const std::string& path, REGSAM access, bool create) {
    LSTATUS rc = create ? RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                                          &key_, nullptr)
                        : RegOpenKeyExA(root, path.c_str(), 0, access, &key_);
    if (rc != ERROR_SUCCESS) key_ = nullptr;
  }
  ~Key() {
    if (key_) RegCloseKey(key_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

std::string ProfileKeyPath(const std::string& section) {
  return std::string("Software\\") + kRegistryRoot + "\\" + section;
}

bool ReadRegistryDword(HKEY root, const std::string& path, const std::string& name, DWORD* value) {
  Key key(root, path, KEY_READ, false);
  if (!key.get()) return false;
  DWORD type = 0, data = 0, size = sizeof data;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof data)
    return false;
  *value = data;
  return true;
}

bool ReadRegistryString(HKEY root, const std::string& path, const std::string& name, std::string* value) {
  Key key(root, path, KEY_READ, false);
  if (!key.get()) return false;
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ) || size > kMaxText)
    return false;
  std::vector<char> data(size + 1, '\0');
  if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
      ERROR_SUCCESS)
    return false;
  data[std::min<size_t>(size, data.size() - 1)] = '\0';
  *value = data.data();
  return true;
}

bool WriteRegistryDword(HKEY root, const std::string& path, const std::string& name, DWORD value) {
  Key key(root, path, KEY_WRITE, true);
  return key.get() && RegSetValueExA(key.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                     sizeof value) == ERROR_SUCCESS;
}

bool WriteRegistryString(HKEY root, const std::string& path, const std::string& name, const std::string& value) {
  Key key(root, path, KEY_WRITE, true);
  return key.get() && RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) {
  DWORD value = 0;
  return ReadRegistryDword(HKEY_CURRENT_USER, ProfileKeyPath(section), entry, &value) ? static_cast<int>(value)
                                                                                      : defaultValue;
}

std::string GetProfileString(const std::string& section, const std::string& entry, const std::string& defaultValue) {
  std::string value;
  return ReadRegistryString(HKEY_CURRENT_USER, ProfileKeyPath(section), entry, &value) ? value : defaultValue;
}

bool WriteProfileInt(const std::string& section, const std::string& entry, int value) {
  return WriteRegistryDword(HKEY_CURRENT_USER, ProfileKeyPath(section), entry, static_cast<DWORD>(value));
}

bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) {
  return WriteRegistryString(HKEY_CURRENT_USER, ProfileKeyPath(section), entry, value);
}

bool DeleteProfileValue(const std::string& section, const std::string& entry) {
  Key key(HKEY_CURRENT_USER, ProfileKeyPath(section), KEY_SET_VALUE, false);
  return key.get() && RegDeleteValueA(key.get(), entry.c_str()) == ERROR_SUCCESS;
}

std::vector<std::pair<std::string, std::string>> GetProfileStrings(const std::string& section) {
  std::vector<std::pair<std::string, std::string>> values;
  Key key(HKEY_CURRENT_USER, ProfileKeyPath(section), KEY_READ, false);
  if (!key.get()) return values;
  for (DWORD i = 0;; ++i) {
    char name[260];
    DWORD nameSize = sizeof name, type = 0, dataSize = 0;
    LSTATUS rc = RegEnumValueA(key.get(), i, name, &nameSize, nullptr, &type, nullptr, &dataSize);
    if (rc == ERROR_NO_MORE_ITEMS) break;
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) continue;  // long names are not read back
    std::string data;
    if (ReadRegistryString(HKEY_CURRENT_USER, ProfileKeyPath(section), name, &data)) values.emplace_back(name, data);
  }
  return values;
}

std::string ProjectWiseLibraryPath() {
  std::string path;
  ReadRegistryString(HKEY_LOCAL_MACHINE, std::string("SOFTWARE\\") + kRegistryRoot + "\\" + kProductSection,
                     "QuorvellePWPath", &path);
  return path;
}

bool DeleteProfileSection(const std::string& section) {
  const LSTATUS rc = RegDeleteKeyA(HKEY_CURRENT_USER, ProfileKeyPath(section).c_str());
  return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}
