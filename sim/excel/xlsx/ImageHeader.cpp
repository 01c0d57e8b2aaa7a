#include "sim/excel/xlsx/ImageHeader.h"

namespace sim {
namespace {

using Status = ImageHeader::Status;

std::uint32_t Big16(std::string_view b, std::size_t at) {
  return (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) << 8) | static_cast<unsigned char>(b[at + 1]);
}
std::uint32_t Big32(std::string_view b, std::size_t at) { return (Big16(b, at) << 16) | Big16(b, at + 2); }
std::uint32_t Little16(std::string_view b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) | (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8);
}
std::uint32_t Little32(std::string_view b, std::size_t at) { return Little16(b, at) | (Little16(b, at + 2) << 16); }

ImageHeader Sized(std::uint32_t width, std::uint32_t height) {
  if (width == 0 || height == 0) return {Status::Damaged, 0, 0};
  return {Status::Known, width, height};
}

ImageHeader Short(bool complete) { return {complete ? Status::Damaged : Status::NeedMore, 0, 0}; }

ImageHeader Png(std::string_view b, bool complete) {
  // The signature, then the IHDR chunk: length, "IHDR", width, height.
  if (b.size() < 24) return Short(complete);
  if (b.substr(12, 4) != "IHDR") return {Status::Damaged, 0, 0};
  return Sized(Big32(b, 16), Big32(b, 20));
}

ImageHeader Gif(std::string_view b, bool complete) {
  if (b.size() < 10) return Short(complete);
  return Sized(Little16(b, 6), Little16(b, 8));
}

ImageHeader Bmp(std::string_view b, bool complete) {
  if (b.size() < 26) return Short(complete);
  const std::uint32_t infoSize = Little32(b, 14);
  if (infoSize == 12) return Sized(Little16(b, 18), Little16(b, 20));  // OS/2 header
  // Heights are negative for images stored top-down.
  const auto height = static_cast<std::int32_t>(Little32(b, 22));
  const auto width = static_cast<std::int32_t>(Little32(b, 18));
  if (width <= 0 || height == 0 || height == INT32_MIN) return {Status::Damaged, 0, 0};
  return Sized(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height < 0 ? -height : height));
}

// JPEG: segments after the start marker until a start-of-frame gives the size.
ImageHeader Jpeg(std::string_view b, bool complete) {
  std::size_t at = 2;
  for (;;) {
    if (at + 4 > b.size()) return Short(complete);
    if (static_cast<unsigned char>(b[at]) != 0xFF) return {Status::Damaged, 0, 0};
    const unsigned char marker = static_cast<unsigned char>(b[at + 1]);
    if (marker == 0xFF) {  // fill bytes
      ++at;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return {Status::Damaged, 0, 0};  // image data before any frame
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // markers without a length
      at += 2;
      continue;
    }
    const std::uint32_t length = Big16(b, at + 2);
    if (length < 2) return {Status::Damaged, 0, 0};
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (at + 9 > b.size()) return Short(complete);
      return Sized(Big16(b, at + 7), Big16(b, at + 5));
    }
    at += 2 + length;
  }
}

}  // namespace

ImageHeader InspectImageHeader(std::string_view bytes, bool complete) {
  if (bytes.size() < 8 && !complete) return {Status::NeedMore, 0, 0};
  if (bytes.starts_with("\x89PNG\r\n\x1a\n")) return Png(bytes, complete);
  if (bytes.starts_with("\xFF\xD8")) return Jpeg(bytes, complete);
  if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a")) return Gif(bytes, complete);
  if (bytes.starts_with("BM")) return Bmp(bytes, complete);
  return {Status::Other, 0, 0};
}

}  // namespace sim
