#include "support/SehException.h"

#include <cstdio>

#include "support/Breadcrumbs.h"

std::string win_seh_exception::report(const char* operation) {
  char line[512];
  std::snprintf(line, sizeof line, "Catched the Exception in %s: %X.\n", operation ? operation : "",
                static_cast<unsigned>(code_));
  report_ = line;
  if (crashStep != 0 || !crashName.empty()) {
    std::snprintf(line, sizeof line, "%s, %d\n", crashName.c_str(), crashStep);
    report_ += line;
  }
  return report_;
}
