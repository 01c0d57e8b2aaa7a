// The stand-in Excel with workbooks read from their files: their sheets, ranges
// selected by address or defined name, damaged files refused as Excel refuses them,
// and the companion add-in sending the selected range to the signal window.
#include <gtest/gtest.h>

#include <fstream>

#include "automation/ComError.h"
#include "automation/ExcelObjectModel.h"
#include "platform/windows.h"
#include "sim/excel/SimExcel.h"
#include "tests/TestSupport.h"
#include "tests/sim/RangeTestSupport.h"

namespace {

constexpr HRESULT kExcelError = static_cast<HRESULT>(0x800A03EC);

RecordingMessages* received = nullptr;

// Plays the module's signal window: the add-in's messages go to `received`.
LRESULT SignalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!received) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_COPYDATA) {
    auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    const auto* bytes = static_cast<const unsigned char*>(copy->lpData);
    if (copy->dwData == 2) received->Path(reinterpret_cast<const char*>(bytes));
    if (copy->dwData == 0) received->Record(std::vector<unsigned char>(bytes, bytes + copy->cbData));
    return TRUE;
  }
  if (message == 1125) received->Begin(static_cast<int>(lParam));
  if (message == 1126) received->End(static_cast<int>(lParam));
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class ExcelWorkbookFilesTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    received = &messages;
    ASSERT_EQ(S_OK, CreateAutomationApplication("Excel.Application", &excel));
    excel->SetVisible(true);
    sim::RegisterCompanionAddin(*excel);
  }
  void TearDown() override {
    received = nullptr;
    HostTest::TearDown();
  }

  static std::string Path(const std::string& fixture) { return sim::ToWindowsPath(FixturePath(fixture)); }

  static void OpenSignalWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = SignalProc;
    windowClass.lpszClassName = "QvSignalStandIn";
    RegisterClassA(&windowClass);
    ASSERT_NE(nullptr, CreateWindowExA(0, "QvSignalStandIn", "2815DA81-AD05-4739-A2AA-3929B1E3CF56", 0, 0, 0, 0, 0,
                                       nullptr, nullptr, nullptr, nullptr));
  }

  std::shared_ptr<AutomationObject> Addin() { return excel->COMAddIns()->Item(sim::kCompanionAddinProgId)->Object(); }

  ExcelApplicationPtr excel;
  RecordingMessages messages;
};

TEST_F(ExcelWorkbookFilesTest, AWorkbookOpensWithItsSheetsAndTheOneItWasSavedOnInFront) {
  auto book = excel->Workbooks()->Open(Path("DateFormatTests.xlsx"), {}, {});
  EXPECT_EQ("DateFormatTests.xlsx", book->Name());
  EXPECT_EQ(Path("DateFormatTests.xlsx"), book->FullName());
  auto sheets = book->Worksheets();
  ASSERT_EQ(2, sheets->Count());
  EXPECT_EQ("Flags", sheets->Item(1)->Name());
  EXPECT_EQ("Tests", sheets->Item(2)->Name());
  EXPECT_EQ("Tests", excel->ActiveSheet()->Name());
}

TEST_F(ExcelWorkbookFilesTest, RangesAreSelectedByAddressOrDefinedName) {
  auto book = excel->Workbooks()->Open(Path("WithThreeCharts.xlsx"), {}, {});  // ChartRange2: Sheet1!$D$1:$E$6
  auto sheet = book->Sheets()->Item("Sheet1");
  sheet->Range("ChartRange2", std::nullopt)->Select();
  EXPECT_EQ("$D$1:$E$6", sim::SelectionOf(*excel).address);
  sheet->Range("Sheet1!B2", std::nullopt)->Select();
  EXPECT_EQ("$B$2", sim::SelectionOf(*excel).address);
  EXPECT_EQ("", sim::SelectAsUser(*excel, "Sheet1", "chartrange2"));
  EXPECT_EQ("$D$1:$E$6", sim::SelectionOf(*excel).address);

  // A name of another sheet, or none at all, is no range of this sheet.
  auto other = book->Sheets()->Item("Sheet2");
  for (const char* reference : {"ChartRange2", "NoSuchName", "Sheet1!B2"}) {
    try {
      other->Range(reference, std::nullopt);
      ADD_FAILURE() << reference;
    } catch (const _com_error& e) {
      EXPECT_EQ(kExcelError, e.Error());
    }
  }
  EXPECT_EQ("Reference isn't valid.", sim::SelectAsUser(*excel, "Sheet1", "NoSuchName"));
}

