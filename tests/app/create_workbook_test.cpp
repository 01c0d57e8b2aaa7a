// The create command with the range of a real workbook: the Excel user opens a
// fixture workbook, the companion add-in sends its used range, and a data point
// places the table.
#include <filesystem>
#include <nlohmann/json.hpp>

#include "app/Exports.h"
#include "app/ModuleState.h"
#include "host/msstate.h"
#include "sim/SimOutput.h"
#include "sim/excel/SimExcel.h"
#include "tests/app/AppTestSupport.h"

namespace {

using nlohmann::json;

using CreateWorkbookTest = CreateCommandTest;

TEST_F(CreateWorkbookTest, TheSelectedRangeOfAWorkbookIsPlacedWithItsLink) {
  StartCreate();
  ExcelApplicationPtr excel = sim::LastStartedExcel();
  std::string book = sim::ToWindowsPath(QV_SOURCE_DIR "/tests/fixtures/xlsx/4_every_style.xlsx");
  ASSERT_EQ("", sim::OpenAsUser(*excel, book));
  ASSERT_EQ("", sim::SelectAsUser(*excel, sim::ActiveSheetName(*excel), "A1:D20"));
  ASSERT_EQ("", sim::SendAsUser(*excel));
  sim::PumpMessages();
  ASSERT_NE(nullptr, pendingTableCell);
  sim::SendDataPoint({10, 20, 0});
  json elements = Elements();
  ASSERT_EQ(1u, elements.size());
  std::string linkages = elements[0]["linkages"].dump();
  EXPECT_NE(std::string::npos, linkages.find("$A$1:$D$20")) << linkages;
  EXPECT_NE(std::string::npos, linkages.find("4_every_style.xlsx")) << linkages;
  size_t texts = 0;
  for (const auto& member : elements[0]["members"]) texts += member["type"] == 17 || member["type"] == 7;
  EXPECT_EQ(80u, texts);  // every cell of A1:D20 holds a text
  EXPECT_EQ("default", sim::RunningCommand());
}

// Every fixture workbook opens, and the used range of its active sheet (what the
// add-in sends while nothing is selected) is placed, or, when it holds nothing the
// table could draw (a sheet of drawings or of formats only), said so.
TEST_F(CreateWorkbookTest, TheUsedRangeOfEveryFixtureWorkbookIsPlacedOrSaidEmpty) {
  size_t workbooks = 0, placed = 0, empty = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QV_SOURCE_DIR "/tests/fixtures/xlsx")) {
    if (entry.path().extension() != ".xlsx") continue;
    SCOPED_TRACE(entry.path().filename().string());
    ++workbooks;
    sim::ClearOutputLog();
    StartCreate();
    ExcelApplicationPtr excel = sim::LastStartedExcel();
    ASSERT_NE(nullptr, excel);
    ASSERT_EQ("", sim::OpenAsUser(*excel, sim::ToWindowsPath(entry.path().string())));
    ASSERT_EQ("", sim::SendAsUser(*excel));
    sim::PumpMessages();
    if (pendingTableCell) {
      sim::SendDataPoint({0, static_cast<double>(placed) * -1000, 0});
      ++placed;
    } else {
      EXPECT_EQ(std::vector<std::string>{"The range holds nothing to draw; no table is placed."},
                sim::OutputTexts(sim::OutputKind::Error));
      ++empty;
    }
    EXPECT_EQ("default", sim::RunningCommand());
    EXPECT_TRUE(sim::OutputTexts(sim::OutputKind::HostMessageBox).empty());
    EXPECT_TRUE(sim::OutputTexts(sim::OutputKind::AdvisoryBox).empty());
  }
  EXPECT_EQ(workbooks, placed + empty);
  EXPECT_GT(placed, 30u);
  EXPECT_EQ(placed, Elements().size());
}

}  // namespace
