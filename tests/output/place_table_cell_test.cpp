// Placing the table cell: its transform from the options and the origin, and the
// table's pictures following it.
#include <cmath>

#include "output/CQVUtiMStation.h"
#include "output/TablePictures.h"
#include "settings/OptionRotation.h"
#include "sim/SimFailures.h"
#include "tests/output/OutputTestSupport.h"

namespace {

// Where the cell puts a point of the table (points, y down): origin + rotation x
// (scale times the point), in master units.
DPoint3d CellPointOf(const nlohmann::json& cell, double x, double y) {
  const auto& o = cell["origin"];
  const auto& r = cell["rotation"];
  const auto& s = cell["scale"];
  double p[3] = {s[0].get<double>() * x, s[1].get<double>() * -y, 0};
  DPoint3d out;
  double* q[3] = {&out.x, &out.y, &out.z};
  for (int i = 0; i < 3; ++i)
    *q[i] = o[i].get<double>() + r[i][0].get<double>() * p[0] + r[i][1].get<double>() * p[1] +
            r[i][2].get<double>() * p[2];
  return out;
}

// Each picture's lower-left corner lies where the cell puts the picture's lower-left
// corner, it is as large as the cell makes it, and it is turned as the cell is.
void ExpectPicturesFollowTheCell(const nlohmann::json& dump, const CQuorvelle& table, double degrees) {
  const auto& cell = dump["elements"][0];
  const auto& rasters = dump["rasters"];
  ASSERT_EQ(rasters.size(), table.Shapes.size());
  for (size_t i = 0; i < table.Shapes.size(); ++i) {
    SCOPED_TRACE(i);
    const CAutoShape& picture = *table.Shapes[i];
    DPoint3d corner = CellPointOf(cell, picture.Left, picture.Top + picture.Height);
    const auto& raster = rasters[i];
    EXPECT_NEAR(raster["origin"][0].get<double>(), corner.x, 1e-6);
    EXPECT_NEAR(raster["origin"][1].get<double>(), corner.y, 1e-6);
    EXPECT_NEAR(raster["extent"][0].get<double>(), cell["scale"][0].get<double>() * picture.Width, 1e-9);
    EXPECT_NEAR(raster["extent"][1].get<double>(), cell["scale"][1].get<double>() * picture.Height, 1e-9);
    EXPECT_NEAR(raster["rotationDegrees"].get<double>(), degrees, 1e-9);
  }
}

void ExpectPoint(const nlohmann::json& p, double x, double y) {
  EXPECT_NEAR(p[0].get<double>(), x, 1e-9);
  EXPECT_NEAR(p[1].get<double>(), y, 1e-9);
}

}  // namespace

using PlaceTableCellTest = OutputTest;

TEST_F(PlaceTableCellTest, TableTurnedByMinusThirtyDegreesTakesItsPicturesAlong) {
  sim::NewDesignFile(dir.File("plan.dgn"));
  sim::SetUnits(1000, 10, UNIT_METRES, UNIT_MILLIMETRES);
  table.Setup.rotation = RotationFromDegrees(-30);
  table.Setup.CellDrawingUnits = 2;  // k = 2
  table.Setup.tableScale = {1.5, 0.5, 1};
  AddGrid(1, 1);
  AddPicture(10, 20, 30, 40, "a.png");
  AddPicture(50, 5, 8, 6, "b.png");
  NewTableCell();

  DPoint3d origin{100, 50, 0};
  ASSERT_EQ(CQVUtiMStation::OutputTableToDgn(table, cell, &origin, kFuncCreate), 1);
  EXPECT_EQ(cell, nullptr);

  nlohmann::json dump = Dump();
  const auto& placed = dump["elements"][0];
  ExpectPoint(placed["origin"], 100, 50);
  EXPECT_NEAR(placed["rotation"][1][0].get<double>(), std::sin(-30 * fc_pi / 180), 1e-12);
  EXPECT_NEAR(placed["rotation"][0][0].get<double>(), std::cos(-30 * fc_pi / 180), 1e-12);
  EXPECT_NEAR(placed["scale"][0].get<double>(), 3, 1e-12);
  EXPECT_NEAR(placed["scale"][1].get<double>(), 1, 1e-12);
  ExpectPicturesFollowTheCell(dump, table, -30);
}

