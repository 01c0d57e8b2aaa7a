// How far a long piece of work has come. The work reports through it; whoever
// started the work decides where it shows (the host's completion bar, or nowhere).
#pragma once

class CProgress {
 public:
  virtual ~CProgress() = default;
  virtual void Update(const char* text, int percent) = 0;
  // Shows `done` of `total` steps as a whole percentage, rounded down; nothing
  // without steps.
  void ShowSteps(const char* text, long long done, long long total) {
    if (total > 0) Update(text, static_cast<int>(done * 100 / total));
  }
};
