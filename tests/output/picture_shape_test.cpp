// Pictures of a table: attaching one as a raster, naming the pictures after the
// placed cell, and detaching the pictures of a replaced table.
#include <cstdio>
#include <filesystem>

#include "host/msraster.h"
#include "output/CQVUtiMStation.h"
#include "output/TablePictures.h"
#include "sim/SimFailures.h"
#include "support/TextConvert.h"
#include "tests/output/OutputTestSupport.h"

namespace {

std::string Hex(unsigned long long value) {
  char text[32];
  std::snprintf(text, sizeof text, "%llX", value);
  return text;
}

std::vector<std::string> RasterNames() {
  std::vector<std::string> names;
  nlohmann::json dump = Dump();
  for (const auto& r : dump["rasters"]) names.push_back(r["name"].get<std::string>());
  return names;
}

}  // namespace

class PictureShapeTest : public OutputTest {
 protected:
  void SetUp() override {
    OutputTest::SetUp();
    sim::NewDesignFile(dir.File("plan.dgn"));
    sim::SetUnits(1000, 10, UNIT_METRES, UNIT_MILLIMETRES);
  }
};

TEST_F(PictureShapeTest, AttachedRelativeToTheDesignFileAtItsPlaceInTheTable) {
  std::filesystem::create_directories(dir.path() / "pics");
  CPictureShape* picture = AddPicture(10, 20, 30, 40, "pics/p.png");
  table.Setup.CellDrawingUnits = 2;
  table.Setup.tableScale = {1.5, 0.5, 1};
  sim::ClearOutputLog();

  ASSERT_EQ(picture->Draw(nullptr), 1);

  EXPECT_EQ(picture->FilePath, ".\\pics\\p.png");
  ASSERT_NE(picture->Raster(), nullptr);
  RasterRenderingInfo rendering;
  ASSERT_EQ(mdlRaster_renderingInfoGet(&rendering, picture->Raster()), SUCCESS);
  EXPECT_EQ(rendering.viewMask & 0xFF, 0xFFu);
  EXPECT_EQ(rendering.displayOn, 1);
  EXPECT_EQ(rendering.printOn, 1);
  RasterGeoReferenceInfo geo;
  ASSERT_EQ(mdlRaster_geoReferenceInfoGet(&geo, picture->Raster()), SUCCESS);
  EXPECT_DOUBLE_EQ(geo.origin.x, 1000 * 2 * 10 * 1.5);
  EXPECT_DOUBLE_EQ(geo.origin.y, 1000 * 2 * -(20 + 40) * 0.5);
  EXPECT_EQ(geo.extent.x, 0);
  EXPECT_EQ(geo.extent.y, 0);
  const auto& log = sim::OutputLog();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].kind, sim::OutputKind::MessageCenter);
  EXPECT_EQ(log[0].text, "Raster attached");
}

TEST_F(PictureShapeTest, PictureOnAnotherDriveKeepsItsFullPath) {
  std::filesystem::create_directories(dir.path() / "d");
  ASSERT_TRUE(sim::MapDrive('D', (dir.path() / "d").string()));
  CPictureShape* picture = AddPicture(0, 0, 10, 10, "d/p.png");
  ASSERT_EQ(picture->FilePath.substr(0, 2), "D:");
  const std::string full = picture->FilePath;
  EXPECT_EQ(picture->Draw(nullptr), 1);
  EXPECT_EQ(picture->FilePath, full);
  EXPECT_NE(picture->Raster(), nullptr);
  sim::UnmapDrive('D');
}

