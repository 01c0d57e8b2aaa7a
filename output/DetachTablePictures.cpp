#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "host/msraster.h"
#include "output/OutputTexts.h"
#include "output/TablePictures.h"
#include "support/TextCompare.h"
#include "support/TextConvert.h"

namespace {

constexpr size_t kMaxPrefixLength = 22;
constexpr UInt32 kDetachedPictureState = 1;

// The prefix must be followed by the underscore of the name: the pictures of the
// cell 1A3 are not the pictures of the cell 1A.
bool IsPictureOf(const std::string& name, const std::string& prefix) {
  if (name.size() <= prefix.size() || !StartsWithNoCase(name, prefix)) return false;
  return prefix.back() == '_' || name[prefix.size()] == '_';
}

std::vector<DgnRasterP> PicturesOf(const std::string& prefix) {
  std::vector<DgnRasterP> found;
  MdlContainerP container = nullptr;
  if (mdlRaster_systemRasterContainerGet(&container) != SUCCESS || !container) return found;
  MdlIteratorP it = nullptr;
  if (mdlCntr_iteratorCreate(&it, container) == SUCCESS && it) {
    for (; mdlCntr_iteratorStateGet(it); mdlCntr_iteratorNext(it)) {
      DgnRasterP raster = nullptr;
      RasterExtendedInfo info;
      if (mdlCntr_valueGet(&raster, it) != SUCCESS || !raster) continue;
      if (mdlRaster_extendedInfoGet(&info, raster) != SUCCESS) continue;
      size_t length = 0;
      while (length < std::size(info.logicalName) && info.logicalName[length]) ++length;
      if (IsPictureOf(WideToNarrow(std::u16string_view(info.logicalName, length)), prefix)) found.push_back(raster);
    }
    mdlCntr_iteratorDestroy(it);
  }
  mdlCntr_release(container);
  return found;
}

}  // namespace

void DetachTablePictures(const std::string& prefix, ElementID cellId) {
  std::string tag = prefix;
  if (tag.empty()) {
    char hex[32];
    std::snprintf(hex, sizeof hex, kCellIdFormat, static_cast<unsigned long long>(cellId));
    tag = hex;
  }
  if (tag.size() > kMaxPrefixLength) return;
  // Found first and detached afterwards, so that the walk never runs over rasters
  // that are going away.
  for (DgnRasterP raster : PicturesOf(tag)) {
    RasterExtendedInfo info;
    mdlRaster_extendedInfoGet(&info, raster);
    info.mask = kDetachedPictureState;
    mdlRaster_extendedInfoSet(&info, raster, RASTER_EXTINFO_ALL);
    mdlRaster_fileClose(raster);
    mdlRaster_eventSynchronize();
  }
}
