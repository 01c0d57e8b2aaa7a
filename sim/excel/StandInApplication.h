// The stand-in Excel's Application object: one per running instance.
#pragma once

#include <memory>

#include "automation/ExcelObjectModel.h"
#include "sim/excel/ExcelState.h"

namespace sim {

class StandInExcel final : public ExcelApplication, public std::enable_shared_from_this<StandInExcel> {
 public:
  StandInExcel() : state_(std::make_shared<ExcelState>()) {}
  ExcelState& state() { return *state_; }

  std::string Version() override;
  bool Visible() override;
  void SetVisible(bool visible) override;
  void SetInteractive(bool interactive) override;
  void SetDisplayAlerts(bool on) override;
  void SetScreenUpdating(bool on) override;
  int Hwnd() override;
  std::shared_ptr<ExcelWorkbooks> Workbooks() override;
  std::shared_ptr<ExcelWorkbook> ActiveWorkbook() override;
  std::shared_ptr<ExcelWorksheet> ActiveSheet() override;
  std::shared_ptr<ExcelAddIns> AddIns() override;
  std::shared_ptr<ExcelComAddIns> COMAddIns() override;
  void Quit() override;

 private:
  std::shared_ptr<ExcelState> state_;
};

// The stand-in behind an application reference; std::invalid_argument for any other.
StandInExcel& StandInOf(ExcelApplication& excel);

}  // namespace sim
