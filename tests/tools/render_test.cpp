// The host shell's picture of a design file, drawn in the test's own process: the
// colours a print gives, texts in the faces that have their characters and in the
// proportions of fonts that are not installed, and lines as thick as a plot draws
// them for the picture's scale.
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "host/mselmdscr.h"
#include "host/msfont.h"
#include "host/msgeom.h"
#include "host/msmodel.h"
#include "host/mstext.h"
#include "sim/fonts/FontCatalog.h"
#include "sim/host/HostState.h"
#include "tests/TestSupport.h"
#include "tools/quorvelle/Render.h"

namespace {

// A PNG read back: each pixel's red, green and blue in one number, 0xRRGGBB.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  static int Grey(std::uint32_t p) { return ((p >> 16 & 255) + (p >> 8 & 255) + (p & 255)) / 3; }
  bool Dark(int x, int y) const { return Grey(At(x, y)) < 128; }
  size_t Ink() const {
    size_t n = 0;
    for (std::uint32_t p : pixels) n += p != 0xFFFFFF;
    return n;
  }
  // The colour most pixels that are not white have; white when every pixel is.
  std::uint32_t InkColour() const {
    std::map<std::uint32_t, size_t> counts;
    for (std::uint32_t p : pixels)
      if (p != 0xFFFFFF) ++counts[p];
    std::uint32_t best = 0xFFFFFF;
    size_t most = 0;
    for (const auto& [colour, n] : counts)
      if (n > most) best = colour, most = n;
    return best;
  }
  // The bounds of the dark pixels: left, top, right, bottom (inclusive); all -1 when none.
  std::array<int, 4> InkBounds() const {
    std::array<int, 4> b{-1, -1, -1, -1};
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (Dark(x, y)) {
          if (b[0] < 0 || x < b[0]) b[0] = x;
          if (b[1] < 0) b[1] = y;
          b[2] = std::max(b[2], x);
          b[3] = y;
        }
    return b;
  }
  // How many columns hold a dark pixel: the width of the glyphs' ink without the gaps
  // between them.
  int InkedColumns() const {
    int n = 0;
    for (int x = 0; x < width; ++x)
      for (int y = 0; y < height; ++y)
        if (Dark(x, y)) {
          ++n;
          break;
        }
    return n;
  }
};

class RenderTest : public MasterUnitsTest {
 protected:

  Picture Render(int pixelWidth) {
    const std::string path = dir.File("picture.png");
    EXPECT_EQ("", RenderDesignFile(path, RenderFormat::Png, pixelWidth));
    Picture p;
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
      cairo_surface_flush(s);
      p.width = cairo_image_surface_get_width(s);
      p.height = cairo_image_surface_get_height(s);
      const int stride = cairo_image_surface_get_stride(s);
      const unsigned char* data = cairo_image_surface_get_data(s);
      for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
          p.pixels.push_back(reinterpret_cast<const std::uint32_t*>(data + y * stride)[x] & 0xFFFFFF);
    }
    cairo_surface_destroy(s);
    return p;
  }

  // Empties the design file between the cases of a test.
  void Clear() {
    for (auto& [pos, record] : sim::Model().elements) record->deleted = true;
  }

  // The rectangle 200 by 100 master units, placed by itself or as the member of a
  // cell scaled by tableScale, as a table placed at that scale is.
  void AddRectangle(UInt32 colour, UInt32 weight, bool fill, double tableScale = 0) {
    DPoint3d points[5] = {{0, 0, 0}, {200, 0, 0}, {200, 100, 0}, {0, 100, 0}, {0, 0, 0}};
    MSElement shape;
    ASSERT_EQ(SUCCESS, mdlShape_create(&shape, nullptr, points, 5, fill ? 1 : 0));
    mdlElement_setSymbology(&shape, &colour, nullptr, &weight);
    if (tableScale <= 0) {
      ASSERT_NE(0u, mdlElement_add(&shape));
      return;
    }
    MSElement header;
    mdlCell_create(&header, u"Table", nullptr, 0);
    MSElementDescr* cell = nullptr;
    mdlElmdscr_new(&cell, nullptr, &header);
    mdlElmdscr_appendElement(cell, &shape);
    Transform t;
    mdlTMatrix_getIdentity(&t);
    mdlTMatrix_scale(&t, &t, tableScale, tableScale, 1);
    mdlElmdscr_transform(cell, &t);
    ASSERT_NE(0u, mdlElmdscr_add(cell));
    mdlElmdscr_freeAll(&cell);
  }

  // A left-bottom justified text 10 master units high, each character `width` wide.
  void AddText(const std::u16string& text, UInt32 font, double width, UInt32 colour = 0) {
    TextSizeParam size;
    size.height = 10;
    size.width = width;
    TextParamWide params;
    params.font = font;
    DPoint3d origin{0, 0, 0};
    MSElement el;
    ASSERT_EQ(SUCCESS, mdlText_createWide(&el, nullptr, text.c_str(), &origin, nullptr, &size, &params, nullptr, nullptr));
    mdlElement_setSymbology(&el, &colour, nullptr, nullptr);
    ASSERT_NE(0u, mdlElement_add(&el));
  }

  UInt32 InstalledFont(const char16_t* name) {
    const Font* font = sim::FindInstalledFont(FONTTYPE_TRUETYPE, name);
    UInt32 number = 0;
    EXPECT_TRUE(font) << "the font is part of the build's packages";
    if (font) sim::Model().fontNumMap.GetFontNumber(&number, *font, true);
    return number;
  }
  // A TrueType font the design file names that this machine does not have, as in a
  // design file drawn elsewhere.
  UInt32 MissingFont() {
    sim::Model().fonts.push_back({400, FONTTYPE_TRUETYPE, u"Quorvelle Absent Face"});
    return 400;
  }
};

