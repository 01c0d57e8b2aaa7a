// `quorvelle options list|set|reset`: the options of the companion add-in's options
// dialog, which the module reads when it draws a table, set from the command line as
// the dialog sets them.
#pragma once

#include <string>
#include <vector>

// Runs the options command with its words; prints what it reads. Empty on success.
std::string RunOptionsCommand(const std::vector<std::string>& words);
