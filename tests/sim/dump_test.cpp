// The JSON dump of a design file, and raster attachments.
#include <fstream>
#include <nlohmann/json.hpp>

#include "host/mselmdscr.h"
#include "host/mslinkage.h"
#include "host/msmodel.h"
#include "host/msraster.h"
#include "host/mstext.h"
#include "host/msxattr.h"
#include "tests/TestSupport.h"
#include "tests/sim/SimTestHelpers.h"

namespace {

using nlohmann::json;

class DumpTest : public HostTest {};

TEST_F(DumpTest, ShowsUnitsLevelsAndEveryElementKindInMasterUnits) {
  sim::SetUnits(1000, 12, UNIT_FEET, UNIT_INCHES);
  LevelID level = sim::AddLevel(u"Text");
  mdlCurrTrans_begin();
  mdlCurrTrans_masterUnitsIdentity(0);
  MSElement header, el;
  mdlCell_create(&header, u"Cell_Quorvelle", nullptr, 0);
  mdlLinkage_appendStringLinkage(&header, 4, u"Z:\\tmp\\Book1.xlsx");
  MSElementDescr* cell = nullptr;
  mdlElmdscr_new(&cell, nullptr, &header);
  DPoint3d box[5] = {{0, 0, 0}, {2, 0, 0}, {2, -1, 0}, {0, -1, 0}, {0, 0, 0}};
  mdlShape_create(&el, nullptr, box, 5, 1);
  UInt32 colour = 5;
  mdlElement_setSymbology(&el, &colour, nullptr, nullptr);
  mdlElmdscr_appendElement(cell, &el);
  DPoint3d centre{1, 1, 0};
  mdlArc_create(&el, nullptr, &centre, 0.5, 0.25, nullptr, 0, fc_pi / 2);
  mdlElmdscr_appendElement(cell, &el);
  TextSizeParam size;
  size.height = 0.2;
  size.width = 0.18;
  TextParamWide params;
  params.just = TXTJUST_CC;
  params.exFlags = TXTEXFLAG_BOLD;
  RotMatrix up;
  mdlRMatrix_fromAngle(&up, fc_pi / 2);
  DPoint3d origin{1, -0.5, 0};
  mdlText_createWide(&el, nullptr, u"\u00C9t\u00E9", &origin, &up, &size, &params, nullptr, nullptr);
  mdlElement_setProperties(&el, &level, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  mdlElmdscr_appendElement(cell, &el);
  ULong pos = mdlElmdscr_add(cell);
  mdlElmdscr_freeAll(&cell);
  mdlCurrTrans_end();
  ElementRef ref = dgnCache_findElemByFilePos(mdlModelRef_getCache(mdlModelRef_getActive()), pos);
  {
    EditElemHandle edit(ref, mdlModelRef_getActive());
    char data[2088] = {};
    edit.ScheduleWriteXAttribute(XAttributeHandlerId(3900, 0), 0, sizeof data, data);
    edit.ReplaceInModel(ref);
  }

  json d = json::parse(sim::DumpDesignFile());
  EXPECT_EQ(1000, d["units"]["uorPerMaster"]);
  EXPECT_EQ(12, d["units"]["subPerMaster"]);
  EXPECT_EQ("ft", d["units"]["masterUnit"]);
  EXPECT_EQ("Text", d["levels"][1]["name"]);
  EXPECT_EQ(LEVEL_DEFAULT_LEVEL_ID, d["activeLevel"]);
  ASSERT_EQ(1u, d["elements"].size());
  const json& c = d["elements"][0];
  EXPECT_EQ(pos, c["filePos"]);
  EXPECT_EQ(CELL_HEADER_ELM, c["type"]);
  EXPECT_EQ("Cell_Quorvelle", c["name"]);
  EXPECT_EQ((json{{{"key", 4}, {"text", "Z:\\tmp\\Book1.xlsx"}}}), c["linkages"]);
  EXPECT_EQ((json{{{"handler", 3900}, {"minor", 0}, {"id", 0}, {"size", 2088}}}), c["xattributes"]);
  const json& shape = c["members"][0];
  EXPECT_EQ(SHAPE_ELM, shape["type"]);
  EXPECT_EQ(5, shape["fill"]);
  EXPECT_EQ((json{2.0, -1.0, 0.0}), shape["points"][2]);
  const json& arc = c["members"][1];
  EXPECT_EQ((json{0.5, 0.25}), arc["radii"]);
  EXPECT_DOUBLE_EQ(fc_pi / 2, arc["sweep"].get<double>());
  const json& text = c["members"][2];
  EXPECT_EQ("\u00C9t\u00E9", text["text"]);
  EXPECT_EQ(level, text["level"]);
  EXPECT_EQ(TXTJUST_CC, text["just"]);
  EXPECT_NEAR(90, text["rotationDegrees"].get<double>(), 1e-9);
  EXPECT_NEAR(0.2, text["height"].get<double>(), 1e-12);
  EXPECT_EQ(TXTEXFLAG_BOLD, text["flags"]["exFlags"]);
}

TEST_F(DumpTest, RasterAttachmentsAreListedWhileAttached) {
  std::string png = dir.File("Picture 1.png");
  std::ofstream(png) << "png";
  sim::NewDesignFile(dir.File("r.dgn"));
  DgnRasterP raster = nullptr;
  EXPECT_NE(SUCCESS, mdlRaster_fileOpen(&raster, "Z:\\no\\such\\file.png", mdlModelRef_getActive()));
  // A name relative to the design file's folder.
  ASSERT_EQ(SUCCESS, mdlRaster_fileOpen(&raster, "Picture 1.png", mdlModelRef_getActive()));
  RasterGeoReferenceInfo geo;
  ASSERT_EQ(SUCCESS, mdlRaster_geoReferenceInfoGet(&geo, raster));
  geo.origin = {20000, 10000, 0};
  geo.extent = {5000, 2500};
  geo.rotationDegrees = 30;
  ASSERT_EQ(SUCCESS, mdlRaster_geoReferenceInfoSet(&geo, raster, RASTER_GEOREF_PLACEMENT));
  ASSERT_EQ(SUCCESS, mdlRaster_geoReferenceInfoGet(&geo, raster));
  EXPECT_EQ(0, geo.rotationDegrees);  // the placement mask writes origin and extent only
  geo.rotationDegrees = 30;
  ASSERT_EQ(SUCCESS, mdlRaster_geoReferenceInfoSet(&geo, raster, RASTER_GEOREF_ROTATION));
  RasterExtendedInfo info;
  ASSERT_EQ(SUCCESS, mdlRaster_extendedInfoGet(&info, raster));
  info.mask = 3;
  std::u16string name = u"3E8_0";
  std::copy(name.begin(), name.end(), info.logicalName);
  ASSERT_EQ(SUCCESS, mdlRaster_extendedInfoSet(&info, raster, RASTER_EXTINFO_ALL));

  json d = json::parse(sim::DumpDesignFile());
  ASSERT_EQ(1u, d["rasters"].size());
  EXPECT_EQ("3E8_0", d["rasters"][0]["name"]);
  EXPECT_EQ("Picture 1.png", d["rasters"][0]["path"]);
  EXPECT_EQ((json{2.0, 1.0, 0.0}), d["rasters"][0]["origin"]);
  EXPECT_EQ(30, d["rasters"][0]["rotationDegrees"]);
  EXPECT_EQ(255, d["rasters"][0]["viewMask"]);

  MdlContainerP all = nullptr;
  ASSERT_EQ(SUCCESS, mdlRaster_systemRasterContainerGet(&all));
  MdlIteratorP it = nullptr;
  ASSERT_EQ(SUCCESS, mdlCntr_iteratorCreate(&it, all));
  int seen = 0;
  for (; mdlCntr_iteratorStateGet(it); mdlCntr_iteratorNext(it)) {
    DgnRasterP r = nullptr;
    ASSERT_EQ(SUCCESS, mdlCntr_valueGet(&r, it));
    EXPECT_EQ(raster, r);
    ++seen;
  }
  mdlCntr_iteratorDestroy(it);
  mdlCntr_release(all);
  EXPECT_EQ(1, seen);
  ASSERT_EQ(SUCCESS, mdlRaster_fileClose(raster));
  EXPECT_NE(SUCCESS, mdlRaster_extendedInfoGet(&info, raster));
  EXPECT_TRUE(json::parse(sim::DumpDesignFile())["rasters"].empty());
}

}  // namespace
