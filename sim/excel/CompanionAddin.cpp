// The companion add-in's object inside the stand-in Excel. Its transfer sends the
// selected range, or runs the instance's transfer function when a test or the host
// shell set one; it also opens a workbook by its path for the module's ProjectWise
// fallback, as far as a file path serves.
#include "sim/excel/AddinObjects.h"
#include "sim/excel/DispatchArguments.h"
#include "sim/excel/ExcelErrors.h"
#include "sim/excel/SelectionTransfer.h"
#include "sim/excel/WorkbookFile.h"

namespace sim {
namespace {

constexpr int kTransferDispid = 6;
constexpr int kOpenDocumentDispid = 7;

class CompanionAddinObject : public AutomationObject, public std::enable_shared_from_this<CompanionAddinObject> {
 public:
  explicit CompanionAddinObject(std::weak_ptr<StandInExcel> excel) : excel_(std::move(excel)) {}

  ExcelVariant Invoke(int dispid, const std::vector<ExcelVariant>& arguments, std::string* message) override {
    auto excel = Connected();
    if (dispid == kOpenDocumentDispid) return OpenDocument(excel->state(), arguments, message);
    if (dispid != kTransferDispid) RaiseMemberNotFound();
    ExpectArgumentCount(arguments, 1, 1);
    int rangeSelected = IntegerArgument(arguments[0]);
    // A copy: the transfer may set another one while it runs.
    if (ExcelTransfer transfer = excel->state().transfer)
      transfer(*excel, rangeSelected);
    else if (std::string error = SendSelectedRange(excel->state()); !error.empty())
      RaiseExcelError(error);
    return {};
  }

  std::shared_ptr<AutomationObject> QueryInterface(const std::string& interfaceId) override {
    Connected();
    return interfaceId == kDispatchInterfaceId ? shared_from_this() : nullptr;
  }

 private:
  // Path, open mode and the message passed back by reference: the workbook file at
  // the path becomes the active workbook and the message stays empty; else the
  // message says why. The add-in fetches nothing from a document server.
  static ExcelVariant OpenDocument(ExcelState& excel, const std::vector<ExcelVariant>& arguments, std::string* message) {
    ExpectArgumentCount(arguments, 2, 3);
    std::string path = TextArgument(arguments[0]);
    IntegerArgument(arguments[1]);
    std::string reply;
    int opened = OpenWorkbookFile(excel, path, &reply) ? 1 : 0;
    if (message) *message = reply;
    return opened;
  }

  std::shared_ptr<StandInExcel> Connected() const {
    auto excel = excel_.lock();
    if (!excel) RaiseDisconnected();
    CheckConnected(excel->state());
    return excel;
  }

  std::weak_ptr<StandInExcel> excel_;
};

}  // namespace

std::shared_ptr<AutomationObject> MakeCompanionAddinObject(std::weak_ptr<StandInExcel> excel) {
  return std::make_shared<CompanionAddinObject>(std::move(excel));
}

}  // namespace sim
