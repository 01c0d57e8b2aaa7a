// The module's settings store: values under HKEY_CURRENT_USER
// "Software\Korvu\KorvuMSV8i\<section>", read and written as an application reads its
// profile. A missing value, or one of the wrong type, reads as the caller's default.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/Registry.h"

// "Software\Korvu\KorvuMSV8i\<section>", read and written as an application reads its
// profile. A missing value, or one of the wrong type, reads as the caller's default.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/Registry.h"

extern const char kRegistryRoot[];     // "Korvu\KorvuMSV8i"
extern const char kProductSection[];   // "Quorvelle"


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
