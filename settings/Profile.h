// The module's settings store: values under HKEY_CURRENT_USER
// "Software\Korvu\KorvuMSV8i\<section>", read and written as an application reads its
// profile. A missing value, or one of the wrong type, reads as the caller's default.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/registry.h"

extern const char kRegistryRoot[];     // "Korvu\KorvuMSV8i"
extern const char kProductSection[];   // "Quorvelle"

// "Software\Korvu\KorvuMSV8i\<section>".
std::string ProfileKeyPath(const std::string& section);

int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue);
std::string GetProfileString(const std::string& section, const std::string& entry,
                             const std::string& defaultValue = "");
// False when the value could not be written.
bool WriteProfileInt(const std::string& section, const std::string& entry, int value);
bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value);
bool DeleteProfileValue(const std::string& section, const std::string& entry);
// The section's key with its values (it must have no subkeys); true also when it was
// not there.
bool DeleteProfileSection(const std::string& section);
// The string values of the section, name and data, in the store's order.
std::vector<std::pair<std::string, std::string>> GetProfileStrings(const std::string& section);

// The path of the ProjectWise component's library, as its installation registered it
// under the machine-wide product key; "" when it did not.
std::string ProjectWiseLibraryPath();

// Any key: a 32-bit value or a text; false when absent, unreadable or of another type.
bool ReadRegistryDword(HKEY root, const std::string& path, const std::string& name, DWORD* value);
bool ReadRegistryString(HKEY root, const std::string& path, const std::string& name, std::string* value);
// Writes under a key it creates when needed; false on failure.
bool WriteRegistryDword(HKEY root, const std::string& path, const std::string& name, DWORD value);
bool WriteRegistryString(HKEY root, const std::string& path, const std::string& name, const std::string& value);
