// The stand-in Excel as the module drives it: starting and finding it by ProgID,
// its flags and window, workbooks, sheets and ranges, document properties, add-ins,
// and the disconnection of every reference once Excel has quit.
#include <fcntl.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>

#include "automation/ComError.h"
#include "automation/ExcelObjectModel.h"
#include "platform/windows.h"
#include "sim/SimFailures.h"
#include "sim/excel/SimExcel.h"
#include "tests/TestSupport.h"

namespace {

constexpr HRESULT kClassNotRegistered = static_cast<HRESULT>(0x80040154);
constexpr HRESULT kServerExecFailure = static_cast<HRESULT>(0x80080005);
constexpr HRESULT kUnavailable = static_cast<HRESULT>(0x800401E3);
constexpr HRESULT kDisconnected = static_cast<HRESULT>(0x80010108);
constexpr HRESULT kBadIndex = static_cast<HRESULT>(0x8002000B);
constexpr HRESULT kExcelError = static_cast<HRESULT>(0x800A03EC);
constexpr HRESULT kUnexpected = static_cast<HRESULT>(0x8000FFFF);
constexpr HRESULT kInvalidArgument = static_cast<HRESULT>(0x80070057);
constexpr HRESULT kMemberNotFound = static_cast<HRESULT>(0x80020003);
constexpr HRESULT kTypeMismatch = static_cast<HRESULT>(0x80020005);
constexpr HRESULT kBadParamCount = static_cast<HRESULT>(0x8002000E);

// The automation error a call raises: its status and text; S_OK when it raised none.
struct Raised {
  HRESULT status = S_OK;
  std::string message;
};

Raised RaisedBy(const std::function<void()>& call) {
  try {
    call();
  } catch (const _com_error& e) {
    return {e.Error(), e.ErrorMessage()};
  }
  return {};
}

class ExcelStandInTest : public HostTest {
 protected:
  ExcelApplicationPtr StartExcel() {
    ExcelApplicationPtr excel;
    EXPECT_EQ(S_OK, CreateAutomationApplication("Excel.Application", &excel));
    return excel;
  }

  // A file in the test's folder, by its Windows path.
  std::string MakeFile(const std::string& relative) {
    auto path = dir.path() / relative;
    std::filesystem::create_directories(path.parent_path());
    WriteMinimalWorkbook(path);
    return sim::ToWindowsPath(path.string());
  }
};

// --- Starting and finding Excel ---

TEST_F(ExcelStandInTest, OnlyExcelsProgIdStartsAnInstance) {
  const struct {
    const char* progId;
    HRESULT status;
  } cases[] = {
      {"Excel.Application", S_OK},
      {"EXCEL.application", S_OK},
      {"Word.Application", kClassNotRegistered},
      {"Excel.Application.16", kClassNotRegistered},
      {"", kClassNotRegistered},
  };
  int started = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.progId);
    ExcelApplicationPtr excel = sim::LastStartedExcel();  // a failure must not leave an old one here
    EXPECT_EQ(c.status, CreateAutomationApplication(c.progId, &excel));
    EXPECT_EQ(c.status == S_OK, excel != nullptr);
    if (excel) ++started;
    EXPECT_EQ(started, sim::StartedExcelCount());
  }
}

TEST_F(ExcelStandInTest, AStartThatFailsGivesItsStatusAndNoInstance) {
  sim::FailOperation("CreateAutomationApplication");
  ExcelApplicationPtr excel;
  EXPECT_EQ(kServerExecFailure, CreateAutomationApplication("Excel.Application", &excel));
  EXPECT_EQ(nullptr, excel);
  EXPECT_EQ(0, sim::StartedExcelCount());
  EXPECT_NE(nullptr, StartExcel());
}

