// The module's Excel connection against the stand-in Excel: starting, finding and
// releasing Excel, opening workbooks without duplicates, sheets and ranges, document
// properties, Excel's version, cell addresses, and how each kind of failure is told.
#include "excel/ExcelUtils.h"

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/msgbox.h"
#include "platform/windows.h"
#include "sim/SimFailures.h"
#include "sim/SimOutput.h"
#include "sim/excel/SimExcel.h"
#include "sim/platform/SimPlatform.h"
#include "tests/TestSupport.h"

namespace {

using sim::OutputKind;

constexpr char kExcelErrorReport[] = "\nExcelUtils(482): OLE Execption caught: SCODE = 800a03ec";

class ExcelUtilsTest : public HostTest {
 protected:
  void TearDown() override {
    ExcelUtils::ReleaseExcel();
    HostTest::TearDown();
  }

  // A workbook file in the test's folder; its Windows path.
  std::string Workbook(const std::string& relative) {
    const auto path = dir.path() / relative;
    std::filesystem::create_directories(path.parent_path());
    WriteMinimalWorkbook(path);
    return sim::ToWindowsPath(path.string());
  }

  // The Excel a person started before the module looks for one.
  static ExcelApplicationPtr UsersExcel() {
    ExcelApplicationPtr excel;
    EXPECT_EQ(S_OK, CreateAutomationApplication("Excel.Application", &excel));
    return excel;
  }

