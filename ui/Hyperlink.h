// A link in a dialog: its text is shown underlined (blue, red while the pointer is
// over it) and a click opens its target with the system's "open" verb.
#pragma once

#include <string>

class CHyperlink {
 public:
  static constexpr int kControlId = 3556;

  void SetTarget(std::string target) { target_ = std::move(target); }
  const std::string& Target() const { return target_; }
  // What a click does; nothing is reported when the system cannot open it.
  void Open() const;

 private:
  std::string target_;
};
