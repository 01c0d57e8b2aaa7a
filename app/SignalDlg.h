// The hidden window that receives the companion add-in's messages for a transfer.
// It exists from the start of an operation to its clean-up.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "excel/ExcelApplication.h"
#include "platform/windows.h"

class CQuorvelle;

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

  unsigned char endFlags = 0;
  CQuorvelle* currentTable = nullptr;
  std::vector<std::unique_ptr<CQuorvelle>> furtherTables;
  std::vector<std::unique_ptr<CQuorvelle>> placedTables;
  std::string transferredPath;
  ExcelApplicationPtr excelApp;
  int excelVersion = 9;
  int beginWParam = 0;
  int cellsPerRow = 0;
  int cellsInRow = 0;
  unsigned char receiving = 0;
  unsigned char noAutoOutput = 0;
  int rangeIndex = -1;

 protected:
  virtual BOOL OnInitDialog();
  virtual void OnDestroy();
  // The message map; messages it does not handle get the default handling.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Quits the Excel instance this window started, if any.
  void QuitExcel();

 private:
  static LRESULT StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};
