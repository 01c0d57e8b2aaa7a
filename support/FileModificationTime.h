// When a file was last changed, as a local date and time.
#pragma once

#include <string>

#include "support/OleDateTime.h"

// Sets the time to the file's last modification time; false, with the time as it
// was, when the file's status cannot be read.
bool ReadFileModificationTime(const std::string& path, COleDateTime* time);