TEST_F(ExcelStandInTest, TheRunningInstanceIsTheLastStartedThatHasNotQuit) {
  ExcelApplicationPtr found;
  EXPECT_EQ(kUnavailable, GetActiveAutomationApplication("Excel.Application", &found));
  EXPECT_EQ(nullptr, found);

  auto first = StartExcel();
  auto second = StartExcel();
  EXPECT_EQ(kClassNotRegistered, GetActiveAutomationApplication("Word.Application", &found));
  ASSERT_EQ(S_OK, GetActiveAutomationApplication("excel.application", &found));
  EXPECT_EQ(second, found);

  second->Quit();
  ASSERT_EQ(S_OK, GetActiveAutomationApplication("Excel.Application", &found));
  EXPECT_EQ(first, found);
  EXPECT_EQ(std::vector<ExcelApplicationPtr>{first}, sim::RunningExcelInstances());
  EXPECT_EQ(second, sim::LastStartedExcel());

  first->Quit();
  EXPECT_EQ(kUnavailable, GetActiveAutomationApplication("Excel.Application", &found));
  EXPECT_TRUE(sim::RunningExcelInstances().empty());
}

TEST_F(ExcelStandInTest, WhatExcelLoadsAtStartIsThereWhenTheStartReturns) {
  sim::SetExcelStartup([](ExcelApplication& excel) {
    sim::SetExcelVersion(excel, "12.0");
    sim::RegisterCompanionAddin(excel);
  });
  auto excel = StartExcel();
  EXPECT_EQ("12.0", excel->Version());
  EXPECT_EQ("QuorvelleV8i", excel->COMAddIns()->Item(sim::kCompanionAddinProgId)->Description());
}

TEST_F(ExcelStandInTest, ResetEndsEveryInstanceAndForgetsTheStartup) {
  sim::SetExcelStartup([](ExcelApplication& excel) { sim::SetExcelVersion(excel, "11.0"); });
  auto excel = StartExcel();
  HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(excel->Hwnd()));
  sim::ResetExcel();
  EXPECT_EQ(kDisconnected, RaisedBy([&] { excel->Version(); }).status);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(0, sim::StartedExcelCount());
  EXPECT_EQ("16.0", StartExcel()->Version());
}

// --- Flags and window ---

TEST_F(ExcelStandInTest, FlagsReadBackAsTheModuleSetThem) {
  auto excel = StartExcel();
  EXPECT_EQ("16.0", excel->Version());
  sim::ExcelFlags flags = sim::ExcelFlagsOf(*excel);
  EXPECT_FALSE(excel->Visible());
  EXPECT_TRUE(flags.interactive && flags.displayAlerts && flags.screenUpdating);

  excel->SetVisible(true);
  excel->SetInteractive(false);
  excel->SetDisplayAlerts(false);
  excel->SetScreenUpdating(false);
  flags = sim::ExcelFlagsOf(*excel);
  EXPECT_TRUE(excel->Visible());
  EXPECT_TRUE(flags.visible);
  EXPECT_FALSE(flags.interactive || flags.displayAlerts || flags.screenUpdating);
}

TEST_F(ExcelStandInTest, TheWindowIsExcelsMainWindowAndFollowsVisible) {
  auto excel = StartExcel();
  SetLastError(1234);
  HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(excel->Hwnd()));
  EXPECT_EQ(1234u, GetLastError());  // Excel's work is done in its own process
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(window, FindWindowA("XLMAIN", nullptr));
  EXPECT_FALSE(IsWindowVisible(window));

  excel->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(excel->Hwnd(), reinterpret_cast<LONG_PTR>(window));
  excel->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(ExcelStandInTest, AnExcelThatStaysInvisibleIgnoresVisible) {
  auto excel = StartExcel();
  sim::SetExcelStaysInvisible(*excel, true);
  excel->SetVisible(true);
  EXPECT_FALSE(excel->Visible());
}

// --- Workbooks ---

TEST_F(ExcelStandInTest, NewWorkbooksAreNumberedAndTheLastIsActive) {
  auto excel = StartExcel();
  EXPECT_EQ(nullptr, excel->ActiveWorkbook());
  EXPECT_EQ(nullptr, excel->ActiveSheet());
  auto workbooks = excel->Workbooks();
  workbooks->Add();
  auto second = workbooks->Add();
  EXPECT_EQ(2, workbooks->Count());
  EXPECT_EQ("Book1", workbooks->Item(1)->Name());
  EXPECT_EQ("Book2", second->FullName());
  EXPECT_EQ("Book2", excel->ActiveWorkbook()->Name());
  EXPECT_EQ("Sheet1", excel->ActiveSheet()->Name());
  for (int index : {0, -1, 3}) EXPECT_EQ(kBadIndex, RaisedBy([&] { workbooks->Item(index); }).status) << index;
}

