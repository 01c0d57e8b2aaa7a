#include "output/TablePictures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

#include "host/msraster.h"
#include "output/CPictureShape.h"
#include "model/CQuorvelle.h"
#include "output/OutputTexts.h"
#include "output/StorageUnits.h"
#include "settings/QuorvelleSetup.h"
#include "support/TextConvert.h"

UInt32 pictureCounter = 0;

namespace {

constexpr UInt32 kPlacedPictureState = 3;

void NamePicture(DgnRasterP raster, ElementID cellId) {
  RasterExtendedInfo info;
  mdlRaster_extendedInfoGet(&info, raster);
  info.mask = kPlacedPictureState;
  char name[64];
  std::snprintf(name, sizeof name, kPictureNameFormat, static_cast<unsigned long long>(cellId), pictureCounter++);
  std::u16string wide = NarrowToWide(name);
  std::fill(std::begin(info.logicalName), std::end(info.logicalName), u'\0');
  wide.copy(info.logicalName, std::size(info.logicalName) - 1);
  mdlRaster_extendedInfoSet(&info, raster, RASTER_EXTINFO_ALL);
}

// The picture was attached at its place in the unturned table at the model's origin,
// k times its points by the table scale; it moves to the cell's origin, takes its
// size and turns about the cell's origin as the cell does. A georeference that cannot
// be read keeps the one given at attachment.
void MoveWithCell(const CPictureShape& picture, double k, double angle, const CPicturePlacement& placement) {
  RasterGeoReferenceInfo geo;
  if (mdlRaster_geoReferenceInfoGet(&geo, picture.Raster()) != SUCCESS) return;
  const DPoint3d& o = placement.origin;
  geo.origin.x += o.x;
  geo.origin.y += o.y;
  geo.extent.x = MasterToStorage(k * picture.Width * placement.tableScale.x);
  geo.extent.y = MasterToStorage(k * picture.Height * placement.tableScale.y);
  if (placement.turnAtAnyAngle || std::fabs(angle) > 1e-6) {
    const double dx = geo.origin.x - o.x;
    const double dy = geo.origin.y - o.y;
    geo.origin.x = o.x + std::cos(angle) * dx - std::sin(angle) * dy;
    geo.origin.y = o.y + std::sin(angle) * dx + std::cos(angle) * dy;
    geo.rotationDegrees = angle * 180.0 / fc_pi;
  }
  mdlRaster_geoReferenceInfoSet(&geo, picture.Raster(),
                                RASTER_GEOREF_ORIGIN | RASTER_GEOREF_EXTENT | RASTER_GEOREF_ROTATION);
}

}  // namespace

void PlaceTablePictures(CQuorvelle& table, ElementID cellId, const CPicturePlacement& placement) {
  if (!currentOptionSet) return;
  const double k = currentOptionSet->PlacementScale();
  const double angle = mdlRMatrix_toAngle(&currentOptionSet->rotation);
  for (const auto& shape : table.Shapes) {
    if (!shape->IsPicture()) continue;
    auto& picture = static_cast<CPictureShape&>(*shape);
    if (picture.Draw(nullptr) != 1 || !picture.Raster()) continue;
    NamePicture(picture.Raster(), cellId);
    MoveWithCell(picture, k, angle, placement);
  }
}
