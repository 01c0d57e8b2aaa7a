// The companion add-in's object inside the stand-in Excel. What a transfer sends is
// the instance's transfer function; the add-in itself only checks the call.
#include "sim/excel/AddinObjects.h"
#include "sim/excel/DispatchArguments.h"
#include "sim/excel/ExcelErrors.h"

namespace sim {
namespace {

constexpr int kTransferDispid = 6;

class CompanionAddinObject : public AutomationObject, public std::enable_shared_from_this<CompanionAddinObject> {
 public:
  explicit CompanionAddinObject(std::weak_ptr<StandInExcel> excel) : excel_(std::move(excel)) {}

  ExcelVariant Invoke(int dispid, const std::vector<ExcelVariant>& arguments, std::string*) override {
    auto excel = Connected();
    if (dispid != kTransferDispid) RaiseMemberNotFound();
    ExpectArgumentCount(arguments, 1, 1);
    int rangeSelected = IntegerArgument(arguments[0]);
    // A copy: the transfer may set another one while it runs.
    if (ExcelTransfer transfer = excel->state().transfer) transfer(*excel, rangeSelected);
    return {};
  }

  std::shared_ptr<AutomationObject> QueryInterface(const std::string& interfaceId) override {
    Connected();
    return interfaceId == kDispatchInterfaceId ? shared_from_this() : nullptr;
  }

 private:
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