TEST_F(ExcelStandInTest, AnOpenedWorkbookIsNamedByItsCanonicalPath) {
  std::string path = MakeFile("Data/Report.xlsx");
  std::string dotted = sim::ToWindowsPath(dir.path().string()) + "\\Data\\Sub\\..\\Report.xlsx";
  auto excel = StartExcel();
  auto book = excel->Workbooks()->Open(dotted, 0, 0);
  EXPECT_EQ(path, book->FullName());
  EXPECT_EQ("Report.xlsx", book->Name());
  EXPECT_EQ(1, book->Sheets()->Count());
  EXPECT_EQ("Sheet1", book->Worksheets()->Item(1)->Name());
  EXPECT_EQ(path, sim::ActiveWorkbookName(*excel));
}

TEST_F(ExcelStandInTest, OpeningAnOpenWorkbookAgainSwitchesToIt) {
  std::string path = MakeFile("Data/Report.xlsx");
  auto excel = StartExcel();
  auto workbooks = excel->Workbooks();
  auto book = workbooks->Open(path, {}, {});
  workbooks->Add();
  std::string otherCase = path;
  for (char& c : otherCase) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  auto again = workbooks->Open(otherCase, {}, {});
  EXPECT_EQ(2, workbooks->Count());
  EXPECT_EQ(path, again->FullName());
  EXPECT_EQ(path, excel->ActiveWorkbook()->FullName());
}

TEST_F(ExcelStandInTest, OpenRaisesExcelsErrorForWhatCannotBeOpened) {
  MakeFile("a/Report.xlsx");
  std::string sameName = MakeFile("b/Report.xlsx");
  std::string folder = sim::ToWindowsPath(dir.path().string());
  std::string missing = folder + "\\Missing.xlsx";
  const struct {
    std::string path;
    std::string message;
  } cases[] = {
      {missing, "Sorry, we couldn't find " + missing + ". Is it possible it was moved, renamed or deleted?"},
      {folder, "Sorry, we couldn't find " + folder + ". Is it possible it was moved, renamed or deleted?"},
      {"Q:\\Book1.xlsx", "Sorry, we couldn't find Q:\\Book1.xlsx. Is it possible it was moved, renamed or deleted?"},
      {"", "Sorry, we couldn't find . Is it possible it was moved, renamed or deleted?"},
      {sameName,
       "A document with the name 'Report.xlsx' is already open. You cannot open two documents with the same name, "
       "even if the documents are in different folders.\nTo open the second document, either close the document "
       "that's currently open, or rename one of the documents."},
  };
  auto excel = StartExcel();
  auto workbooks = excel->Workbooks();
  workbooks->Open(folder + "\\a\\Report.xlsx", {}, {});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    Raised raised = RaisedBy([&] { workbooks->Open(c.path, {}, {}); });
    EXPECT_EQ(kExcelError, raised.status);
    EXPECT_EQ(c.message, raised.message);
    EXPECT_EQ(1, workbooks->Count());
  }
}

TEST_F(ExcelStandInTest, ClosingAWorkbookBringsTheOnePreviouslyActiveToTheFront) {
  std::string a = MakeFile("A.xlsx"), b = MakeFile("B.xlsx"), c = MakeFile("C.xlsx");
  auto excel = StartExcel();
  auto workbooks = excel->Workbooks();
  auto bookA = workbooks->Open(a, {}, {});
  auto bookB = workbooks->Open(b, {}, {});
  workbooks->Open(c, {}, {});
  workbooks->Open(a, {}, {});  // front to back: A, C, B

  bookA->Close({}, {}, {});
  EXPECT_EQ(c, sim::ActiveWorkbookName(*excel));
  EXPECT_EQ((std::vector<std::string>{b, c}), sim::ExcelWorkbookNames(*excel));
  EXPECT_EQ(kDisconnected, RaisedBy([&] { bookA->Name(); }).status);

  bookB->Close(false, {}, {});  // not the active one: the front stays
  EXPECT_EQ(c, sim::ActiveWorkbookName(*excel));
  excel->ActiveWorkbook()->Close({}, {}, {});
  EXPECT_EQ(0, workbooks->Count());
  EXPECT_EQ(nullptr, excel->ActiveWorkbook());
}

