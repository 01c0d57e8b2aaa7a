// The options file: the option set in the archive form, as the add-in saves it for
// a user's options template. Versions 0 to 4 are read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/QuorvelleSetup.h"

// The newest version of the file form.
constexpr int kOptionsFileVersion = 4;

// Loads the bytes of an options file into `setup`: its version into optionsVersion,
// the options it holds over the set's own (a drawing flag that is set adds its bit to
// ImportObj; level names are not resolved). Bytes that are not a whole options file
// of a known version are reported as "Invalid options file." and leave every field of
// `setup` as it was; the result is then false.
bool LoadOptionsFromBytes(QuorvelleSetup& setup, std::vector<std::uint8_t> bytes);

// Loads the options file at `path` (a Windows path) as above. 1 when the file was
// opened, whether or not it held sound options; 0, after the standard file-error
// report, when it could not be opened or read.
int LoadOptionsFile(QuorvelleSetup& setup, const std::string& path);
