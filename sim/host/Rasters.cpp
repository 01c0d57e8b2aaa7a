// Raster attachments and the container of all rasters.
#include <cstring>
#include <string>

#include "host/msraster.h"
#include "host/msview.h"
#include "platform/paths.h"
#include "sim/SimFailures.h"
#include "sim/Strings.h"
#include "sim/host/HostState.h"

namespace {

bool Attached(DgnRasterP r) {
  if (!r) return false;
  for (const auto& own : sim::Model().rasters)
    if (own.get() == r) return r->attached;
  return false;
}

}  // namespace

std::string sim::RasterFilePath(const std::string& fileName) {
  if (!PathIsRelativeA(fileName.c_str()) || !tcbP->dgnfilenm[0]) return fileName;
  char folder[MAX_PATH * 4] = {};
  std::strncpy(folder, tcbP->dgnfilenm, sizeof folder - 1);
  PathRemoveFileSpecA(folder);
  char combined[MAX_PATH * 4] = {};
  return PathCombineA(combined, folder, fileName.c_str()) ? std::string(combined) : fileName;
}

StatusInt mdlRaster_fileOpen(DgnRasterP* raster, const char* fileName, DgnModelRefP modelRef) {
  DgnModel* m = sim::ModelOf(modelRef);
  if (!raster || !fileName || !*fileName || !m || sim::ShouldFail("mdlRaster_fileOpen")) return ERROR;
  if (!PathFileExistsA(sim::RasterFilePath(fileName).c_str())) return ERROR;
  auto r = std::make_unique<DgnRaster>();
  r->model = m;
  r->fileName = fileName;
  r->rendering.viewMask = 0xFF;
  r->rendering.displayOn = 1;
  *raster = r.get();
  m->rasters.push_back(std::move(r));
  return SUCCESS;
}

StatusInt mdlRaster_fileClose(DgnRasterP raster) {
  if (!Attached(raster)) return ERROR;
  raster->attached = false;
  return SUCCESS;
}

StatusInt mdlRaster_renderingInfoGet(RasterRenderingInfo* info, DgnRasterP raster) {
  if (!info || !Attached(raster)) return ERROR;
  *info = raster->rendering;
  return SUCCESS;
}

StatusInt mdlRaster_renderingInfoSet(const RasterRenderingInfo* info, DgnRasterP raster, UInt32) {
  if (!info || !Attached(raster)) return ERROR;
  raster->rendering = *info;
  return SUCCESS;
}

StatusInt mdlRaster_geoReferenceInfoGet(RasterGeoReferenceInfo* info, DgnRasterP raster) {
  if (!info || !Attached(raster) || sim::ShouldFail("mdlRaster_geoReferenceInfoGet")) return ERROR;
  *info = raster->geo;
  return SUCCESS;
}

StatusInt mdlRaster_geoReferenceInfoSet(const RasterGeoReferenceInfo* info, DgnRasterP raster, UInt32 mask) {
  if (!info || !Attached(raster) || sim::ShouldFail("mdlRaster_geoReferenceInfoSet")) return ERROR;
  RasterGeoReferenceInfo& g = raster->geo;
  if (mask & (RASTER_GEOREF_PLACEMENT | RASTER_GEOREF_ORIGIN)) g.origin = info->origin;
  if (mask & (RASTER_GEOREF_PLACEMENT | RASTER_GEOREF_EXTENT)) g.extent = info->extent;
  if (mask & RASTER_GEOREF_ROTATION) g.rotationDegrees = info->rotationDegrees;
  return SUCCESS;
}

StatusInt mdlRaster_extendedInfoGet(RasterExtendedInfo* info, DgnRasterP raster) {
  if (!info || !Attached(raster)) return ERROR;
  *info = RasterExtendedInfo{};
  info->mask = raster->extendedMask;
  sim::CopyWide(info->logicalName, static_cast<int>(std::size(info->logicalName)), raster->logicalName);
  return SUCCESS;
}

StatusInt mdlRaster_extendedInfoSet(const RasterExtendedInfo* info, DgnRasterP raster, UInt32 mask) {
  if (!info || !Attached(raster) || !(mask & RASTER_EXTINFO_ALL)) return ERROR;
  raster->extendedMask = info->mask;
  size_t n = 0;
  while (n < std::size(info->logicalName) && info->logicalName[n]) ++n;  // never past the field
  raster->logicalName.assign(info->logicalName, n);
  return SUCCESS;
}

void mdlRaster_eventSynchronize() {}

// The container holds the rasters attached when it was taken.
struct MdlContainer {
  std::vector<DgnRasterP> rasters;
};
struct MdlIterator {
  MdlContainer* container = nullptr;
  size_t index = 0;
};

StatusInt mdlRaster_systemRasterContainerGet(MdlContainerP* container) {
  if (!container) return ERROR;
  auto* c = new MdlContainer;
  for (const auto& r : sim::Model().rasters)
    if (r->attached) c->rasters.push_back(r.get());
  *container = c;
  return SUCCESS;
}

StatusInt mdlCntr_iteratorCreate(MdlIteratorP* iterator, MdlContainerP container) {
  if (!iterator || !container) return ERROR;
  *iterator = new MdlIterator{container, 0};
  return SUCCESS;
}

int mdlCntr_iteratorStateGet(MdlIteratorP it) { return it && it->index < it->container->rasters.size() ? 1 : 0; }

StatusInt mdlCntr_valueGet(void* value, MdlIteratorP it) {
  if (!value || !mdlCntr_iteratorStateGet(it)) return ERROR;
  *static_cast<DgnRasterP*>(value) = it->container->rasters[it->index];
  return SUCCESS;
}

StatusInt mdlCntr_iteratorNext(MdlIteratorP it) {
  if (!mdlCntr_iteratorStateGet(it)) return ERROR;
  ++it->index;
  return SUCCESS;
}

void mdlCntr_iteratorDestroy(MdlIteratorP it) { delete it; }
void mdlCntr_release(MdlContainerP container) { delete container; }