// --- Sheets and ranges ---

class ExcelSheetsTest : public ExcelStandInTest {
 protected:
  void SetUp() override {
    ExcelStandInTest::SetUp();
    excel = StartExcel();
    book = excel->Workbooks()->Add();
    ASSERT_TRUE(sim::AddWorksheet(*excel, "Book1", "Data"));
    ASSERT_TRUE(sim::AddWorksheet(*excel, "book1", "Archive", 0));
  }
  ExcelApplicationPtr excel;
  std::shared_ptr<ExcelWorkbook> book;
};

TEST_F(ExcelSheetsTest, SheetsAreFoundByPositionOrByNameInAnyCase) {
  auto sheets = book->Sheets();
  EXPECT_EQ(3, sheets->Count());
  EXPECT_EQ("Data", sheets->Item(2)->Name());
  EXPECT_EQ("Archive", sheets->Item("ARCHIVE")->Name());
  EXPECT_EQ(0, sheets->Item("archive")->Visible());
  EXPECT_EQ(kBadIndex, RaisedBy([&] { sheets->Item(0); }).status);
  EXPECT_EQ(kBadIndex, RaisedBy([&] { sheets->Item(4); }).status);
  EXPECT_EQ(kBadIndex, RaisedBy([&] { sheets->Item("Missing"); }).status);
  EXPECT_EQ(kBadIndex, RaisedBy([&] { sheets->Item(""); }).status);
}

TEST_F(ExcelSheetsTest, AHiddenSheetIsActivatedOnlyOnceShown) {
  auto archive = book->Worksheets()->Item("Archive");
  Raised raised = RaisedBy([&] { archive->Activate(); });
  EXPECT_EQ(kExcelError, raised.status);
  EXPECT_EQ("Activate method of Worksheet class failed", raised.message);
  EXPECT_EQ("Sheet1", sim::ActiveSheetName(*excel));

  archive->SetVisible(1);  // True, as the module writes it
  EXPECT_EQ(-1, archive->Visible());
  archive->Activate();
  EXPECT_EQ("Archive", excel->ActiveSheet()->Name());
}

TEST_F(ExcelSheetsTest, TheLastVisibleSheetCannotBeHidden) {
  auto sheet1 = book->Sheets()->Item(1);
  sheet1->SetVisible(2);  // the active sheet: the next visible one takes over
  EXPECT_EQ("Data", sim::ActiveSheetName(*excel));
  auto data = book->Sheets()->Item("Data");
  Raised raised = RaisedBy([&] { data->SetVisible(0); });
  EXPECT_EQ(kExcelError, raised.status);
  EXPECT_EQ("Unable to set the Visible property of the Worksheet class", raised.message);
  EXPECT_EQ(kExcelError, RaisedBy([&] { data->SetVisible(5); }).status);
  EXPECT_EQ(-1, data->Visible());
}

TEST_F(ExcelSheetsTest, SelectRecordsTheRangeInExcelsAbsoluteForm) {
  const struct {
    const char* cell1;
    std::optional<std::string> cell2;
    const char* address;
  } cases[] = {
      {"B3", std::nullopt, "$B$3"},
      {"$b$3:$d$9", std::nullopt, "$B$3:$D$9"},
      {"D9:B3", std::nullopt, "$B$3:$D$9"},
      {"B$3:$D9", std::nullopt, "$B$3:$D$9"},
      {"D9", "B3", "$B$3:$D$9"},
      {"B3:C4", "A7", "$A$3:$C$7"},
      {"B:D", std::nullopt, "$B:$D"},
      {"9:3", std::nullopt, "$3:$9"},
      {"A1,C3:D4", std::nullopt, "$A$1,$C$3:$D$4"},
      {"AA10:XFD1048576", std::nullopt, "$AA$10:$XFD$1048576"},
  };
  auto sheet = excel->ActiveSheet();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cell1);
    sheet->Range(c.cell1, c.cell2)->Select();
    sim::ExcelSelection selection = sim::SelectionOf(*excel);
    EXPECT_EQ(c.address, selection.address);
    EXPECT_EQ("Book1", selection.workbook);
    EXPECT_EQ("Sheet1", selection.sheet);
  }
}

