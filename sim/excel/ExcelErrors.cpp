#include "sim/excel/ExcelErrors.h"

#include "automation/ComError.h"

namespace sim {

const char kRangeFailedText[] = "Method 'Range' of object '_Worksheet' failed";
const char kActivateFailedText[] = "Activate method of Worksheet class failed";
const char kSelectFailedText[] = "Select method of Range class failed";
const char kSetVisibleFailedText[] = "Unable to set the Visible property of the Worksheet class";
const char kSetInstalledFailedText[] = "Unable to set the Installed property of the AddIn class";
// What the person at the keyboard meets: no Excel on screen, or one that takes no input.
const char kNotVisibleToUserText[] = "Excel is not on the screen.";
const char kNotInteractiveText[] = "Excel does not respond to the keyboard or the mouse.";
const char kReferenceNotValidText[] = "Reference isn't valid.";
const char kInvalidProcedureCallText[] = "Invalid procedure call or argument";

std::string FileNotFoundText(const std::string& path) {
  return "Sorry, we couldn't find " + path + ". Is it possible it was moved, renamed or deleted?";
}

std::string SameNameOpenText(const std::string& fileName) {
  return "A document with the name '" + fileName +
         "' is already open. You cannot open two documents with the same name, even if the documents are in "
         "different folders.\nTo open the second document, either close the document that's currently open, or "
         "rename one of the documents.";
}

std::string DamagedFileText(const std::string& fileName, const std::string& reason) {
  return "Excel cannot open the file '" + fileName +
         "' because the file format or file extension is not valid. Verify that the file has not been corrupted and "
         "that the file extension matches the format of the file.\n" + reason;
}

std::string NoSheetToSelectText(const std::string& sheet) { return "There is no sheet '" + sheet + "' to select."; }

void Raise(HRESULT status, const std::string& message) { throw _com_error(status, message); }

void RaiseDisconnected() { Raise(kDisconnected, "The object invoked has disconnected from its clients."); }

void RaiseBadIndex() { Raise(kBadIndex, "Invalid index."); }

void RaiseExcelError(const std::string& message, HRESULT status) { throw COleDispatchException(status, message); }

}  // namespace sim
