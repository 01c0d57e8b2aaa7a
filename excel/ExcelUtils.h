// The module's one connection to Excel, for the flows that open, show and read
// workbooks: Excel's application, the workbook and the worksheet made current last,
// and Excel's version. Every operation answers 1 for success and 0 for failure; Excel's
// own failures are reported to the user (ReportOleError), failures of the call itself
// are not. All run on the host's user-interface thread.
#pragma once

#include <memory>
#include <string>

#include "automation/ExcelObjectModel.h"
#include "platform/wintypes.h"
#include "support/CellAddress.h"

class ExcelUtils {
 public:
  virtual ~ExcelUtils() = default;

  // The connection: null, or 0, when not made.
  static ExcelApplicationPtr Application();
  static std::shared_ptr<ExcelWorkbook> CurrentWorkbook();
  static std::shared_ptr<ExcelWorksheet> CurrentWorksheet();
  static int ExcelVersion();

  // Lets go of Excel without closing a workbook or quitting it.
  static void ReleaseExcel();
  // A new Excel, shown and brought to the front when asked.
  static int StartExcel(bool visible);
  // The Excel that runs (0, silently, when none does), with a workbook opened in it or
  // its active workbook and sheet made current. With a path the answer is 1 whether
  // the workbook opened or not: the caller checks the current workbook.
  static int AttachExcel(bool visible, const std::string* path = nullptr, int updateLinks = 1, int readOnly = 0);
  // The workbook of that full name (letter case aside) if Excel has it open, else the
  // one opened from the file; refused with a message when another workbook of the same
  // file name is open, which Excel cannot hold beside it.
  static int OpenWorkbook(const std::string& path, int updateLinks = 1, int readOnly = 0);
  static int AddWorkbook();
  // A workbook to work in (a new one when Excel has none) and its active sheet.
  static int EnsureWorkbook();
  // The worksheet of that name (letter case aside) in the active workbook, made
  // visible and active.
  static int ActivateWorksheet(const std::string& name);
  // The workbook opened, its sheet activated and the range selected; an empty sheet
  // or range ends the work early, successfully.
  static int OpenAndSelect(const std::string& path, const std::string& sheet, const std::string& range,
                           int updateLinks = 1, int readOnly = 0);
  // A built-in document property of the workbook ("Last Save Time", "Author"...);
  // 0, silently, when it cannot be read.
  static int GetDocumentProperty(ExcelWorkbook& workbook, const std::string& name, ExcelVariant* value);
  // Excel's version text, from the running Excel or from one started (and quit)
  // for the question.
  static std::string GetExcelVersion();

  // $C$7 for row 7, column 3; "" with a message for a row or column below 1, and
  // for a column beyond ZZ.
  static std::string CellAddress(int row, int column);
  // The cells of a range address (support/CellAddress.h); the layout reading unless
  // told otherwise.
  static int ParseRangeStart(const std::string& address, int* row, int* column,
                             AddressReading reading = AddressReading::Layout);
  static int ParseRangeEnd(const std::string& address, int* row, int* column);

  // The system's text of the status code, else the fallback naming it.
  static void ReportOleError(HRESULT status);

  // The leading integer of a version text ("12.0" gives 12).
  static int LeadingInteger(const std::string& text);
};
