// A completion bar of the host, closed on every way out of the work it shows.
#pragma once

#include "host/msoutput.h"
#include "support/Progress.h"

class CCompletionBar : public CProgress {
 public:
  explicit CCompletionBar(const char* text) : bar_(mdlDialog_openCompletionBar(text)) {}
  ~CCompletionBar() override { Close(); }
  CCompletionBar(const CCompletionBar&) = delete;
  CCompletionBar& operator=(const CCompletionBar&) = delete;

  void Update(const char* text, int percent) override;
  // Closes the bar before the work ends; nothing more shows after.
  void Close();

 private:
  MSDialog* bar_;
};