  static std::vector<std::string> Boxes() { return sim::OutputTexts(OutputKind::WindowsMessageBox); }
};

TEST_F(ExcelUtilsTest, CellAddressesAreAbsoluteWithOneOrTwoLetters) {
  struct Case {
    int row, column;
    const char* address;
  };
  const Case cases[] = {{1, 1, "$A$1"}, {10, 26, "$Z$10"}, {3, 27, "$AA$3"}, {5, 28, "$AB$5"}, {7, 702, "$ZZ$7"}};
  for (const Case& c : cases) EXPECT_EQ(c.address, ExcelUtils::CellAddress(c.row, c.column));
  EXPECT_TRUE(Boxes().empty());

  // No address for a cell that is not on a sheet: the user is told.
  EXPECT_EQ("", ExcelUtils::CellAddress(0, 5));
  EXPECT_EQ("", ExcelUtils::CellAddress(4, -1));
  EXPECT_EQ("", ExcelUtils::CellAddress(1, 703));  // letters beyond ZZ
  const std::vector<std::string> expected = {"The row index and column index should be a positive number.",
                                             "The row index and column index should be a positive number.",
                                             "The column index should be at most 702 (column ZZ)."};
  EXPECT_EQ(expected, Boxes());
}

TEST_F(ExcelUtilsTest, RangeAddressesAreReadCellByCell) {
  struct Case {
    const char* address;
    bool startRead;
    int startRow, startColumn;
    bool endRead;
    int endRow, endColumn;
  };
  // -1: left as it was.
  const Case layout[] = {
      {"$B$3:$D$9", true, 3, 2, true, 9, 4},  {"$B$3", true, 3, 2, false, -1, -1},
      {"$AB$12", true, 12, 28, false, -1, -1}, {"$5:$7", false, 5, -1, false, 7, -1},
      {"$A$1:$ZZ$1048576", true, 1, 1, true, 1048576, 702},
      {"", false, -1, -1, false, -1, -1},     {"B3:D9", false, -1, -1, false, -1, -1},
      {"$b$3:$d$9", false, -1, -1, false, -1, -1},  // upper-case letters only
      {"$B$3:D9", true, 3, 2, false, -1, -1}, {"$B$0", false, -1, -1, false, -1, -1},
      {"$B$1048577", false, -1, -1, false, -1, -1}, {"$B$99999999999999999999", false, -1, -1, false, -1, -1},
      {"$AB12", false, -1, -1, false, -1, -1}, {"$B$", false, -1, -1, false, -1, -1},
      {"$B$3:", true, 3, 2, false, -1, -1},
  };
  for (const Case& c : layout) {
    SCOPED_TRACE(c.address);
    int row = -1, column = -1;
    EXPECT_EQ(c.startRead ? 1 : 0, ExcelUtils::ParseRangeStart(c.address, &row, &column));
    EXPECT_EQ(c.startRow, row);
    EXPECT_EQ(c.startColumn, column);
    row = column = -1;
    EXPECT_EQ(c.endRead ? 1 : 0, ExcelUtils::ParseRangeEnd(c.address, &row, &column));
    EXPECT_EQ(c.endRow, row);
    EXPECT_EQ(c.endColumn, column);
  }

  // The reading of border processing takes either case and has no whole rows.
  int row = -1, column = -1;
  EXPECT_EQ(1, ExcelUtils::ParseRangeStart("$ab$12:$ac$13", &row, &column, AddressReading::Borders));
  EXPECT_EQ(12, row);
  EXPECT_EQ(28, column);
  row = column = -1;
  EXPECT_EQ(0, ExcelUtils::ParseRangeStart("$5:$7", &row, &column, AddressReading::Borders));
  EXPECT_EQ(-1, row);
}

TEST_F(ExcelUtilsTest, AWorkbookOpenUnderItsFullNameIsReusedOneOfTheSameNameIsRefused) {
  const std::string first = Workbook("a/Book1.xlsx");
  const std::string second = Workbook("b/Book1.xlsx");
  ASSERT_EQ(1, ExcelUtils::StartExcel(false));
  ASSERT_EQ(1, ExcelUtils::OpenWorkbook(second));
  ASSERT_TRUE(ExcelUtils::CurrentWorkbook());
  EXPECT_EQ(second, ExcelUtils::CurrentWorkbook()->FullName());

  // Excel cannot hold two workbooks of one file name: the user is told, nothing opens.
  EXPECT_EQ(0, ExcelUtils::OpenWorkbook(first));
  const std::vector<std::string> refused = {
      "A document with the name 'Book1.xlsx' is already open. You cannot open two documents with the same name, even "
      "if the documents are in different folders.\nTo open the second document, either close the document that's "
      "currently open, or rename one of the documents."};
  EXPECT_EQ(refused, Boxes());
  EXPECT_EQ(second, ExcelUtils::CurrentWorkbook()->FullName());
  EXPECT_EQ(1, ExcelUtils::Application()->Workbooks()->Count());

  // The same workbook named in other letters, or through other folders, is the open one.
  sim::ClearOutputLog();
  std::string shouted = second;
  for (char& c : shouted) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  const std::string roundabout = second.substr(0, second.rfind('\\')) + "\\..\\b\\Book1.xlsx";
  for (const std::string& path : {shouted, roundabout}) {
    SCOPED_TRACE(path);
    ExcelUtils::AddWorkbook();  // another workbook becomes current meanwhile
    EXPECT_EQ(1, ExcelUtils::OpenWorkbook(path));
    EXPECT_EQ(second, ExcelUtils::CurrentWorkbook()->FullName());
  }
  EXPECT_EQ(3, ExcelUtils::Application()->Workbooks()->Count());  // the two added ones and Book1
  EXPECT_TRUE(Boxes().empty());

  EXPECT_EQ(0, ExcelUtils::OpenWorkbook(""));
}

TEST_F(ExcelUtilsTest, ExcelsOwnFailuresAreReportedFailuresOfTheCallAreNot) {
  ASSERT_EQ(1, ExcelUtils::StartExcel(false));
  // Excel's own failure: the system has no text for Excel's code, so the fallback names it.
  EXPECT_EQ(0, ExcelUtils::OpenWorkbook(sim::ToWindowsPath(dir.File("missing.xlsx"))));
  EXPECT_EQ(std::vector<std::string>{kExcelErrorReport}, Boxes());
  EXPECT_EQ(MB_OK | MB_ICONINFORMATION, static_cast<UINT>(sim::OutputLog().back().code));
  EXPECT_FALSE(ExcelUtils::CurrentWorkbook());

  // Excel gone: every call fails in silence, and what was current stays.
  const std::string path = Workbook("Plan.xlsx");
  ASSERT_EQ(1, ExcelUtils::OpenWorkbook(path));
  ExcelUtils::Application()->Quit();
  sim::ClearOutputLog();
  EXPECT_EQ(0, ExcelUtils::OpenWorkbook(Workbook("Other.xlsx")));
  EXPECT_EQ(0, ExcelUtils::AddWorkbook());
  EXPECT_EQ(0, ExcelUtils::EnsureWorkbook());
  EXPECT_EQ(0, ExcelUtils::ActivateWorksheet("Sheet1"));
  EXPECT_TRUE(Boxes().empty());
  EXPECT_TRUE(ExcelUtils::CurrentWorkbook());

  // A failure to create Excel: the system's text of the status.
  sim::FailOperation("CreateAutomationApplication");
  EXPECT_EQ(0, ExcelUtils::StartExcel(true));
  EXPECT_EQ(std::vector<std::string>{"Server execution failed\r\n"}, Boxes());
  EXPECT_FALSE(ExcelUtils::Application());
  EXPECT_FALSE(ExcelUtils::CurrentWorkbook());  // a start lets go of the Excel before
}

TEST_F(ExcelUtilsTest, AttachingFindsTheRunningExcel) {
  // None runs: no message.
  EXPECT_EQ(0, ExcelUtils::AttachExcel(true));
  EXPECT_TRUE(sim::OutputLog().empty());

  ExcelApplicationPtr excel = UsersExcel();
  const std::string path = Workbook("Schedule.xlsx");
  excel->Workbooks()->Open(path, {}, {});
  ASSERT_EQ(1, ExcelUtils::AttachExcel(false));
  EXPECT_EQ(excel, ExcelUtils::Application());
  EXPECT_EQ(16, ExcelUtils::ExcelVersion());
  EXPECT_EQ(path, ExcelUtils::CurrentWorkbook()->FullName());
  EXPECT_EQ("Sheet1", ExcelUtils::CurrentWorksheet()->Name());
  EXPECT_FALSE(sim::ExcelFlagsOf(*excel).visible);

  // With a path the attach stands whether the workbook opened or not: the caller
  // looks at the current workbook, which a failed open leaves empty.
  const std::string missing = sim::ToWindowsPath(dir.File("gone.xlsx"));
  EXPECT_EQ(1, ExcelUtils::AttachExcel(true, &missing));
  EXPECT_TRUE(sim::ExcelFlagsOf(*excel).visible);
  EXPECT_FALSE(ExcelUtils::CurrentWorkbook());
  EXPECT_EQ(std::vector<std::string>{kExcelErrorReport}, Boxes());
  const std::string other = Workbook("Other.xlsx");
  EXPECT_EQ(1, ExcelUtils::AttachExcel(true, &other));
  EXPECT_EQ(other, ExcelUtils::CurrentWorkbook()->FullName());
  EXPECT_EQ(1, sim::StartedExcelCount());
}

TEST_F(ExcelUtilsTest, TheVersionComesFromTheRunningExcelOrFromOneStartedAndQuitForIt) {
  sim::SetExcelStartup([](ExcelApplication& excel) { sim::SetExcelVersion(excel, "12.0"); });
  EXPECT_EQ("12.0", ExcelUtils::GetExcelVersion());
  ASSERT_EQ(1, sim::StartedExcelCount());
  EXPECT_TRUE(sim::ExcelQuitCalled(*sim::LastStartedExcel()));
  EXPECT_FALSE(ExcelUtils::Application());

  ExcelApplicationPtr excel = UsersExcel();
  sim::SetExcelVersion(*excel, "16.0");
  EXPECT_EQ("16.0", ExcelUtils::GetExcelVersion());
  EXPECT_EQ(2, sim::StartedExcelCount());
  EXPECT_FALSE(sim::ExcelQuitCalled(*excel));
}

TEST_F(ExcelUtilsTest, AVisibleStartBringsExcelToTheFrontFromVersion12) {
  for (const char* version : {"11.0", "12.0"}) {
    SCOPED_TRACE(version);
    const std::string text = version;
    sim::SetExcelStartup([text](ExcelApplication& excel) { sim::SetExcelVersion(excel, text); });
    HWND before = GetForegroundWindow();
    ASSERT_EQ(1, ExcelUtils::StartExcel(true));
    ExcelApplication& excel = *ExcelUtils::Application();
    EXPECT_TRUE(excel.Visible());
    EXPECT_EQ(sim::ExcelFlagsOf(excel).visible, true);
    HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(text == "12.0" ? excel.Hwnd() : 0));
    if (text == "12.0")
      EXPECT_EQ(window, GetForegroundWindow());
    else
      EXPECT_EQ(before, GetForegroundWindow());
  }
}

