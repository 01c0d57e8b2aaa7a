// Excel's object model as the module drives it by automation: the objects and
// members the module calls, typed. Every call may fail: Excel's own failures arrive
// as COleDispatchException, failures of the call itself (Excel gone, an index out of
// range, a wrong argument) as _com_error; both carry the status code and message. An
// object that does not exist (no active workbook, no such add-in) is a null pointer.
// A build against Excel binds these to IDispatch calls by DISPID; the stand-in Excel
// implements them directly.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/wintypes.h"

// A value passed to or read from Excel: empty, a boolean, a 32-bit number, a double,
// a text, or a date (days since 30 December 1899, as automation dates are).
struct ExcelDate {
  double days = 0;
};
using ExcelVariant = std::variant<std::monostate, bool, int, double, std::string, ExcelDate>;

class ExcelRange {
 public:
  virtual ~ExcelRange() = default;
  virtual void Select() = 0;
};

class ExcelWorksheet {
 public:
  virtual ~ExcelWorksheet() = default;
  virtual std::string Name() = 0;
  virtual void Activate() = 0;
  virtual int Visible() = 0;
  virtual void SetVisible(int visible) = 0;
  // Range(Cell1, Cell2): an address or a defined name; Cell2 missing when not given.
  virtual std::shared_ptr<ExcelRange> Range(const std::string& cell1, const std::optional<std::string>& cell2) = 0;
};

// Sheets and Worksheets of a workbook; items counted from 1.
class ExcelSheets {
 public:
  virtual ~ExcelSheets() = default;
  virtual int Count() = 0;
  virtual std::shared_ptr<ExcelWorksheet> Item(int index) = 0;
  virtual std::shared_ptr<ExcelWorksheet> Item(const std::string& name) = 0;
};

class ExcelWorkbook {
 public:
  virtual ~ExcelWorkbook() = default;
  virtual std::string FullName() = 0;
  virtual std::string Name() = 0;
  virtual std::shared_ptr<ExcelSheets> Sheets() = 0;
  virtual std::shared_ptr<ExcelSheets> Worksheets() = 0;
  // Close(SaveChanges, Filename, RouteWorkbook); missing arguments are empty.
  virtual void Close(const ExcelVariant& saveChanges, const ExcelVariant& fileName, const ExcelVariant& route) = 0;
  // BuiltinDocumentProperties.Item(name).Value.
  virtual ExcelVariant BuiltinDocumentProperty(const std::string& name) = 0;
};

class ExcelWorkbooks {
 public:
  virtual ~ExcelWorkbooks() = default;
  virtual int Count() = 0;
  virtual std::shared_ptr<ExcelWorkbook> Item(int index) = 0;
  virtual std::shared_ptr<ExcelWorkbook> Add() = 0;  // template missing
  // Open(Filename, UpdateLinks, ReadOnly, ... ten more missing).
  virtual std::shared_ptr<ExcelWorkbook> Open(const std::string& fileName, const ExcelVariant& updateLinks,
                                              const ExcelVariant& readOnly) = 0;
};

class ExcelAddIn {
 public:
  virtual ~ExcelAddIn() = default;
  virtual std::string Name() = 0;
  virtual bool Installed() = 0;
  virtual void SetInstalled(bool installed) = 0;
};

class ExcelAddIns {
 public:
  virtual ~ExcelAddIns() = default;
  virtual int Count() = 0;
  virtual std::shared_ptr<ExcelAddIn> Item(int index) = 0;
};

// The automation object of a COM add-in: methods called by DISPID with plain
// arguments. The companion add-in's transfer is DISPID 6 with one 32-bit number.
class AutomationObject {
 public:
  virtual ~AutomationObject() = default;
  virtual ExcelVariant Invoke(int dispid, const std::vector<ExcelVariant>& arguments,
                              std::string* byRefText = nullptr) = 0;
  // The object behind an interface of the add-in (QueryInterface), or null.
  virtual std::shared_ptr<AutomationObject> QueryInterface(const std::string& interfaceId) = 0;
};

class ExcelComAddIn {
 public:
  virtual ~ExcelComAddIn() = default;
  virtual std::string Description() = 0;
  virtual bool Connect() = 0;
  virtual void SetConnect(bool connect) = 0;
  virtual std::shared_ptr<AutomationObject> Object() = 0;
};

class ExcelComAddIns {
 public:
  virtual ~ExcelComAddIns() = default;
  virtual int Count() = 0;
  // Item(ProgID); raises the error Excel raises for an unknown add-in.
  virtual std::shared_ptr<ExcelComAddIn> Item(const std::string& progId) = 0;
};

class ExcelApplication {
 public:
  virtual ~ExcelApplication() = default;
  virtual std::string Version() = 0;
  virtual bool Visible() = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetInteractive(bool interactive) = 0;
  virtual void SetDisplayAlerts(bool on) = 0;
  virtual void SetScreenUpdating(bool on) = 0;
  virtual int Hwnd() = 0;
  virtual std::shared_ptr<ExcelWorkbooks> Workbooks() = 0;
  virtual std::shared_ptr<ExcelWorkbook> ActiveWorkbook() = 0;
  virtual std::shared_ptr<ExcelWorksheet> ActiveSheet() = 0;
  virtual std::shared_ptr<ExcelAddIns> AddIns() = 0;
  virtual std::shared_ptr<ExcelComAddIns> COMAddIns() = 0;
  virtual void Quit() = 0;
};

using ExcelApplicationPtr = std::shared_ptr<ExcelApplication>;

// A new automation object of the ProgID ("Excel.Application"); the status of the
// creation (S_OK, or the failure's code, with no object).
HRESULT CreateAutomationApplication(const std::string& progId, ExcelApplicationPtr* application);
// The running instance of the ProgID, if any (GetActiveObject).
HRESULT GetActiveAutomationApplication(const std::string& progId, ExcelApplicationPtr* application);