bool SomeFontHas(char32_t c) {
  FcPattern* pattern = FcPatternCreate();
  FcCharSet* set = FcCharSetCreate();
  FcCharSetAddChar(set, c);
  FcPatternAddCharSet(pattern, FC_CHARSET, set);
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* fonts = FcFontList(sim::FontConfiguration(), pattern, objects);
  const bool found = fonts && fonts->nfont > 0;
  if (fonts) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(objects);
  FcCharSetDestroy(set);
  FcPatternDestroy(pattern);
  return found;
}

TEST_F(RenderTest, ColourZeroIsExcelsBlackAndWhiteStaysWhite) {
  const UInt32 sans = InstalledFont(u"Liberation Sans");
  // The ink of each element drawn alone: colour 0 black, 3 red and 255 (Excel's white)
  // white, whether filled, stroked or written.
  struct Case {
    const char* what;
    UInt32 colour;
    int kind;  // 0 a filled rectangle, 1 its outline, 2 a text
    std::uint32_t ink;
  } cases[] = {
      {"black fill", 0, 0, 0x000000}, {"red fill", 3, 0, 0xFF0000},    {"white fill", 255, 0, 0xFFFFFF},
      {"black outline", 0, 1, 0x000000}, {"red outline", 3, 1, 0xFF0000}, {"black text", 0, 2, 0x000000},
      {"red text", 3, 2, 0xFF0000},    {"white text", 255, 2, 0xFFFFFF},
  };
  for (const Case& c : cases) {
    Clear();
    if (c.kind == 2)
      AddText(u"HH", sans, 10, c.colour);
    else
      AddRectangle(c.colour, 10, c.kind == 0);
    EXPECT_EQ(c.ink, Render(400).InkColour()) << c.what;
  }

  // Excel's white text on its black fill shows: the text (about 35 by 18 pixels in
  // the corner of the fill) leaves white pixels inside the fill.
  Clear();
  AddRectangle(0, 0, true);
  AddText(u"HH", sans, 10, 255);
  const Picture p = Render(400);
  size_t white = 0;
  for (int y = 30; y < p.height - 30; ++y)
    for (int x = 30; x < p.width - 30; ++x) white += p.At(x, y) == 0xFFFFFF;
  EXPECT_GT(white, 50u);
}

TEST_F(RenderTest, CharactersTheFontLacksAreDrawnFromAFaceThatHasThem) {
  const UInt32 sans = InstalledFont(u"Liberation Sans");
  // A character no font has: the missing-glyph box of Liberation Sans, as wide as the
  // box the host measured for every character it lacks.
  AddText(u"\u0378", sans, 10);
  const Picture tofu = Render(400);
  ASSERT_GT(tofu.Ink(), 0u);

  // The ideographic space has no ink whether a face has it or not.
  Clear();
  AddText(u"\u3000", sans, 10);
  EXPECT_EQ(0u, Render(400).Ink()) << "the ideographic space";

  struct Case {
    const char16_t* text;
    char32_t c;
  } cases[] = {{u"\u2713", 0x2713}, {u"\u21D2", 0x21D2}, {u"\u6F22", 0x6F22}, {u"\u5B57", 0x5B57}};
  for (const Case& c : cases) {
    if (!SomeFontHas(c.c)) {
      std::printf("no installed font has U+%04X: it is drawn as the missing-glyph box\n", static_cast<unsigned>(c.c));
      continue;
    }
    Clear();
    AddText(c.text, sans, 10);
    const Picture drawn = Render(400);
    ASSERT_EQ(tofu.pixels.size(), drawn.pixels.size()) << "the host measures every lacking character alike";
    size_t differ = 0;
    for (size_t i = 0; i < drawn.pixels.size(); ++i)
      differ += std::abs(Picture::Grey(drawn.pixels[i]) - Picture::Grey(tofu.pixels[i])) > 64;
    EXPECT_GT(drawn.Ink(), 0u) << static_cast<unsigned>(c.c);
    EXPECT_GT(differ, drawn.pixels.size() / 100) << "drawn as the missing-glyph box: U+" << std::hex << static_cast<unsigned>(c.c);
  }
}

