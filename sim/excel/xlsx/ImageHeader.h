// The pixel size of an image from its header, without decoding it: PNG, JPEG, GIF and
// BMP, the raster formats a workbook's pictures come in. Vector pictures (EMF, WMF)
// and formats not known here have no pixels to count.
#pragma once

#include <cstdint>
#include <string_view>

namespace sim {

struct ImageHeader {
  enum class Status {
    NeedMore,  // the header goes on past the bytes given
    Known,     // a raster image of width x height pixels
    Damaged,   // a raster format whose header is cut short or makes no sense
    Other,     // not a raster format known here
  };
  Status status = Status::NeedMore;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
};

// Reads the header from the first bytes of an image; `complete` says the bytes are
// the whole image, so that a header cut short is damaged rather than awaited.
ImageHeader InspectImageHeader(std::string_view bytes, bool complete);

}  // namespace sim
