// Whole-file reads and writes through the platform's files, and the framework's
// standard report of a file that could not be opened.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/wintypes.h"

// Settings files larger than this are not read.
constexpr std::uint32_t kMaxSettingsFileSize = 64u << 20;

// False with the system error code when the file cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>* bytes, DWORD* error);
// Creates or truncates the file; false with the system error code on failure.
bool WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes, DWORD* error);
// The standard message box for a file that could not be opened or written.
void ReportFileError(const std::string& path, DWORD error);
