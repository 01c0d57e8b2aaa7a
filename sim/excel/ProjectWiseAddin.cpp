// The ProjectWise component's add-in object inside the stand-in Excel: it knows a
// few server documents by their local copies and reports the server path of the
// active workbook.
#include "sim/SimFailures.h"
#include "sim/excel/AddinObjects.h"
#include "sim/excel/DispatchArguments.h"
#include "sim/excel/ExcelErrors.h"
#include "sim/excel/WorkbookFile.h"
#include "sim/platform/TextCase.h"
#include "sim/projectwise/ProjectWiseServer.h"

namespace sim {
namespace {

constexpr int kOpenDocumentDispid = 1;
constexpr int kActiveDocumentPathDispid = 4;

class ProjectWiseObject : public AutomationObject, public std::enable_shared_from_this<ProjectWiseObject> {
 public:
  ProjectWiseObject(std::weak_ptr<StandInExcel> excel, ProjectWiseComponent component)
      : excel_(std::move(excel)), component_(std::move(component)) {}

  ExcelVariant Invoke(int dispid, const std::vector<ExcelVariant>& arguments, std::string* message) override {
    auto excel = Connected();
    if (dispid == kActiveDocumentPathDispid) {
      ExpectArgumentCount(arguments, 0, 0);
      if (ShouldFail("ProjectWiseActiveDocumentPath")) Raise(static_cast<HRESULT>(0x80004005), "Unspecified error");
      if (!component_.activeDocumentPath.empty()) return component_.activeDocumentPath;
      auto active = excel->state().ActiveWorkbook();
      return active ? ServerPathOfCopy(active->fullName) : std::string();
    }
    if (dispid != kOpenDocumentDispid) RaiseMemberNotFound();
    // Path, open mode, and the message (also passed back by reference).
    ExpectArgumentCount(arguments, 2, 3);
    std::string path = TextArgument(arguments[0]);
    IntegerArgument(arguments[1]);
    std::string reply;
    int opened = OpenDocument(excel->state(), path, &reply);
    if (message) *message = reply;
    return opened;
  }

  std::shared_ptr<AutomationObject> QueryInterface(const std::string& interfaceId) override {
    Connected();
    bool known = interfaceId == kProjectWiseInterfaceId || interfaceId == kDispatchInterfaceId;
    return known ? shared_from_this() : nullptr;
  }

 private:
  std::shared_ptr<StandInExcel> Connected() const {
    auto excel = excel_.lock();
    if (!excel) RaiseDisconnected();
    CheckConnected(excel->state());
    return excel;
  }

  int OpenDocument(ExcelState& excel, const std::string& path, std::string* reply) const {
    for (const auto& [serverPath, localCopy] : component_.documents)
      if (EqualsIgnoringCase(serverPath, path)) return OpenWorkbookFile(excel, localCopy, reply) ? 1 : 0;
    if (component_.documents.empty() && !ProjectWiseServerFolder().empty()) {
      const std::string copy = FetchServerDocument(path, reply);
      return !copy.empty() && OpenWorkbookFile(excel, copy, reply) ? 1 : 0;
    }
    *reply = "The document " + path + " does not exist on the server.";
    return 0;
  }

  std::weak_ptr<StandInExcel> excel_;
  ProjectWiseComponent component_;
};

}  // namespace

std::shared_ptr<AutomationObject> MakeProjectWiseObject(std::weak_ptr<StandInExcel> excel,
                                                        ProjectWiseComponent component) {
  return std::make_shared<ProjectWiseObject>(std::move(excel), std::move(component));
}

}  // namespace sim