TEST_F(ExcelSheetsTest, RangeRefusesWhatIsNoReference) {
  const char* alone[] = {"",    "B",    "3",   "A0", "A01", "XFE1",      "A1048577", "ABCD1", "B3:",
                         ":B3", "B3:D", "$$3", "B$", "A1,", "Sheet1!A1", "A1 B2",    "MyName"};
  const std::pair<const char*, const char*> paired[] = {{"B3", "C:D"}, {"A1,B2", "C3"}, {"A1", ""}};
  auto sheet = excel->ActiveSheet();
  auto expectRefused = [&](const char* cell1, const std::optional<std::string>& cell2) {
    SCOPED_TRACE(std::string(cell1) + " / " + cell2.value_or("-"));
    Raised raised = RaisedBy([&] { sheet->Range(cell1, cell2); });
    EXPECT_EQ(kExcelError, raised.status);
    EXPECT_EQ("Method 'Range' of object '_Worksheet' failed", raised.message);
  };
  for (const char* cell1 : alone) expectRefused(cell1, std::nullopt);
  for (const auto& [cell1, cell2] : paired) expectRefused(cell1, cell2);
}

TEST_F(ExcelSheetsTest, OnlyARangeOfTheSheetInFrontCanBeSelected) {
  auto data = book->Sheets()->Item("Data");
  auto range = data->Range("A1", std::nullopt);
  Raised raised = RaisedBy([&] { range->Select(); });
  EXPECT_EQ(kExcelError, raised.status);
  EXPECT_EQ("Select method of Range class failed", raised.message);
  data->Activate();
  range->Select();
  EXPECT_EQ("$A$1", sim::SelectionOf(*excel).address);
}

// --- Document properties ---

// Local time as the machine's time zone says, fixed for the test.
class FixedTimeZone {
 public:
  explicit FixedTimeZone(const char* tz) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    ::setenv("TZ", tz, 1);
    ::tzset();
  }
  ~FixedTimeZone() {
    if (saved_)
      ::setenv("TZ", saved_->c_str(), 1);
    else
      ::unsetenv("TZ");
    ::tzset();
  }

 private:
  std::optional<std::string> saved_;
};

TEST_F(ExcelStandInTest, LastSaveTimeIsTheDocumentsOrElseTheFilesModificationTimeInLocalTime) {
  using namespace std::chrono;
  FixedTimeZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
  const struct {
    sys_seconds written;  // UTC
    sys_seconds local;    // the same moment on the clock in Central Europe
  } cases[] = {
      {sys_days{2024y / January / 15} + 10h + 30min, sys_days{2024y / January / 15} + 11h + 30min},
      {sys_days{2024y / July / 1} + 23h + 15min + 20s, sys_days{2024y / July / 2} + 1h + 15min + 20s},
  };
  auto excel = StartExcel();
  for (const auto& c : cases) {
    std::string path = MakeFile("Saved.xlsx");
    timespec times[2] = {{c.written.time_since_epoch().count(), 0}, {c.written.time_since_epoch().count(), 0}};
    ASSERT_EQ(0, ::utimensat(AT_FDCWD, sim::ToLinuxPath(path).c_str(), times, 0));
    auto book = excel->Workbooks()->Open(path, {}, {});
    ExcelVariant saved = book->BuiltinDocumentProperty("Last Save Time");
    ASSERT_TRUE(std::holds_alternative<ExcelDate>(saved));
    double expected = duration<double, days::period>(c.local - sys_days{1899y / December / 30}).count();
    EXPECT_NEAR(expected, std::get<ExcelDate>(saved).days, 1e-9);
    book->Close({}, {}, {});
  }

  // A document that records when it was saved is taken at its word.
  std::string saved = sim::ToWindowsPath(QV_SOURCE_DIR "/tests/fixtures/xlsx/WithThreeCharts.xlsx");
  auto book = excel->Workbooks()->Open(saved, {}, {});  // modified 2008-04-03T14:07:54Z
  double expected = duration<double, days::period>(sys_days{2008y / April / 3} + 16h + 7min + 54s -
                                                   sys_days{1899y / December / 30})
                        .count();
  EXPECT_NEAR(expected, std::get<ExcelDate>(book->BuiltinDocumentProperty("Last Save Time")).days, 1e-9);
}

