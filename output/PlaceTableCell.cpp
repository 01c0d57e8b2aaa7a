#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "host/msoutput.h"
#include "model/CQuorvelle.h"
#include "output/CQVUtiMStation.h"
#include "output/OptionSetInForce.h"
#include "output/OutputTexts.h"
#include "output/StorageUnits.h"
#include "output/TablePictures.h"

namespace {

struct CCellPlacement {
  DPoint3d origin;  // in the current units
  DPoint3d scale;
  CPicturePlacement pictures;
};

// Transforms the cell by the option set's rotation and the scale to the origin, adds
// it to the design file and attaches the table's pictures beside it.
ULong Place(CQuorvelle& table, MSElementDescr*& cellDscr, const CCellPlacement& placement) {
  if (!cellDscr) return 0;
  Transform t;
  mdlTMatrix_fromRMatrix(&t, &currentOptionSet->rotation);
  mdlTMatrix_scale(&t, &t, placement.scale.x, placement.scale.y, placement.scale.z);
  mdlTMatrix_setTranslation(&t, &placement.origin);

  DgnModelRefP model = mdlModelRef_getActive();
  mdlElmdscr_transform(cellDscr, &t);
  mdlElmdscr_display(cellDscr, model, NORMALDRAW);
  ULong filePos = mdlElmdscr_add(cellDscr);
  mdlElmdscr_freeAll(&cellDscr);
  if (!filePos) {
    mdlOutput_error(kTableCellNotAdded);
    return 0;
  }

  // The pictures are named after the cell; without it they would belong to no table.
  MSElement cell;
  if (mdlElement_read(&cell, model, filePos) == 0)
    PlaceTablePictures(table, mdlElement_getID(&cell), placement.pictures);
  return filePos;
}

}  // namespace

ULong CQVUtiMStation::PlaceTableCell(CQuorvelle& table, MSElementDescr*& cellDscr, const DPoint3d& origin,
                                     const DPoint3d& tableScale) {
  COptionSetInForce setup(table);
  const double k = setup->PlacementScale();
  return Place(table, cellDscr,
               {origin, {k * tableScale.x, k * tableScale.y, tableScale.z}, {MasterToStorage(origin), tableScale, false}});
}

ULong CQVUtiMStation::PlaceAtDataPoint(CQuorvelle& table, MSElementDescr*& cellDscr, const DPoint3d& point) {
  COptionSetInForce setup(table);
  const double k = setup->PlacementScale();
  return Place(table, cellDscr, {point, {k, k, 1}, {point, setup->tableScale, true}});
}
