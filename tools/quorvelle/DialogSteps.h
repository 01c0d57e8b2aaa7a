// A person at one of the module's dialogs: a key-in run with a script for the dialog it
// opens, and the last message box said meanwhile.
#pragma once

#include <cstddef>
#include <string>

#include "sim/SimDialogs.h"
#include "tools/quorvelle/ModuleLoader.h"

// Runs the key-in with the script at the dialog it shows; an error when the key-in
// failed or no dialog opened (`dialogName` says which was awaited).
std::string RunKeyinAtDialog(ModuleLoader& module, const std::string& keyin, const std::string& dialogName,
                             const sim::DialogScript& script);
// The text of the last standard message box since that point of the output log; "".
std::string LastBoxSince(std::size_t logStart);
