#include "output/CPictureShape.h"

#include "host/msmodel.h"
#include "host/msoutput.h"
#include "host/msview.h"
#include "output/OutputTexts.h"
#include "output/StorageUnits.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "settings/QuorvelleSetup.h"

namespace {

constexpr UInt32 kViewsOneToEight = 0xFF;
constexpr UInt32 kAllRenderingFields = 0xFFFFFFFF;

}  // namespace

int CPictureShape::Draw(MSElementDescr* cellDscr) {
  if (cellDscr) return 1;
  if (!currentOptionSet) return 0;
  const QuorvelleSetup& setup = *currentOptionSet;
  if (ShapeType == kMsoPicture && !(setup.ImportObj & kImportPictures)) return 1;
  if (ShapeType == kMsoChart && !(setup.ImportObj & kImportCharts)) return 1;
  if (FilePath.empty() || Width < 1e-6 || Height < 1e-6) return 0;
  if (!PathFileExistsA(FilePath.c_str())) {
    mdlOutput_messageCenter(MESSAGE_WARNING, kPictureFileMissing, FilePath.c_str(), FALSE);
    return 0;
  }
  MakePathRelativeToDesignFile();

  DgnRasterP raster = nullptr;
  if (mdlRaster_fileOpen(&raster, FilePath.c_str(), mdlModelRef_getActive()) != SUCCESS || !raster) {
    mdlOutput_messageCenter(MESSAGE_ERROR, kRasterAttachFailed, FilePath.c_str(), TRUE);
    return 0;
  }
  mdlOutput_messageCenter(MESSAGE_INFO, kRasterAttached, FilePath.c_str(), FALSE);
  raster_ = raster;

  RasterRenderingInfo rendering;
  mdlRaster_renderingInfoGet(&rendering, raster);
  rendering.viewMask |= kViewsOneToEight;
  rendering.displayOn = 1;
  rendering.printOn = 1;
  mdlRaster_renderingInfoSet(&rendering, raster, kAllRenderingFields);

  // The lower-left corner; the placement of the cell moves, sizes and turns it.
  const double k = setup.PlacementScale();
  RasterGeoReferenceInfo geo;
  mdlRaster_geoReferenceInfoGet(&geo, raster);
  geo.origin.x = MasterToStorage(k * Left * setup.tableScale.x);
  geo.origin.y = MasterToStorage(k * (-Top - Height) * setup.tableScale.y);
  geo.extent = {0, 0};
  mdlRaster_geoReferenceInfoSet(&geo, raster, RASTER_GEOREF_PLACEMENT);
  return 1;
}

// The design file and its pictures can then move together to another folder.
void CPictureShape::MakePathRelativeToDesignFile() {
  if (!tcbP || !tcbP->dgnfilenm[0] || PathIsRelativeA(FilePath.c_str())) return;
  char relative[MAX_PATH] = {};
  if (PathRelativePathToA(relative, tcbP->dgnfilenm, FILE_ATTRIBUTE_NORMAL, FilePath.c_str(), FILE_ATTRIBUTE_NORMAL))
    FilePath = relative;
}
