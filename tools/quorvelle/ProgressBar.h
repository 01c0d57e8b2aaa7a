// The host's completion bars as a progress bar on the terminal: one line of stderr,
// drawn again in place as the bar moves, and cleared when the bar closes, so that a
// user placing a large range sees the work go on.
#pragma once

#include <string>

#include "sim/SimOutput.h"

class CTerminalProgress {
 public:
  // True when stderr is a terminal, where a bar can be drawn in place.
  static bool Available();

  // Shows a completion-bar event; false for events of other kinds.
  bool Show(const sim::OutputEvent& event);
  // Output of other kinds goes between Suspend and Resume: the bar's line is cleared
  // for it and drawn again after it.
  void Suspend();
  void Resume();

 private:
  void Draw();
  void Clear();

  bool open_ = false;
  std::string text_;
  int percent_ = 0;
};