TEST_F(ExcelUtilsTest, WorkbooksSheetsAndRanges) {
  EXPECT_EQ(0, ExcelUtils::EnsureWorkbook());
  EXPECT_EQ(std::vector<std::string>{"Failed to get an instance of Excel!"}, Boxes());

  ASSERT_EQ(1, ExcelUtils::StartExcel(false));
  ASSERT_EQ(1, ExcelUtils::EnsureWorkbook());  // Excel had none: one is added
  EXPECT_EQ("Book1", ExcelUtils::CurrentWorkbook()->FullName());
  EXPECT_EQ("Sheet1", ExcelUtils::CurrentWorksheet()->Name());

  const std::string path = Workbook("Doors.xlsx");
  ExcelApplication& excel = *ExcelUtils::Application();
  ASSERT_EQ(1, ExcelUtils::OpenWorkbook(path));
  ASSERT_TRUE(sim::AddWorksheet(excel, path, "Hidden Doors", 0));
  EXPECT_EQ(0, ExcelUtils::ActivateWorksheet("Windows"));
  EXPECT_EQ(0, ExcelUtils::ActivateWorksheet(""));
  ASSERT_EQ(1, ExcelUtils::ActivateWorksheet("hidden doors"));
  EXPECT_EQ("Hidden Doors", sim::ActiveSheetName(excel));
  EXPECT_EQ(-1, ExcelUtils::CurrentWorksheet()->Visible());

  sim::ClearOutputLog();
  ASSERT_EQ(1, ExcelUtils::OpenAndSelect(path, "Sheet1", "$B$3:$D$9"));
  sim::ExcelSelection selection = sim::SelectionOf(excel);
  EXPECT_EQ(path, selection.workbook);
  EXPECT_EQ("Sheet1", selection.sheet);
  EXPECT_EQ("$B$3:$D$9", selection.address);
  EXPECT_EQ(1, ExcelUtils::OpenAndSelect(path, "", "$Z$1"));  // no sheet: nothing selected
  EXPECT_EQ("$B$3:$D$9", sim::SelectionOf(excel).address);
  EXPECT_EQ(0, ExcelUtils::OpenAndSelect(path, "Nowhere", "$A$1"));
  EXPECT_EQ(0, ExcelUtils::OpenAndSelect("", "Sheet1", "$A$1"));
  EXPECT_TRUE(Boxes().empty());
  // A range Excel cannot select is Excel's own failure.
  EXPECT_EQ(0, ExcelUtils::OpenAndSelect(path, "Sheet1", "not a range"));
  EXPECT_EQ(std::vector<std::string>{kExcelErrorReport}, Boxes());
}

