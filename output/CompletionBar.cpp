#include "output/CompletionBar.h"

void CCompletionBar::Update(const char* text, int percent) {
  if (bar_) mdlDialog_updateCompletionBar(bar_, text, percent);
}

void CCompletionBar::Close() {
  if (bar_) mdlDialog_closeCompletionBar(bar_);
  bar_ = nullptr;
}
