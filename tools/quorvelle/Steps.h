// The person at the keyboard: steps the host shell runs one after another, with the
// host's message loop pumped after each.
//   keyin TEXT        runs the key-in through the module's key-in table
//   point X Y [VIEW]  a data point in master units
//   cursor X Y        moves the cursor (the running command's dynamics draw)
//   reset             the reset button
//   answer N          the next box is closed with button N
//   pump              runs the message loop now
//   undo              takes back the last change
//   save [PATH]       saves the design file (to PATH, a Linux path)
#pragma once

#include <string>

#include "tools/quorvelle/ModuleLoader.h"

class StepRunner {
 public:
  explicit StepRunner(ModuleLoader& module) : module_(module) {}
  // Empty on success, else what was wrong with the step.
  std::string Run(const std::string& step);

 private:
  std::string Keyin(const std::string& text);
  ModuleLoader& module_;
};