TEST_F(ExcelStandInTest, PropertiesWithoutAValueOrNameRaise) {
  auto excel = StartExcel();
  auto book = excel->Workbooks()->Add();
  Raised raised = RaisedBy([&] { book->BuiltinDocumentProperty("Last Save Time"); });
  EXPECT_EQ(kUnexpected, raised.status);
  EXPECT_EQ("Automation error", raised.message);
  EXPECT_EQ(kInvalidArgument, RaisedBy([&] { book->BuiltinDocumentProperty("Saved Whenever"); }).status);
}

TEST_F(ExcelStandInTest, DocumentPropertiesAreTheWorkbooksOwn) {
  using namespace std::chrono;
  auto excel = StartExcel();
  auto book = excel->Workbooks()->Open(sim::ToWindowsPath(QV_SOURCE_DIR "/tests/fixtures/xlsx/47_xlsxfill.xlsx"), {}, {});
  auto text = [&](const char* name) {
    ExcelVariant value = book->BuiltinDocumentProperty(name);
    return std::holds_alternative<std::string>(value) ? std::get<std::string>(value) : "(not a text)";
  };
  EXPECT_EQ("Owen Leibman", text("Author"));
  EXPECT_EQ("Owen Leibman", text("last author"));
  EXPECT_EQ("Microsoft Excel", text("Application Name"));
  ExcelVariant created = book->BuiltinDocumentProperty("Creation Date");  // 2021-12-09T02:49:08Z
  ASSERT_TRUE(std::holds_alternative<ExcelDate>(created));
  const double utc =
      duration<double, days::period>(sys_days{2021y / December / 9} + 2h + 49min + 8s - sys_days{1899y / December / 30})
          .count();
  EXPECT_NEAR(utc, std::get<ExcelDate>(created).days, 1.0);  // the local time of the same moment
  // A property Excel knows that the workbook leaves empty.
  EXPECT_EQ(kUnexpected, RaisedBy([&] { book->BuiltinDocumentProperty("Title"); }).status);
}

// --- The end of Excel ---

TEST_F(ExcelStandInTest, AfterQuitEveryReferenceIntoExcelIsDisconnected) {
  std::string path = MakeFile("Report.xlsx");
  auto excel = StartExcel();
  sim::RegisterCompanionAddin(*excel);
  sim::AddExcelAddIn(*excel, "Analysis ToolPak", true);
  HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(excel->Hwnd()));
  auto workbooks = excel->Workbooks();
  auto book = workbooks->Open(path, {}, {});
  auto sheets = book->Sheets();
  auto sheet = sheets->Item(1);
  auto range = sheet->Range("A1", std::nullopt);
  auto addIns = excel->AddIns();
  auto addIn = addIns->Item(1);
  auto comAddIns = excel->COMAddIns();
  auto comAddIn = comAddIns->Item(sim::kCompanionAddinProgId);
  auto object = comAddIn->Object();

  excel->Quit();
  EXPECT_TRUE(sim::ExcelQuitCalled(*excel));
  EXPECT_FALSE(IsWindow(window));

  const std::pair<const char*, std::function<void()>> calls[] = {
      {"Version", [&] { excel->Version(); }},
      {"Visible", [&] { excel->SetVisible(true); }},
      {"DisplayAlerts", [&] { excel->SetDisplayAlerts(true); }},
      {"Hwnd", [&] { excel->Hwnd(); }},
      {"Workbooks", [&] { excel->Workbooks(); }},
      {"ActiveWorkbook", [&] { excel->ActiveWorkbook(); }},
      {"Quit", [&] { excel->Quit(); }},
      {"Workbooks.Count", [&] { workbooks->Count(); }},
      {"Workbooks.Add", [&] { workbooks->Add(); }},
      {"Workbook.FullName", [&] { book->FullName(); }},
      {"Workbook.Close", [&] { book->Close({}, {}, {}); }},
      {"Workbook.BuiltinDocumentProperty", [&] { book->BuiltinDocumentProperty("Last Save Time"); }},
      {"Sheets.Item", [&] { sheets->Item("Sheet1"); }},
      {"Worksheet.Activate", [&] { sheet->Activate(); }},
      {"Range.Select", [&] { range->Select(); }},
      {"AddIn.Installed", [&] { addIn->SetInstalled(false); }},
      {"COMAddIns.Item", [&] { comAddIns->Item(sim::kCompanionAddinProgId); }},
      {"COMAddIn.Connect", [&] { comAddIn->Connect(); }},
      {"add-in object", [&] { object->Invoke(6, {1}); }},
  };
  for (const auto& [name, call] : calls) {
    SCOPED_TRACE(name);
    Raised raised = RaisedBy(call);
    EXPECT_EQ(kDisconnected, raised.status);
    EXPECT_EQ("The object invoked has disconnected from its clients.", raised.message);
  }
}

