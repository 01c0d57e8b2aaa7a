// The edit command: a located table's workbook opens at its range in Excel, and the
// range sent back replaces the table at its origin, turned and sized as it was.
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "app/Exports.h"
#include "app/ModuleState.h"
#include "host/msstate.h"
#include "settings/Profile.h"
#include "sim/SimOutput.h"
#include "sim/excel/SimExcel.h"
#include "tests/app/AppTestSupport.h"

namespace {

using nlohmann::json;

const std::string kFixture = QV_SOURCE_DIR "/tests/fixtures/xlsx/4_every_style.xlsx";

class EditFlowTest : public PlacedTableTest {
 protected:
  // Locates the table at the point for the edit command.
  void StartEditAt(const DPoint3d& point) {
    mdlState_startModifyCommand(Quorvelle_Reset, Quorvelle_Edit_Accept, nullptr, Quorvelle_CleanUp, "QUORVELLE EDIT",
                                "", 0, 1);
    mdlLocate_setFunction(LOCATE_POSTLOCATE, Quorvelle_Filter);
    sim::SendDataPoint(point);
    sim::PumpMessages();
  }
};

TEST_F(EditFlowTest, TheSentRangeReplacesATurnedAndScaledTableWhereItStood) {
  WriteProfileString("Quorvelle", "RotationDegree", "30");
  WriteProfileInt("Quorvelle", "CellScaleOpt", 1);
  WriteProfileString("Quorvelle", "CellDrawingUnits", "2");
  WriteProfileString("Quorvelle", "CellExcelPoints", "1");
  PlaceTable(kFixture);
  ASSERT_EQ(1u, Elements().size());
  const json before = Elements()[0];
  ASSERT_NEAR(2, before["scale"][0].get<double>(), 1e-9);
  ASSERT_NEAR(0.5, std::fabs(before["rotation"][0][1].get<double>()), 1e-9);  // sin 30

  StartEditAt(PointOn(before));
  ExcelApplicationPtr excel = sim::LastStartedExcel();
  ASSERT_NE(nullptr, excel);
  EXPECT_EQ("$A$1:$C$4", sim::SelectionOf(*excel).address);  // the table's range, ready to edit
  ASSERT_EQ("", sim::SendAsUser(*excel));
  sim::PumpMessages();

  const json after = Elements();
  ASSERT_EQ(1u, after.size()) << "the old table is gone once the new one stands";
  EXPECT_NE(before["id"], after[0]["id"]);
  EXPECT_EQ(before["origin"], after[0]["origin"]);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) {
      EXPECT_NEAR(before["rotation"][r][c].get<double>(), after[0]["rotation"][r][c].get<double>(), 1e-9);
      EXPECT_NEAR(before["scale"][c].get<double>(), after[0]["scale"][c].get<double>(), 1e-9);
    }
  EXPECT_EQ(before["members"].size(), after[0]["members"].size());
  EXPECT_EQ("default", sim::RunningCommand());
  ASSERT_TRUE(sim::Undo());  // the old table comes back with one undo of the delete
}

TEST_F(EditFlowTest, AWorkbookThatIsGoneStopsTheEditBeforeExcelStarts) {
  const std::string workbook = dir.File("Book1.xlsx");
  std::filesystem::copy_file(QV_SOURCE_DIR "/tests/fixtures/xlsx/4_every_style.xlsx", workbook);
  PlaceTable(workbook);
  const json before = Elements();
  ExcelApplicationPtr placing = sim::LastStartedExcel();
  std::filesystem::remove(workbook);
  sim::ClearOutputLog();

  StartEditAt(PointOn(before[0]));
  const std::vector<std::string> boxes = sim::OutputTexts(sim::OutputKind::AdvisoryBox);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ("Unable to update. Cannot find " + sim::ToWindowsPath(workbook) + ".\n", boxes[0]);
  EXPECT_EQ(placing, sim::LastStartedExcel());  // no Excel was started
  EXPECT_EQ(before, Elements());
  EXPECT_EQ("default", sim::RunningCommand());
}

}  // namespace
