// A completion bar of the host, closed on every way out of the work it shows.
#pragma once

#include "host/msoutput.h"

class CCompletionBar {
 public:
  explicit CCompletionBar(const char* text) : bar_(mdlDialog_openCompletionBar(text)) {}
  ~CCompletionBar();
  CCompletionBar(const CCompletionBar&) = delete;
  CCompletionBar& operator=(const CCompletionBar&) = delete;

  void Update(const char* text, int percent);
  // Shows `done` of `total` steps as a whole percentage, rounded down.
  void ShowSteps(const char* text, long long done, long long total);
  MSDialog* Handle() const { return bar_; }

 private:
  MSDialog* bar_;
};
