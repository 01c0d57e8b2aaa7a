// Excel's Application object as the module drives it by automation. Calls that fail
// throw _com_error, as Excel's do.
#pragma once

#include <memory>

class ExcelApplication {
 public:
  virtual ~ExcelApplication() = default;
  virtual void SetDisplayAlerts(bool on) = 0;
  virtual void Quit() = 0;
};

using ExcelApplicationPtr = std::shared_ptr<ExcelApplication>;
