// The picture files of raster attachments as the render reads them: PNG and JPEG
// pictures drawn, anything else and pictures of absurd size refused before decoding.
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include <fstream>
#include <vector>

#include "tests/TestSupport.h"
#include "tests/output/OutputTestSupport.h"
#include "tools/quorvelle/RasterImage.h"

namespace {

void Write(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::vector<unsigned char> Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

// A JPEG of 16 x 8 red pixels.
std::vector<unsigned char> RedJpeg() {
  std::vector<unsigned char> rgb(16 * 8 * 3);
  for (size_t i = 0; i < rgb.size(); i += 3) rgb[i] = 255;
  tjhandle encoder = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  tjCompress2(encoder, rgb.data(), 16, 0, 8, TJPF_RGB, &jpeg, &size, TJSAMP_444, 95, 0);
  std::vector<unsigned char> bytes(jpeg, jpeg + size);
  tjFree(jpeg);
  tjDestroy(encoder);
  return bytes;
}

}  // namespace

TEST(RasterImage, PngAndJpegPicturesAreReadAtTheirSize) {
  TempDir dir;
  WritePng(dir.File("one.png"));
  Write(dir.File("red.jpg"), RedJpeg());
  std::string why;
  cairo_surface_t* png = LoadRasterImage(dir.File("one.png"), &why);
  ASSERT_NE(png, nullptr) << why;
  EXPECT_EQ(cairo_image_surface_get_width(png), 1);
  cairo_surface_destroy(png);

  cairo_surface_t* jpeg = LoadRasterImage(dir.File("red.jpg"), &why);
  ASSERT_NE(jpeg, nullptr) << why;
  EXPECT_EQ(cairo_image_surface_get_width(jpeg), 16);
  EXPECT_EQ(cairo_image_surface_get_height(jpeg), 8);
  const std::uint32_t pixel = *reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(jpeg));
  EXPECT_GT((pixel >> 16) & 0xFF, 240u);  // red
  EXPECT_LT(pixel & 0xFF, 16u);           // no blue
  cairo_surface_destroy(jpeg);
}

TEST(RasterImage, DamagedForeignAndAbsurdPicturesAreRefusedWithTheReason) {
  TempDir dir;
  WritePng(dir.File("one.png"));
  std::vector<unsigned char> hugePng = Read(dir.File("one.png"));
  hugePng[16] = hugePng[17] = 0x7F;  // width of two billion pixels, the data unchanged
  std::vector<unsigned char> hugeJpeg = RedJpeg();
  for (size_t i = 0; i + 8 < hugeJpeg.size(); ++i)
    if (hugeJpeg[i] == 0xFF && hugeJpeg[i + 1] == 0xC0) {  // the frame header: height, then width
      hugeJpeg[i + 5] = hugeJpeg[i + 7] = 0x75;  // 30000 x 30000
      hugeJpeg[i + 6] = hugeJpeg[i + 8] = 0x30;
      break;
    }
  std::vector<unsigned char> cutJpeg = RedJpeg();
  cutJpeg.resize(cutJpeg.size() / 3);
  struct Case {
    const char* file;
    std::vector<unsigned char> bytes;
    const char* why;
  } cases[] = {{"huge.png", hugePng, "has a picture size of 2139029505 x 1 pixels"},
               {"huge.jpg", hugeJpeg, "has a picture size of 30000 x 30000 pixels"},
               {"cut.jpg", cutJpeg, "is a damaged JPEG file"},
               {"cut.png", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0}, "is a damaged PNG file"},
               {"logo.gif", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}, "is neither a PNG nor a JPEG file"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    Write(dir.File(c.file), c.bytes);
    std::string why;
    EXPECT_EQ(LoadRasterImage(dir.File(c.file), &why), nullptr);
    EXPECT_EQ(why, c.why);
  }
  std::string why;
  EXPECT_EQ(LoadRasterImage(dir.File("none.png"), &why), nullptr);
  EXPECT_EQ(why, "cannot be read");
}
