// `quorvelle registry get|set|delete|list`: reads and edits the stand-in registry,
// where the user's settings live. Keys are written in full, with their root:
// HKEY_CURRENT_USER\Software\Korvu\KorvuMSV8i\Quorvelle.
#pragma once

#include <string>
#include <vector>

// Runs the registry command with its words; prints what it reads. Empty on success.
std::string RunRegistryCommand(const std::vector<std::string>& words);
