// Workbooks on a ProjectWise server: opened through the component's add-in, or through
// the companion add-in when the component's is not connected, with the messages and
// step numbers of every failure; and the component's library fetching documents for
// the dialogs.
#include <filesystem>
#include <fstream>

#include "app/AcadFunc.h"
#include "settings/FontMapOptionDlg.h"
#include "settings/Profile.h"
#include "sim/SimDialogs.h"
#include "sim/SimOutput.h"
#include "sim/excel/SimExcel.h"
#include "sim/platform/SimPlatform.h"
#include "sim/projectwise/ProjectWiseServer.h"
#include "tests/app/AppTestSupport.h"

namespace {

constexpr char kDocument[] = "pw:\\Plans\\Doors.xlsx*";

// A component object whose open call returns 0 and says nothing.
class SilentComponent : public AutomationObject, public std::enable_shared_from_this<SilentComponent> {
 public:
  ExcelVariant Invoke(int, const std::vector<ExcelVariant>&, std::string* message) override {
    if (message) message->clear();
    return 0;
  }
  std::shared_ptr<AutomationObject> QueryInterface(const std::string&) override { return shared_from_this(); }
};

class ProjectWiseTest : public PlacedTableTest {
 protected:
  void SetUp() override {
    PlacedTableTest::SetUp();
    std::filesystem::create_directories(dir.path() / "server" / "Plans");
    WriteWorkbook(dir.File("server/Plans/Doors.xlsx"), "Sheet1", "served");
    sim::SetProjectWiseServer(dir.File("server"));
    ASSERT_EQ("", sim::InstallProjectWiseStandIn());
  }
  void TearDown() override {
    sim::SetProjectWiseServer("");
    PlacedTableTest::TearDown();
  }
  static ExcelApplicationPtr NewExcel() {
    ExcelApplicationPtr excel;
    EXPECT_EQ(S_OK, CreateAutomationApplication("Excel.Application", &excel));
    return excel;
  }
  static std::vector<std::string> HostBoxes() { return sim::OutputTexts(sim::OutputKind::HostMessageBox); }
};

TEST_F(ProjectWiseTest, TheComponentOpensAServerDocumentAsALocalCopy) {
  ExcelApplicationPtr excel = NewExcel();
  ASSERT_EQ(1, CAcadFunc::OpenWorkbookOnProjectWise(excel, kDocument, 0));
  const std::string copy = sim::ActiveWorkbookName(*excel);
  EXPECT_NE(std::string::npos, copy.find("Doors.xlsx")) << copy;
  EXPECT_EQ(kDocument, sim::ServerPathOfCopy(copy));
  EXPECT_TRUE(HostBoxes().empty());

  EXPECT_EQ(0, CAcadFunc::OpenWorkbookOnProjectWise(excel, "pw:\\Plans\\Gone.xlsx*", 0));
  EXPECT_EQ(std::vector<std::string>{"Cannot open pw:\\Plans\\Gone.xlsx*: The document pw:\\Plans\\Gone.xlsx* does not "
                                     "exist on the server."},
            HostBoxes());
}

TEST_F(ProjectWiseTest, ANotConnectedComponentFallsBackToTheCompanionAddinConnectedForTheCall) {
  ExcelApplicationPtr excel = NewExcel();
  sim::RegisterProjectWiseAddin(*excel, {}, false);
  sim::RegisterCompanionAddin(*excel, false);
  EXPECT_EQ(0, CAcadFunc::OpenWorkbookOnProjectWise(excel, kDocument, 2));
  // The companion add-in opens files only: it names the document it could not find.
  ASSERT_EQ(1u, HostBoxes().size());
  EXPECT_NE(std::string::npos, HostBoxes()[0].find("Doors.xlsx")) << HostBoxes()[0];
  bool companionConnected = false;
  for (const auto& addin : sim::ComAddInsOf(*excel))
    if (addin.progId == sim::kCompanionAddinProgId) companionConnected = addin.connect;
  EXPECT_TRUE(companionConnected);
}

TEST_F(ProjectWiseTest, WhenNeitherAddinIsListedTheMessageNamesTheStepReached) {
  ExcelApplicationPtr excel = NewExcel();
  sim::RemoveComAddIn(*excel, sim::kProjectWiseAddinProgId);
  sim::RemoveComAddIn(*excel, sim::kCompanionAddinProgId);
  EXPECT_EQ(0, CAcadFunc::OpenWorkbookOnProjectWise(excel, kDocument, 2));
  EXPECT_EQ(std::vector<std::string>{"Unknown error raises in OpenWorkbookOnProjectWise: 2469."}, HostBoxes());
}

TEST_F(ProjectWiseTest, AnOpenThatReturnsZeroWithoutAMessageIsAnUnknownErrorAndNotRetried) {
  ExcelApplicationPtr excel = NewExcel();
  sim::AddComAddIn(*excel, {sim::kProjectWiseAddinProgId, "Quorvelle for ProjectWise", true,
                            std::make_shared<SilentComponent>()});
  sim::RemoveComAddIn(*excel, sim::kCompanionAddinProgId);
  EXPECT_EQ(0, CAcadFunc::OpenWorkbookOnProjectWise(excel, kDocument, 0));
  EXPECT_EQ(std::vector<std::string>{std::string("Cannot open ") + kDocument + ": Unknown error."}, HostBoxes());
}

TEST_F(ProjectWiseTest, TheFontMapCommandLoadsAMapKeptOnTheServer) {
  ExcelFontMapArray map;
  map.AddExcelFont("Tahoma", false, false);
  map.entries[0].SetMSFont("(TrueType) Arial");
  ASSERT_TRUE(map.SaveToFile(sim::ToWindowsPath(dir.File("server/Plans/office.afm"))));
  sim::PushProjectWiseChoice("pw:\\Plans\\office.afm*");
  std::vector<std::vector<std::string>> rows;
  sim::PushDialogScript([&](IDialogPresenter& d) {
    sim::Press(d, CFontMapOptionDlg::IDC_LOAD);
    rows = d.ListRows(CFontMapOptionDlg::IDC_FONTS);
  });
  CFontMapOptionDlg dialog(0);
  dialog.DoModal();
  EXPECT_EQ((std::vector<std::vector<std::string>>{{"Tahoma", "Regular", "(TrueType) Arial"}}), rows);
  EXPECT_EQ("(TrueType) Arial", GetProfileString("Quorvelle\\FontMap", "Tahoma*Regular"));
  // The local copy was used and deleted.
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::temp_directory_path() / "QuorvellePW", ec))
    EXPECT_EQ(std::string::npos, entry.path().filename().string().find("office.afm")) << entry.path();
}

}  // namespace