TEST_F(ExcelUtilsTest, DocumentPropertiesAreReadOrQuietlyNot) {
  ASSERT_EQ(1, ExcelUtils::StartExcel(false));
  ASSERT_EQ(1, ExcelUtils::OpenWorkbook(sim::ToWindowsPath(QV_SOURCE_DIR "/tests/fixtures/xlsx/47_xlsxfill.xlsx")));
  ExcelWorkbook& book = *ExcelUtils::CurrentWorkbook();
  ExcelVariant value;
  ASSERT_EQ(1, ExcelUtils::GetDocumentProperty(book, "Author", &value));
  EXPECT_EQ("Owen Leibman", std::get<std::string>(value));
  ASSERT_EQ(1, ExcelUtils::GetDocumentProperty(book, "Last Save Time", &value));
  EXPECT_TRUE(std::holds_alternative<ExcelDate>(value));
  EXPECT_EQ(0, ExcelUtils::GetDocumentProperty(book, "Title", &value));          // none in the workbook
  EXPECT_EQ(0, ExcelUtils::GetDocumentProperty(book, "Saved Whenever", &value));  // no such property
  ExcelUtils::Application()->Quit();
  EXPECT_EQ(0, ExcelUtils::GetDocumentProperty(book, "Author", &value));  // Excel gone
  EXPECT_TRUE(sim::OutputLog().empty());
}

TEST_F(ExcelUtilsTest, ReleasingLetsGoWithoutClosingAnything) {
  ASSERT_EQ(1, ExcelUtils::StartExcel(false));
  ASSERT_EQ(1, ExcelUtils::OpenWorkbook(Workbook("Kept.xlsx")));
  ExcelApplicationPtr excel = ExcelUtils::Application();
  ExcelUtils::ReleaseExcel();
  EXPECT_FALSE(ExcelUtils::Application());
  EXPECT_FALSE(ExcelUtils::CurrentWorkbook());
  EXPECT_EQ(0, ExcelUtils::ExcelVersion());
  EXPECT_FALSE(sim::ExcelEnded(*excel));
  EXPECT_EQ(1u, sim::ExcelWorkbookNames(*excel).size());
}

}  // namespace
