// The hidden window that receives the companion add-in's messages for a transfer
// and starts the output of a received table. It exists from the start of an
// operation to its clean-up.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "automation/AddinContract.h"
#include "automation/ExcelObjectModel.h"
#include "model/RowAssembly.h"
#include "output/LinkData.h"
#include "platform/windows.h"

class CQuorvelle;
class _com_error;

// The framework's standard report of an automation failure.
void ReportAutomationError(const _com_error& e);
// The worksheet of a link made active in its workbook, and the link's range selected
// on the active sheet; a sheet or range Excel does not have is a failure like an
// automation error (both throw).
void ActivateLinkedSheet(ExcelWorkbook& book, const std::string& worksheet);
void SelectLinkedRange(ExcelApplication& excel, const std::string& range);

// Messages the window posts itself, so that their work starts once the add-in's call
// has returned.
constexpr UINT kMsgOutputToDgn = 1130;
constexpr UINT kMsgCancelTransfer = 1132;

class CSignalDlg {
 public:
  CSignalDlg();
  virtual ~CSignalDlg();
  CSignalDlg(const CSignalDlg&) = delete;
  CSignalDlg& operator=(const CSignalDlg&) = delete;

  // Creates the window (caption of the add-in contract) owned by the parent; false
  // when the window could not be made.
  bool Create(HWND parent);
  void DestroyWindow();
  HWND GetSafeHwnd() const { return hwnd_; }

  // Connects to a new Excel instance unless connected; 1 connected, 0 failed with
  // the creation's status in `status`.
  int LaunchExcel(HRESULT* status);
  // Starts Excel for the user with a new workbook, or the link's workbook at its
  // sheet and range. 1 ready; 0 failed (the operation is then cleaned up, and this
  // window no longer exists: the caller must not touch it).
  int OpenWorkbookInExcel(const xlslinkinfo* link);
  void ReloadExcelAddins();
  // The server path of the workbook Excel has open through the ProjectWise
  // component, or empty.
  std::string GetWorkbookPathOnProjectWise();

  unsigned char endFlags = 0;
  CQuorvelle* currentTable = nullptr;
  std::vector<std::unique_ptr<CQuorvelle>> furtherTables;
  std::vector<std::unique_ptr<CQuorvelle>> placedTables;
  xlslinkinfo linkInfo;
  std::string transferredPath;
  ExcelApplicationPtr excelApp;
  int excelVersion = 9;
  // The row being assembled, the records counted for it and the cells per row N.
  CRowAssembly rows;
  int beginWParam = 0;
  unsigned char receiving = 0;
  unsigned char noAutoOutput = 0;
  int rangeIndex = -1;

 protected:
  virtual BOOL OnInitDialog();
  virtual void OnDestroy();
  LRESULT OnBeginTable(WPARAM wParam, LPARAM lParam);
  LRESULT OnCopyData(WPARAM wParam, LPARAM lParam);
  LRESULT OnEndTable(WPARAM wParam, LPARAM lParam);
  LRESULT OnCancelTransfer(WPARAM wParam, LPARAM lParam);
  LRESULT OnOutputToDgn(WPARAM wParam, LPARAM lParam);
  // The message map; messages it does not handle get the default handling.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Quits the Excel instance this window started, if any.
  void QuitExcel();

 private:
  static LRESULT StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void OutputToDgn();
  HWND hwnd_ = nullptr;
};
