// The maker's update list: a text whose line for this product names the newest
// version ("MS*Quorvelle: 5.80").
#pragma once

#include <string>

// The product's key in the list, in lower case: "ms*quorvelle:".
std::string UpdateListKey();
// The version a line names: its last (length - key length) characters, trimmed, when
// the line holds the key in any letter case; false for other lines.
bool VersionOfLine(const std::string& line, std::string* version);
// 1 when the running version is current against the server's, 0 when the server's is
// newer. Parts are compared as numbers up to the shorter list of parts.
int CompareVersions(const std::string& serverVersion);
