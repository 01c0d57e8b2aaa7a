// What one stand-in Excel instance holds: its flags, workbooks, sheets and add-ins.
// The objects handed to the module are views of this state; each holds the instance
// (and its workbook) and refuses to work once Excel has ended or the workbook was
// closed, as references into a real Excel do.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "automation/ExcelObjectModel.h"
#include "sim/addin/RangeTransfer.h"
#include "sim/excel/SimExcel.h"
#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

// Worksheet.Visible values.
constexpr int kSheetVisible = -1;
constexpr int kSheetHidden = 0;
constexpr int kSheetVeryHidden = 2;

struct WorksheetState {
  std::string name;
  int visibility = kSheetVisible;
  std::string selection;  // absolute address of the range last selected here, "" none
  TypedValues typed;      // what the user typed into its cells, over the file's values
};

// A workbook's sheets in tab order. Its active sheet is always a visible one.
struct WorkbookState {
  std::string fullName;  // canonical path; "BookN" for a workbook never saved
  std::string name;
  // Built-in document properties with a value, by name: texts, and dates as automation
  // dates. A workbook never saved has none, not even a save time.
  std::map<std::string, ExcelVariant> properties;
  // The cells, formats and names read from its file; null for a workbook never saved.
  std::shared_ptr<const WorkbookData> content;
  std::vector<std::shared_ptr<WorksheetState>> sheets;
  std::shared_ptr<WorksheetState> activeSheet;
  bool closed = false;

  // Appended; it becomes the active sheet when there is none and it is visible.
  void AddSheet(const std::string& name, int visibility = kSheetVisible);
  std::shared_ptr<WorksheetState> FindSheet(std::string_view name) const;
  int VisibleSheetCount() const;
};

struct AddInState {
  std::string name;
  bool installed = false;
  int installedWrites = 0;
  bool fileMissing = false;  // its file is gone: it can be uninstalled, not installed
};

struct ComAddInState {
  std::string progId;
  std::string description;
  bool connect = false;
  std::shared_ptr<AutomationObject> object;
};

struct ExcelState {
  std::string version = "16.0";
  bool visible = false;
  bool interactive = true;
  bool displayAlerts = true;
  bool screenUpdating = true;
  bool staysInvisible = false;
  HWND window = nullptr;  // made when first needed
  // Workbooks in the order of the Workbooks collection, and in window order (the
  // active one first, then the one that was active before it...).
  std::vector<std::shared_ptr<WorkbookState>> workbooks;
  std::vector<std::shared_ptr<WorkbookState>> windowOrder;
  int nextNewBook = 1;
  std::vector<std::shared_ptr<AddInState>> addIns;
  std::vector<std::shared_ptr<ComAddInState>> comAddIns;
  ExcelTransfer transfer;
  bool quitCalled = false;
  bool ended = false;
  // "opened <FullName>" for each workbook read from its file, "closed <FullName>" for
  // each closed, in order.
  std::vector<std::string> history;

  std::shared_ptr<WorkbookState> ActiveWorkbook() const;
  std::shared_ptr<WorkbookState> FindWorkbook(std::string_view fullNameOrName) const;
  void Activate(const std::shared_ptr<WorkbookState>& book);
  // Takes a workbook out of the collection; the one behind it in window order
  // becomes active.
  void Remove(const std::shared_ptr<WorkbookState>& book);
  std::shared_ptr<ComAddInState> FindComAddIn(std::string_view progId) const;
  void PutComAddIn(ComAddInState addIn);
};

// Raises RPC_E_DISCONNECTED when Excel has ended or the workbook was closed.
void CheckConnected(const ExcelState& excel, const WorkbookState* book = nullptr);

}  // namespace sim