TEST_F(RenderTest, OnlyTextsMeasuredWithTheirOwnGlyphsAreStretchedToTheirBoxes) {
  // "HHHH" of capitals 10 high, each character 30 wide and 3 wide. The picture is the
  // box alone (24 pixels of margin round it), so the box is the picture less its
  // margins. The host measured an installed TrueType font with its glyphs' advances;
  // a font not installed here and a resource font (drawn in a sans-serif face) it
  // measured a fixed width a character: each character keeps its shape in the middle
  // of its room.
  struct Case {
    const char* what;
    UInt32 font;
    bool stretched;
  } cases[] = {
      {"installed TrueType font", InstalledFont(u"Liberation Sans"), true},
      {"TrueType font not installed", MissingFont(), false},
      {"resource font", 0, false},
  };
  for (const Case& c : cases) {
    double naturalAspect = 0;
    for (double width : {30.0, 3.0}) {
      Clear();
      AddText(u"HHHH", c.font, width);
      const Picture p = Render(800);
      const double boxWidth = p.width - 48, boxHeight = p.height - 48;
      const std::array<int, 4> ink = p.InkBounds();
      ASSERT_GE(ink[0], 0) << c.what;
      const double inkWidth = ink[2] - ink[0] + 1, inkHeight = ink[3] - ink[1] + 1;
      EXPECT_LE(inkWidth, boxWidth + 2) << c.what << ", " << width;
      if (c.stretched) {
        EXPECT_GT(inkWidth, 0.85 * boxWidth) << c.what << ", " << width;
        EXPECT_NEAR(boxHeight, inkHeight, 0.05 * boxHeight + 2) << c.what << ", " << width;
      } else if (width > 10) {
        // Its own shape, the whole height, each character in its quarter of the box.
        const double glyph = p.InkedColumns() / 4.0;
        naturalAspect = glyph / inkHeight;
        EXPECT_LT(4 * glyph, 0.6 * boxWidth) << c.what;
        EXPECT_NEAR(inkWidth, 0.75 * boxWidth + glyph, 0.02 * boxWidth + 2) << c.what;
        EXPECT_NEAR(boxHeight, inkHeight, 0.05 * boxHeight + 2) << c.what;
      } else {
        // Made smaller evenly to fit the narrow box.
        EXPECT_NEAR(naturalAspect, p.InkedColumns() / 4.0 / inkHeight, 0.08 * naturalAspect) << c.what;
        EXPECT_LT(inkHeight, 0.6 * boxHeight) << c.what;
      }
    }
  }
}

TEST_F(RenderTest, LinesAreAsThickAsAPlotDrawsThemAtThePicturesScale) {
  // The rectangle is 200 master units wide and the picture 24 pixels of margin on
  // either side: a point of the drawing (a master unit at scale 1) is (width - 48) /
  // 200 pixels. Weight w is (w + 1) x 0.18 mm thick; at least one pixel. A line of
  // its level's weight (0xFFFFFFFF) is drawn as the thinnest.
  struct Case {
    UInt32 weight;
    int pixelWidth;
    double tableScale;  // 0: not in a cell
    UInt32 drawnAs;
  } cases[] = {
      {0, 248, 0, 0},   {0, 1648, 0, 0},   {4, 448, 0, 4},    {4, 1648, 0, 4},
      {4, 1648, 1, 4},  {4, 1648, 3, 4},   {10, 848, 0.5, 10}, {0xFFFFFFFF, 1648, 0, 0},
  };
  for (const Case& c : cases) {
    Clear();
    AddRectangle(0, c.weight, false, c.tableScale);
    const Picture p = Render(c.pixelWidth);
    const double pointPixels = (c.pixelWidth - 48) / 200.0;
    const double expected = std::max(1.0, (c.drawnAs + 1) * 0.18 * 72 / 25.4 * pointPixels);
    // The top edge where it crosses the middle column.
    int top = 0;
    while (top < p.height && !p.Dark(p.width / 2, top)) ++top;
    int bottom = top;
    while (bottom < p.height && p.Dark(p.width / 2, bottom)) ++bottom;
    EXPECT_NEAR(expected, bottom - top, 1.0 + 0.03 * expected)
        << "weight " << c.weight << ", " << c.pixelWidth << " pixels, table scale " << c.tableScale;
  }
}

}  // namespace
