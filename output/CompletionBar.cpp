#include "output/CompletionBar.h"

CCompletionBar::~CCompletionBar() {
  if (bar_) mdlDialog_closeCompletionBar(bar_);
}

void CCompletionBar::Update(const char* text, int percent) {
  if (bar_) mdlDialog_updateCompletionBar(bar_, text, percent);
}

void CCompletionBar::ShowSteps(const char* text, long long done, long long total) {
  if (total > 0) Update(text, static_cast<int>(done * 100 / total));
}