TEST_F(PlaceTableCellTest, CellIsScaledByThePlacementScaleOfTheOptions) {
  struct Case {
    const char* name;
    int cellScaleOpt, fontScaleOpt;
    double fontDrawingUnits, fontExcelPoints, cellDrawingUnits, cellExcelPoints;
    double k;
  } cases[] = {
      {"texts of 0.69 units per point", 0, 1, 0.69, 1, 5, 1, 1},
      {"texts of 1.38 units per point", 0, 1, 1.38, 1, 5, 1, 2},
      {"cells of 2 units per point", 1, 0, 1, 1, 2, 1, 2},
      {"texts without drawing units", 1, 0, 0, 1, 2, 1, 1},
      {"sizes from the option texts", 2, 2, 1, 1, 2, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim::ResetHost();
    table.Reset();
    table.Setup.CellScaleOpt = c.cellScaleOpt;
    table.Setup.FontScaleOpt = c.fontScaleOpt;
    table.Setup.FontDrawingUnits = c.fontDrawingUnits;
    table.Setup.FontExcelPoints = c.fontExcelPoints;
    table.Setup.CellDrawingUnits = c.cellDrawingUnits;
    table.Setup.CellExcelPoints = c.cellExcelPoints;
    AddGrid(1, 1);
    // Something to draw, or no table is placed.
    table.Rows[0].Cells[0].Interior.ColorIndex = 6;
    table.Rows[0].Cells[0].Interior.Color = 0x00FFFF;
    EXPECT_NEAR(CQVUtiMStation::PlacementScale(), c.k, 1e-12);

    DPoint3d origin{0, 0, 0};
    NewTableCell();
    ASSERT_EQ(CQVUtiMStation::OutputTableToDgn(table, cell, &origin, kFuncCreate), 1);
    nlohmann::json dump = Dump();
    const auto& scale = dump["elements"][0]["scale"];
    EXPECT_NEAR(scale[0].get<double>(), c.k, 1e-12);
    EXPECT_NEAR(scale[1].get<double>(), c.k, 1e-12);
    EXPECT_NEAR(scale[2].get<double>(), 1, 1e-12);
  }
}

TEST_F(PlaceTableCellTest, DataPointOfTheCreateCommandPlacesInStorageUnitsAtAnyAngle) {
  for (double degrees : {0.0, 90.0, -30.0}) {
    SCOPED_TRACE(degrees);
    sim::ResetHost();
    sim::NewDesignFile(dir.File("plan.dgn"));
    sim::SetUnits(1000, 10, UNIT_METRES, UNIT_MILLIMETRES);
    table.Reset();
    table.Setup.rotation = RotationFromDegrees(degrees);
    table.Setup.CellDrawingUnits = 2;
    AddGrid(2, 2);
    AddPicture(10, 20, 30, 40);
    NewTableCell();
    ASSERT_EQ(CQVUtiMStation::OutputTableToDgn(table, cell, nullptr, kFuncCreate), 1);

    DPoint3d point{5000, 7000, 0};
    EXPECT_NE(CQVUtiMStation::PlaceAtDataPoint(table, cell, point), 0u);
    EXPECT_EQ(cell, nullptr);

    nlohmann::json dump = Dump();
    const auto& placed = dump["elements"][0];
    ExpectPoint(placed["origin"], 5, 7);
    EXPECT_NEAR(placed["scale"][0].get<double>(), 2, 1e-12);
    EXPECT_NEAR(placed["scale"][1].get<double>(), 2, 1e-12);
    EXPECT_NEAR(placed["scale"][2].get<double>(), 1, 1e-12);
    ExpectPicturesFollowTheCell(dump, table, degrees);
  }
}

TEST_F(PlaceTableCellTest, CellTheDesignFileRefusesGetsNoPictures) {
  AddGrid(1, 1);
  AddPicture(0, 0, 10, 10);
  NewTableCell();
  const UInt32 counter = pictureCounter;
  sim::FailOperation("mdlElmdscr_add");

  DPoint3d origin{0, 0, 0};
  EXPECT_EQ(CQVUtiMStation::OutputTableToDgn(table, cell, &origin, kFuncCreate), 0);

  EXPECT_EQ(cell, nullptr);
  nlohmann::json dump = Dump();
  EXPECT_TRUE(dump["elements"].empty());
  EXPECT_TRUE(dump["rasters"].empty());
  EXPECT_EQ(pictureCounter, counter);
}