TEST_F(ExcelStandInTest, ClosingExcelsWindowEndsItWithoutQuit) {
  auto excel = StartExcel();
  HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(excel->Hwnd()));
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(sim::ExcelEnded(*excel));
  EXPECT_FALSE(sim::ExcelQuitCalled(*excel));
  EXPECT_EQ(kDisconnected, RaisedBy([&] { excel->Workbooks(); }).status);
}

// --- Add-ins ---

TEST_F(ExcelStandInTest, AnUnknownComAddInRaises) {
  auto excel = StartExcel();
  sim::RegisterCompanionAddin(*excel);
  auto comAddIns = excel->COMAddIns();
  EXPECT_EQ(1, comAddIns->Count());
  Raised raised = RaisedBy([&] { comAddIns->Item(sim::kProjectWiseAddinProgId); });
  EXPECT_EQ(kBadIndex, raised.status);
  EXPECT_EQ("Invalid index.", raised.message);
}

TEST_F(ExcelStandInTest, TheCompanionAddinsTransferRunsInItsExcel) {
  auto excel = StartExcel();
  excel->Workbooks()->Add();
  sim::RegisterCompanionAddin(*excel);
  auto addIn = excel->COMAddIns()->Item("quorvellev8i.xqvaddinms");
  EXPECT_TRUE(addIn->Connect());
  auto object = addIn->Object();
  ASSERT_NE(nullptr, object);
  // Its own transfer needs the module's window to send to.
  Raised noWindow = RaisedBy([&] { object->Invoke(6, {1}); });
  EXPECT_EQ(kExcelError, noWindow.status);
  EXPECT_EQ("The Quorvelle window to send the range to is not open.", noWindow.message);

  std::vector<std::string> calls;
  sim::SetExcelTransfer(*excel, [&](ExcelApplication& in, int rangeSelected) {
    calls.push_back(in.ActiveWorkbook()->Name() + " " + std::to_string(rangeSelected));
  });
  object->Invoke(6, {1});
  object->Invoke(6, {0});
  EXPECT_EQ((std::vector<std::string>{"Book1 1", "Book1 0"}), calls);

  const struct {
    int dispid;
    std::vector<ExcelVariant> arguments;
    HRESULT status;
  } refused[] = {
      {6, {}, kBadParamCount},
      {6, {1, 2}, kBadParamCount},
      {6, {std::string("1")}, kTypeMismatch},
      {5, {1}, kMemberNotFound},
      {7, {std::string("pw:\\a*")}, kBadParamCount},
  };
  for (const auto& c : refused) EXPECT_EQ(c.status, RaisedBy([&] { object->Invoke(c.dispid, c.arguments); }).status);
  EXPECT_EQ(2u, calls.size());
}

