// The registry as the module reads and writes it: the maker's key names, an open key
// that closes itself, and single values of any key.
#pragma once

#include <string>

#include "platform/registry.h"

extern const char kRegistryRoot[];     // "Korvu\KorvuMSV8i"
extern const char kProductSection[];   // "Quorvelle"

// The machine-wide key of the installation: "SOFTWARE\Korvu\KorvuMSV8i\Quorvelle".
std::string InstallationKeyPath();

// The user's settings key of a section: "Software\Korvu\KorvuMSV8i\<section>".
std::string ProfileKeyPath(const std::string& section);

// A key opened (or created) for the given access; get() is NULL when that failed.
class RegistryKey {
 public:
  RegistryKey(HKEY root, const std::string& path, REGSAM access, bool create);
  ~RegistryKey();
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// Any key: a 32-bit value or a text; false when absent, unreadable or of another type.
bool ReadRegistryDword(HKEY root, const std::string& path, const std::string& name, DWORD* value);
bool ReadRegistryString(HKEY root, const std::string& path, const std::string& name, std::string* value);
// Writes under a key it creates when needed; false on failure.
bool WriteRegistryDword(HKEY root, const std::string& path, const std::string& name, DWORD value);
bool WriteRegistryString(HKEY root, const std::string& path, const std::string& name, const std::string& value);
