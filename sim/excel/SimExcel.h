// Control of the stand-in Excel, for tests and the host shell: the instances started
// through automation, what each one begins with, its state as the module left it, and
// the person at Excel's keyboard opening workbooks and selecting ranges. Everything
// runs on the one thread that owns the windows.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "automation/ExcelObjectModel.h"

namespace sim {

constexpr char kCompanionAddinProgId[] = "QuorvelleV8i.XQVAddinMS";
constexpr char kProjectWiseAddinProgId[] = "QuorvellePW.Connect";
// The ProjectWise component's interface, asked of its add-in's object.
constexpr char kProjectWiseInterfaceId[] = "{4F0485EF-CBC0-4A33-8DE9-253CF76D5F64}";

// Every instance ended (references into it disconnect, its window is destroyed),
// the start-up preparation dropped, the count of started instances back to 0.
void ResetExcel();

// Runs on every instance started from now on, before the call that starts it
// returns: what Excel has loaded by the time the module first talks to it (its
// version, add-ins, COM add-ins, the companion add-in's transfer). Empty: nothing.
void SetExcelStartup(std::function<void(ExcelApplication& excel)> prepare);

// Instances started and not ended, oldest first.
std::vector<ExcelApplicationPtr> RunningExcelInstances();
// The instance started last, ended or not; null when none was started.
ExcelApplicationPtr LastStartedExcel();
int StartedExcelCount();

// --- One instance. `excel` must be a stand-in instance (std::invalid_argument
// otherwise). ---

void SetExcelVersion(ExcelApplication& excel, const std::string& version);
// Application.Visible stays false whatever is set, as with an Excel 2013 or later
// that a broken add-in keeps from showing.
void SetExcelStaysInvisible(ExcelApplication& excel, bool staysInvisible);

struct ExcelFlags {
  bool visible = false;
  bool interactive = true;
  bool displayAlerts = true;
  bool screenUpdating = true;
};
ExcelFlags ExcelFlagsOf(ExcelApplication& excel);
bool ExcelQuitCalled(ExcelApplication& excel);
// Ended: quit, reset, or its window closed.
bool ExcelEnded(ExcelApplication& excel);

// FullName of each open workbook, in the order of the Workbooks collection.
std::vector<std::string> ExcelWorkbookNames(ExcelApplication& excel);
// The workbooks read from their files and closed, in order: "opened FULLNAME",
// "closed FULLNAME".
std::vector<std::string> ExcelWorkbookHistory(ExcelApplication& excel);
// FullName of the active workbook and name of its active sheet; "" when none.
std::string ActiveWorkbookName(ExcelApplication& excel);
std::string ActiveSheetName(ExcelApplication& excel);

// The range last selected on the active sheet of the active workbook, in the
// absolute form Excel reports ("$B$3:$D$9"); address "" when nothing is selected.
struct ExcelSelection {
  std::string workbook;  // FullName
  std::string sheet;
  std::string address;
};
ExcelSelection SelectionOf(ExcelApplication& excel);

// A worksheet added at the end of an open workbook (named by FullName or Name,
// letter case aside), with Worksheet.Visible's value (-1 visible, 0 hidden, 2 very
// hidden). False when the workbook is not open, the name is taken or empty, or the
// value is none of these.
bool AddWorksheet(ExcelApplication& excel, const std::string& workbook, const std::string& sheet, int visibility = -1);

// The person at the keyboard: opens a workbook by its Windows path (or switches to
// it when it is open) and makes it active; selects a range on a sheet of the active
// workbook, activating the sheet. "" on success, else the message Excel would show.
// Refused while Excel is not visible or not interactive.
std::string OpenAsUser(ExcelApplication& excel, const std::string& windowsPath);
std::string SelectAsUser(ExcelApplication& excel, const std::string& sheet, const std::string& address);
// The person asks the companion add-in to send the selection (its button in Excel):
// the add-in's transfer runs as on DISPID 6. "" once it has sent the range, else the
// message the add-in shows.
std::string SendAsUser(ExcelApplication& excel);
// Types the value into one cell ("B3") of a sheet of the active workbook, as the
// person at the keyboard edits a range before sending it again: the file stays as it
// is, the add-in sends the value. "" on success, else why not.
std::string TypeAsUser(ExcelApplication& excel, const std::string& sheet, const std::string& cell,
                       const std::string& value);

// --- Add-ins ---

// What the companion add-in does when the module calls its transfer (DISPID 6):
// the Excel it runs in and the call's argument (1 when a range was selected before).
using ExcelTransfer = std::function<void(ExcelApplication& excel, int rangeSelected)>;

// Lists the companion add-in (Description "QuorvelleV8i"); its object's DISPID 6
// runs the instance's transfer, or while none is set sends the selected range of the
// active workbook's file to the signal window (SelectionTransfer.h).
void RegisterCompanionAddin(ExcelApplication& excel, bool connect = true);
void SetExcelTransfer(ExcelApplication& excel, ExcelTransfer transfer);

// The ProjectWise component's add-in ("QuorvellePW.Connect"). Its object answers
// the interface kProjectWiseInterfaceId with DISPID 4 (the server path of the active
// workbook: `activeDocumentPath`) and DISPID 1 (path, open mode, message by
// reference: opens the local copy of a known server document as the active workbook
// and returns 1; else 0 with a message).
struct ProjectWiseComponent {
  std::string activeDocumentPath;
  std::vector<std::pair<std::string, std::string>> documents;  // server path, Windows path of its local copy
};
void RegisterProjectWiseAddin(ExcelApplication& excel, ProjectWiseComponent component, bool connect = true);

// Any COM add-in; one of the same ProgID (letter case aside) is replaced. Its
// object is handed out only while it is connected, as Excel's COMAddIn.Object is.
struct ExcelComAddInDefinition {
  std::string progId;
  std::string description;
  bool connect = true;
  std::shared_ptr<AutomationObject> object;  // null: an add-in without an object
};
void AddComAddIn(ExcelApplication& excel, ExcelComAddInDefinition definition);
// Takes the COM add-in of that ProgID (letter case aside) out of Excel's list.
void RemoveComAddIn(ExcelApplication& excel, const std::string& progId);
struct ExcelComAddInInfo {
  std::string progId;
  std::string description;
  bool connect = false;
};
std::vector<ExcelComAddInInfo> ComAddInsOf(ExcelApplication& excel);

// Excel add-ins (Application.AddIns), and how often the module wrote Installed. One
// whose file is missing can be uninstalled but not installed again.
void AddExcelAddIn(ExcelApplication& excel, const std::string& name, bool installed, bool fileMissing = false);
struct ExcelAddInInfo {
  std::string name;
  bool installed = false;
  int installedWrites = 0;
};
std::vector<ExcelAddInInfo> AddInsOf(ExcelApplication& excel);

}  // namespace sim