TEST_F(PictureShapeTest, PicturesNotImportedOrNotAttachable) {
  enum class File { Written, Missing, None };
  struct Case {
    const char* name;
    int shapeType;
    int importObj;
    File file;
    double width, height;
    bool openFails;
    bool withCell;
    int result;
    bool attached;
    const char* message;  // in the message centre, or none
    int alert;
  } cases[] = {
      {"pictures not imported", kMsoPicture, 255 & ~kImportPictures, File::Written, 10, 10, false, false, 1,
       false, nullptr, 0},
      {"charts not imported", kMsoChart, 255 & ~kImportCharts, File::Written, 10, 10, false, false, 1, false,
       nullptr, 0},
      {"a chart with pictures off", kMsoChart, 255 & ~kImportPictures, File::Written, 10, 10, false, false, 1,
       true, "Raster attached", 0},
      {"no file named", kMsoPicture, 255, File::None, 10, 10, false, false, 0, false, nullptr, 0},
      {"no width", kMsoPicture, 255, File::Written, 0, 10, false, false, 0, false, nullptr, 0},
      {"almost no height", kMsoPicture, 255, File::Written, 10, 1e-7, false, false, 0, false, nullptr, 0},
      {"file gone", kMsoPicture, 255, File::Missing, 10, 10, false, false, 0, false, "Picture file not found", 0},
      {"host refuses the file", kMsoPicture, 255, File::Written, 10, 10, true, false, 0, false, "ERROR !", 1},
      {"asked to draw into the cell", kMsoPicture, 255, File::Written, 10, 10, false, true, 1, false, nullptr,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table.Reset();
    CPictureShape* picture = AddPicture(5, 5, c.width, c.height);
    picture->ShapeType = c.shapeType;
    table.Setup.ImportObj = c.importObj;
    if (c.file == File::None) picture->FilePath.clear();
    if (c.file == File::Missing) picture->FilePath = sim::ToWindowsPath(dir.File("gone.png"));
    if (c.openFails) sim::FailOperation("mdlRaster_fileOpen");
    if (c.withCell) NewTableCell();
    sim::ClearOutputLog();
    const size_t rastersBefore = Dump()["rasters"].size();

    EXPECT_EQ(picture->Draw(cell), c.result);

    EXPECT_EQ(picture->Raster() != nullptr, c.attached);
    EXPECT_EQ(Dump()["rasters"].size(), rastersBefore + (c.attached ? 1 : 0));
    const auto& log = sim::OutputLog();
    if (c.message) {
      ASSERT_EQ(log.size(), 1u);
      EXPECT_EQ(log[0].kind, sim::OutputKind::MessageCenter);
      EXPECT_EQ(log[0].text, c.message);
      EXPECT_EQ(log[0].answer, c.alert);
    } else {
      EXPECT_TRUE(log.empty());
    }
    if (c.withCell) {
      EXPECT_EQ(cell->h.firstElem, nullptr);
    }
    mdlElmdscr_freeAll(&cell);
    sim::ClearFailures();
  }
}

TEST_F(PictureShapeTest, NamedAfterTheirCellAndNumberedOnAcrossTables) {
  WritePng(dir.File("p.png"));
  // Places a table of one cell with that many pictures; its cell's identifier in hexadecimal.
  auto place = [&](int pictures) {
    CQuorvelle next;
    currentOptionSet = &next.Setup;
    next.Rows.resize(1);
    next.Rows[0].Cells.resize(1);
    for (int i = 0; i < pictures; ++i) {
      auto picture = std::make_unique<CPictureShape>();
      picture->Left = 20.0 * i;
      picture->Width = picture->Height = 10;
      picture->FilePath = sim::ToWindowsPath(dir.File("p.png"));
      next.AddShape(std::move(picture));
    }
    NewTableCell();
    DPoint3d origin{0, 0, 0};
    EXPECT_EQ(CQVUtiMStation::OutputTableToDgn(next, cell, &origin, kFuncCreate), 1);
    nlohmann::json dump = Dump();
    return Hex(dump["elements"].back()["id"].get<unsigned long long>());
  };

  pictureCounter = 0;  // as the module has it when loaded
  const std::string first = place(2);
  const std::string second = place(1);
  pictureCounter = 0x2A;
  const std::string third = place(1);

  EXPECT_EQ(RasterNames(), (std::vector<std::string>{first + "_0", first + "_1", second + "_2", third + "_2A"}));
  EXPECT_EQ(pictureCounter, 0x2Bu);
}

TEST_F(PictureShapeTest, DetachingTakesOnlyThePicturesOfThatTable) {
  WritePng(dir.File("p.png"));
  const std::string file = sim::ToWindowsPath(dir.File("p.png"));
  auto attach = [&](const char16_t* name) {
    DgnRasterP raster = nullptr;
    ASSERT_EQ(mdlRaster_fileOpen(&raster, file.c_str(), mdlModelRef_getActive()), SUCCESS);
    RasterExtendedInfo info;
    std::u16string(name).copy(info.logicalName, 63);
    mdlRaster_extendedInfoSet(&info, raster, RASTER_EXTINFO_ALL);
  };
  for (const char16_t* name : {u"1A_0", u"1a_1", u"1A3_2", u"1A", u"B7_3", u"B7_4"}) attach(name);

  DetachTablePictures("", 0x1A);
  EXPECT_EQ(RasterNames(), (std::vector<std::string>{"1A3_2", "1A", "B7_3", "B7_4"}));

  DetachTablePictures(std::string(23, 'B'), 0);
  EXPECT_EQ(RasterNames().size(), 4u);

  DetachTablePictures("b7", 0x1A3);
  EXPECT_EQ(RasterNames(), (std::vector<std::string>{"1A3_2", "1A"}));
}
