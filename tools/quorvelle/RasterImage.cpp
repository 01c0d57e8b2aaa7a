#include "tools/quorvelle/RasterImage.h"

#include <turbojpeg.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "sim/excel/xlsx/ImageHeader.h"

namespace {

constexpr std::uintmax_t kMaxRasterFileBytes = 64u << 20;

bool ReadFile(const std::string& path, std::vector<unsigned char>* bytes, std::string* why) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    *why = "cannot be read";
    return false;
  }
  const std::streamoff size = in.tellg();
  if (size < 0 || static_cast<std::uintmax_t>(size) > kMaxRasterFileBytes) {
    *why = "is larger than 64 MiB";
    return false;
  }
  bytes->resize(static_cast<std::size_t>(size));
  in.seekg(0);
  if (!in.read(reinterpret_cast<char*>(bytes->data()), size)) {
    *why = "cannot be read";
    return false;
  }
  return true;
}

bool SizeFits(long long width, long long height, std::string* why) {
  if (width <= 0 || height <= 0 || width > kMaxRasterSide || height > kMaxRasterSide ||
      width * height > kMaxRasterPixels) {
    *why = "has a picture size of " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
    return false;
  }
  return true;
}

struct PngReader {
  const std::vector<unsigned char>& bytes;
  std::size_t at = 0;
};

cairo_status_t ReadPngBytes(void* closure, unsigned char* data, unsigned int length) {
  auto* reader = static_cast<PngReader*>(closure);
  if (length > reader->bytes.size() - reader->at) return CAIRO_STATUS_READ_ERROR;
  std::copy_n(reader->bytes.begin() + static_cast<std::ptrdiff_t>(reader->at), length, data);
  reader->at += length;
  return CAIRO_STATUS_SUCCESS;
}

cairo_surface_t* LoadPng(const std::vector<unsigned char>& bytes, std::string* why) {
  PngReader reader{bytes};
  cairo_surface_t* image = cairo_image_surface_create_from_png_stream(ReadPngBytes, &reader);
  if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(image);
    *why = "is a damaged PNG file";
    return nullptr;
  }
  return image;
}

cairo_surface_t* LoadJpeg(const std::vector<unsigned char>& bytes, std::string* why) {
  tjhandle decoder = tjInitDecompress();
  if (!decoder) {
    *why = "cannot be decoded";
    return nullptr;
  }
  cairo_surface_t* image = nullptr;
  int width = 0, height = 0, subsampling = 0, colourspace = 0;
  if (tjDecompressHeader3(decoder, bytes.data(), bytes.size(), &width, &height, &subsampling, &colourspace) != 0) {
    *why = "is a damaged JPEG file";
  } else {
    image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_surface_flush(image);
    // cairo's RGB24 is one 32-bit word per pixel, blue in the low byte.
    const int pixelFormat = TJPF_BGRX;
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS ||
        tjDecompress2(decoder, bytes.data(), bytes.size(), cairo_image_surface_get_data(image), width,
                      cairo_image_surface_get_stride(image), height, pixelFormat, 0) != 0) {
      cairo_surface_destroy(image);
      image = nullptr;
      *why = "is a damaged JPEG file";
    } else {
      cairo_surface_mark_dirty(image);
    }
  }
  tjDestroy(decoder);
  return image;
}

}  // namespace

cairo_surface_t* LoadRasterImage(const std::string& linuxPath, std::string* why) {
  std::vector<unsigned char> bytes;
  if (!ReadFile(linuxPath, &bytes, why)) return nullptr;
  const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const bool png = view.starts_with("\x89PNG"), jpeg = view.starts_with("\xFF\xD8");
  if (!png && !jpeg) {
    *why = "is neither a PNG nor a JPEG file";
    return nullptr;
  }
  // The size from the header, before anything is decoded.
  const sim::ImageHeader header = sim::InspectImageHeader(view, true);
  if (header.status != sim::ImageHeader::Status::Known) {
    *why = png ? "is a damaged PNG file" : "is a damaged JPEG file";
    return nullptr;
  }
  if (!SizeFits(header.width, header.height, why)) return nullptr;
  return png ? LoadPng(bytes, why) : LoadJpeg(bytes, why);
}
