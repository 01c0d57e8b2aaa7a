// Raster attachments of the active model and the host's container of all rasters.
#pragma once

#include "host/msgeom.h"

struct DgnRaster;
using DgnRasterP = DgnRaster*;

struct RasterRenderingInfo {
  UInt32 viewMask = 0;  // bit n: shown in view n + 1
  int displayOn = 0;
  int printOn = 0;
};

// Georeference in storage units: the attachment's lower-left corner, its size and
// its rotation about that corner in degrees.
struct RasterGeoReferenceInfo {
  DPoint3d origin;
  DPoint2d extent;
  double rotationDegrees = 0;
};
constexpr UInt32 RASTER_GEOREF_PLACEMENT = 1;  // origin and extent
constexpr UInt32 RASTER_GEOREF_ORIGIN = 2;
constexpr UInt32 RASTER_GEOREF_EXTENT = 4;
constexpr UInt32 RASTER_GEOREF_ROTATION = 8;

struct RasterExtendedInfo {
  UInt32 mask = 0;             // state bits of the attachment
  MSWChar logicalName[64] = {};
};
constexpr UInt32 RASTER_EXTINFO_ALL = 1;  // write mask: state bits and logical name

// Attaches the file (a Windows path, relative ones taken from the design file's
// folder) to the model.
StatusInt mdlRaster_fileOpen(DgnRasterP* raster, const char* fileName, DgnModelRefP modelRef);
// Detaches the raster; its handle is no longer valid.
StatusInt mdlRaster_fileClose(DgnRasterP raster);
StatusInt mdlRaster_renderingInfoGet(RasterRenderingInfo* info, DgnRasterP raster);
StatusInt mdlRaster_renderingInfoSet(const RasterRenderingInfo* info, DgnRasterP raster, UInt32 mask);
StatusInt mdlRaster_geoReferenceInfoGet(RasterGeoReferenceInfo* info, DgnRasterP raster);
StatusInt mdlRaster_geoReferenceInfoSet(const RasterGeoReferenceInfo* info, DgnRasterP raster, UInt32 mask);
StatusInt mdlRaster_extendedInfoGet(RasterExtendedInfo* info, DgnRasterP raster);
StatusInt mdlRaster_extendedInfoSet(const RasterExtendedInfo* info, DgnRasterP raster, UInt32 mask);
void mdlRaster_eventSynchronize();

// Containers and their iterators.
struct MdlContainer;
using MdlContainerP = MdlContainer*;
struct MdlIterator;
using MdlIteratorP = MdlIterator*;
StatusInt mdlRaster_systemRasterContainerGet(MdlContainerP* container);
StatusInt mdlCntr_iteratorCreate(MdlIteratorP* iterator, MdlContainerP container);
// Non-zero while the iterator stands on a value.
int mdlCntr_iteratorStateGet(MdlIteratorP iterator);
// The raster (a DgnRasterP) the iterator stands on.
StatusInt mdlCntr_valueGet(void* value, MdlIteratorP iterator);
StatusInt mdlCntr_iteratorNext(MdlIteratorP iterator);
void mdlCntr_iteratorDestroy(MdlIteratorP iterator);
void mdlCntr_release(MdlContainerP container);