TEST_F(ExcelWorkbookFilesTest, AFileThatIsNoWorkbookIsRefusedWithExcelsMessage) {
  std::ofstream(dir.File("Damaged.xlsx")) << "this is not a workbook";
  std::string damaged = sim::ToWindowsPath(dir.File("Damaged.xlsx"));
  try {
    excel->Workbooks()->Open(damaged, {}, {});
    ADD_FAILURE() << "opened";
  } catch (const _com_error& e) {
    EXPECT_EQ(kExcelError, e.Error());
    EXPECT_EQ(0u, e.ErrorMessage().find("Excel cannot open the file 'Damaged.xlsx' because the file format or file "
                                        "extension is not valid."))
        << e.ErrorMessage();
  }
  EXPECT_NE("", sim::OpenAsUser(*excel, damaged));
  EXPECT_EQ(0, excel->Workbooks()->Count());
}

TEST_F(ExcelWorkbookFilesTest, TheAddinSendsTheSelectedRangeWhenAskedAndReturnsAfterwards) {
  OpenSignalWindow();
  ASSERT_EQ("", sim::OpenAsUser(*excel, Path("merge_cells01.xlsx")));
  ASSERT_EQ("", sim::SelectAsUser(*excel, "Sheet1", "A1:B2"));
  Addin()->Invoke(6, {1});
  EXPECT_EQ((std::vector<std::string>{"path " + Path("merge_cells01.xlsx"), "begin 2", "record $A$1", "record $B$1",
                                      "record $A$2", "record $B$2", "end 1"}),
            messages.log);

  // The person's own click sends the same; a sheet with nothing selected sends the
  // cells it uses, a new workbook its empty selected cells.
  messages.log.clear();
  excel->Workbooks()->Open(Path("rich_string12.xlsx"), {}, {});
  EXPECT_EQ("", sim::SendAsUser(*excel));
  EXPECT_EQ("$A$1:$A$3", messages.table.RangeAddress);
  excel->Workbooks()->Add();
  ASSERT_EQ("", sim::SelectAsUser(*excel, "Sheet1", "B2:C2"));
  messages.log.clear();
  EXPECT_EQ("", sim::SendAsUser(*excel));
  EXPECT_EQ("$B$2:$C$2", messages.table.RangeAddress);
  EXPECT_EQ("path Book1", messages.log.front());

  // A selection too large to send is refused before anything is sent.
  ASSERT_EQ("", sim::SelectAsUser(*excel, "Sheet1", "A1:Z10000"));
  messages.log.clear();
  EXPECT_EQ("The range '$A$1:$Z$10000' holds 260000 cells; the add-in sends at most 200000 cells at a time.",
            sim::SendAsUser(*excel));
  EXPECT_TRUE(messages.log.empty());
}

TEST_F(ExcelWorkbookFilesTest, TheAddinOpensAWorkbookByItsPathForTheProjectWiseFallback) {
  std::string message = "unchanged";
  EXPECT_EQ(1, std::get<int>(Addin()->Invoke(7, {Path("sample.xlsx"), 0, std::string()}, &message)));
  EXPECT_EQ("", message);
  EXPECT_EQ(Path("sample.xlsx"), sim::ActiveWorkbookName(*excel));
  std::string server = "pw:\\\\Server\\Projects\\Doors.xlsx*";
  EXPECT_EQ(0, std::get<int>(Addin()->Invoke(7, {server, 2, std::string()}, &message)));
  EXPECT_EQ("Sorry, we couldn't find " + server + ". Is it possible it was moved, renamed or deleted?", message);
}

}  // namespace
