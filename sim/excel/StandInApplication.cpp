#include "sim/excel/StandInApplication.h"

#include <stdexcept>

#include "sim/excel/ExcelWindow.h"
#include "sim/excel/StandInObjects.h"

namespace sim {

std::string StandInExcel::Version() {
  CheckConnected(*state_);
  return state_->version;
}

bool StandInExcel::Visible() {
  CheckConnected(*state_);
  return state_->visible;
}

void StandInExcel::SetVisible(bool visible) {
  CheckConnected(*state_);
  if (visible && state_->staysInvisible) return;
  state_->visible = visible;
  ShowExcelWindow(*state_);
}

void StandInExcel::SetInteractive(bool interactive) {
  CheckConnected(*state_);
  state_->interactive = interactive;
}

void StandInExcel::SetDisplayAlerts(bool on) {
  CheckConnected(*state_);
  state_->displayAlerts = on;
}

void StandInExcel::SetScreenUpdating(bool on) {
  CheckConnected(*state_);
  state_->screenUpdating = on;
}

int StandInExcel::Hwnd() {
  CheckConnected(*state_);
  return static_cast<int>(reinterpret_cast<LONG_PTR>(ExcelWindow(*state_)));
}

std::shared_ptr<ExcelWorkbooks> StandInExcel::Workbooks() {
  CheckConnected(*state_);
  return MakeWorkbooks(state_);
}

std::shared_ptr<ExcelWorkbook> StandInExcel::ActiveWorkbook() {
  CheckConnected(*state_);
  auto book = state_->ActiveWorkbook();
  return book ? MakeWorkbook(state_, book) : nullptr;
}

std::shared_ptr<ExcelWorksheet> StandInExcel::ActiveSheet() {
  CheckConnected(*state_);
  auto book = state_->ActiveWorkbook();
  return book && book->activeSheet ? MakeWorksheet(state_, book, book->activeSheet) : nullptr;
}

std::shared_ptr<ExcelAddIns> StandInExcel::AddIns() {
  CheckConnected(*state_);
  return MakeAddIns(state_);
}

std::shared_ptr<ExcelComAddIns> StandInExcel::COMAddIns() {
  CheckConnected(*state_);
  return MakeComAddIns(state_);
}

// Open workbooks are dropped unsaved: the stand-in keeps no changes to save.
void StandInExcel::Quit() {
  CheckConnected(*state_);
  state_->quitCalled = true;
  EndExcel(*state_);
}

StandInExcel& StandInOf(ExcelApplication& excel) {
  auto* standIn = dynamic_cast<StandInExcel*>(&excel);
  if (!standIn) throw std::invalid_argument("not an instance of the stand-in Excel");
  return *standIn;
}

}  // namespace sim