TEST_F(ExcelStandInTest, AComAddInHandsOutItsObjectOnlyWhileConnected) {
  auto excel = StartExcel();
  sim::RegisterCompanionAddin(*excel, false);
  auto addIn = excel->COMAddIns()->Item(sim::kCompanionAddinProgId);
  EXPECT_EQ(nullptr, addIn->Object());
  addIn->SetConnect(true);
  EXPECT_NE(nullptr, addIn->Object());
  EXPECT_TRUE(sim::ComAddInsOf(*excel).at(0).connect);

  sim::AddComAddIn(*excel, {"Other.Connect", "Other", true, nullptr});
  EXPECT_EQ(nullptr, excel->COMAddIns()->Item("Other.Connect")->Object());
}

TEST_F(ExcelStandInTest, TheProjectWiseComponentReportsAndOpensServerDocuments) {
  std::string copy = MakeFile("pwcopy/Plan.xlsx");
  auto excel = StartExcel();
  sim::RegisterProjectWiseAddin(*excel,
                                {"pw:\\\\Server\\Plans\\Plan.xlsx*", {{"pw:\\\\Server\\Plans\\Plan.xlsx*", copy}}});
  auto object = excel->COMAddIns()->Item(sim::kProjectWiseAddinProgId)->Object();
  ASSERT_NE(nullptr, object);
  EXPECT_EQ(nullptr, object->QueryInterface("{00000000-0000-0000-0000-000000000001}"));
  auto component = object->QueryInterface(sim::kProjectWiseInterfaceId);
  ASSERT_NE(nullptr, component);
  EXPECT_EQ("pw:\\\\Server\\Plans\\Plan.xlsx*", std::get<std::string>(component->Invoke(4, {})));

  std::string message = "unchanged";
  EXPECT_EQ(1, std::get<int>(component->Invoke(1, {std::string("PW:\\\\server\\plans\\plan.xlsx*"), 0}, &message)));
  EXPECT_EQ("", message);
  EXPECT_EQ(copy, sim::ActiveWorkbookName(*excel));
  EXPECT_EQ(0, std::get<int>(component->Invoke(1, {std::string("pw:\\\\Server\\Other.xlsx*"), 0}, &message)));
  EXPECT_EQ("The document pw:\\\\Server\\Other.xlsx* does not exist on the server.", message);
}

TEST_F(ExcelStandInTest, ExcelAddInsCountTheirInstalledWrites) {
  auto excel = StartExcel();
  sim::AddExcelAddIn(*excel, "Solver", true);
  sim::AddExcelAddIn(*excel, "Euro Tools", false);
  auto addIns = excel->AddIns();
  EXPECT_EQ(2, addIns->Count());
  auto solver = addIns->Item(1);
  solver->SetInstalled(false);
  solver->SetInstalled(true);
  EXPECT_FALSE(addIns->Item(2)->Installed());
  EXPECT_EQ(kBadIndex, RaisedBy([&] { addIns->Item(3); }).status);
  auto info = sim::AddInsOf(*excel);
  EXPECT_TRUE(info[0].installed);
  EXPECT_EQ(2, info[0].installedWrites);
  EXPECT_EQ(0, info[1].installedWrites);
}

// --- The person at the keyboard ---

TEST_F(ExcelStandInTest, TheUserWorksOnlyInAnExcelOnTheScreenThatTakesInput) {
  std::string path = MakeFile("Report.xlsx");
  auto excel = StartExcel();
  EXPECT_EQ("Excel is not on the screen.", sim::OpenAsUser(*excel, path));
  excel->SetVisible(true);
  excel->SetInteractive(false);
  EXPECT_EQ("Excel does not respond to the keyboard or the mouse.", sim::OpenAsUser(*excel, path));
  excel->SetInteractive(true);

  EXPECT_EQ("", sim::OpenAsUser(*excel, path));
  EXPECT_EQ("", sim::SelectAsUser(*excel, "sheet1", "c2:a1"));
  EXPECT_EQ("Reference isn't valid.", sim::SelectAsUser(*excel, "Sheet1", "C2:"));
  EXPECT_EQ("There is no sheet 'Other' to select.", sim::SelectAsUser(*excel, "Other", "A1"));
  sim::ExcelSelection selection = sim::SelectionOf(*excel);
  EXPECT_EQ(path, selection.workbook);
  EXPECT_EQ("$A$1:$C$2", selection.address);
  EXPECT_NE("", sim::OpenAsUser(*excel, path + ".missing"));
}

}  // namespace
