// Cell formats as read from real workbooks: borders, fills, alignments, fonts and
// their colours.
#include <algorithm>
#include <cctype>
#include <set>

#include "sim/excel/xlsx/XlsxColors.h"
#include "tests/sim/xlsx/XlsxTestSupport.h"

namespace {

constexpr std::uint32_t kRed = 0xFF0000;

TEST(XlsxStyles, EveryBorderStyleWithItsColour) {
  auto book = OpenFixture("bootstrap32.xlsx");
  ASSERT_TRUE(book);
  struct Case {
    int row;
    const char *left, *right, *top, *bottom;
  } cases[] = {
      {3, "thin", "thin", "thin", "thin"},
      {5, "hair", "hair", "hair", "hair"},
      {7, "dashDotDot", "dashed", "dotted", "dashDot"},
      {9, "mediumDashDotDot", "mediumDashDot", "mediumDashDotDot", "slantDashDot"},
      {11, "medium", "double", "mediumDashed", "thick"},
  };
  for (const Case& c : cases) {
    const sim::BorderData& border = StyleAt(*book, c.row, 2).border;
    EXPECT_EQ(c.left, border.left.style) << c.row;
    EXPECT_EQ(c.right, border.right.style) << c.row;
    EXPECT_EQ(c.top, border.top.style) << c.row;
    EXPECT_EQ(c.bottom, border.bottom.style) << c.row;
    EXPECT_EQ("", border.diagonal.style) << c.row;
  }
  const sim::BorderData& thin = StyleAt(*book, 3, 2).border;
  EXPECT_TRUE(thin.left.color.present && thin.left.color.automatic);
  const sim::BorderData& hair = StyleAt(*book, 5, 2).border;
  EXPECT_FALSE(hair.bottom.color.automatic);
  EXPECT_EQ(kRed, hair.bottom.color.rgb);
  EXPECT_EQ(0x0000FFu, hair.bottom.color.ExcelRgb());
  EXPECT_EQ("", StyleAt(*book, 3, 2).border.diagonal.style);
}

TEST(XlsxStyles, DiagonalBorders) {
  auto book = OpenFixture("bootstrap33.xlsx");
  ASSERT_TRUE(book);
  struct Case {
    int row;
    bool up, down;
    const char* outline;
  } cases[] = {{2, true, false, ""}, {4, false, true, ""}, {6, true, true, ""}, {8, true, true, "thin"}, {10, true, true, "thin"}};
  for (const Case& c : cases) {
    const sim::BorderData& border = StyleAt(*book, c.row, 2).border;
    EXPECT_EQ(c.up, border.diagonalUp) << c.row;
    EXPECT_EQ(c.down, border.diagonalDown) << c.row;
    EXPECT_EQ("thin", border.diagonal.style) << c.row;
    EXPECT_EQ(c.outline, border.top.style) << c.row;
  }
  const sim::BorderData& coloured = StyleAt(*book, 10, 2).border;
  EXPECT_EQ(kRed, coloured.diagonal.color.rgb);
  EXPECT_EQ(0x00B050u, coloured.left.color.rgb);
}

TEST(XlsxStyles, EveryPatternUnderItsLabel) {
  auto book = OpenFixture("47_xlsxfill.xlsx");
  ASSERT_TRUE(book);
  const sim::SheetData& sheet = book->sheets[0];
  int checked = 0;
  for (int row : {1, 3, 5}) {
    for (int column = 1; column <= 7; ++column) {
      const sim::CellData* label = sheet.FindCell(row, column);
      if (!label) continue;
      std::string pattern = StyleAt(*book, row + 1, column).fill.patternType;
      std::string name = label->Text();
      EXPECT_TRUE(name.size() == pattern.size() &&
                  std::equal(name.begin(), name.end(), pattern.begin(),
                             [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
          << name << " has " << pattern;
      ++checked;
    }
  }
  EXPECT_EQ(18, checked);
}

TEST(XlsxStyles, PatternColoursFromRgbThemeAndIndex) {
  auto book = OpenFixture("47_xlsxfill.xlsx");
  ASSERT_TRUE(book);
  const sim::FillData& rgb = StyleAt(*book, 9, 1).fill;  // darkDown, yellow on red
  EXPECT_EQ("darkDown", rgb.patternType);
  EXPECT_EQ(0xFFFF00u, rgb.fgColor.rgb);
  EXPECT_EQ(kRed, rgb.bgColor.rgb);
  // Theme 0 and 1 are the light and the dark colour, in that order.
  const sim::FillData& theme = StyleAt(*book, 11, 3).fill;
  EXPECT_EQ("lightGrid", theme.patternType);
  EXPECT_EQ(0, theme.fgColor.theme);
  EXPECT_EQ(0xFFFFFFu, theme.fgColor.rgb);
  EXPECT_EQ(0x000000u, theme.bgColor.rgb);
  const sim::FillData& accent = StyleAt(*book, 13, 1).fill;
  EXPECT_EQ("solid", accent.patternType);
  EXPECT_EQ(0x70AD47u, accent.fgColor.rgb);  // accent6 of the file's theme
  EXPECT_TRUE(accent.bgColor.automatic);     // indexed 64, the system colour
  EXPECT_EQ(64, accent.bgColor.indexed);
  const sim::FillData& plain = StyleAt(*book, 2, 1).fill;  // a pattern without colours
  EXPECT_FALSE(plain.fgColor.present);
  EXPECT_TRUE(plain.fgColor.automatic);
}

TEST(XlsxStyles, SolidAndGradientFills) {
  auto solid = OpenFixture("bootstrap31.xlsx");
  ASSERT_TRUE(solid);
  bool sawRedSolid = false, sawDarkVertical = false;
  for (const auto& style : solid->styles) {
    sawRedSolid |= style->fill.patternType == "solid" && style->fill.fgColor.rgb == kRed;
    sawDarkVertical |= style->fill.patternType == "darkVertical" && style->fill.fgColor.rgb == kRed &&
                       style->fill.bgColor.rgb == 0xFFFF00;
  }
  EXPECT_TRUE(sawRedSolid);
  EXPECT_TRUE(sawDarkVertical);

  auto gradient = OpenFixture("Styles.xlsx");
  ASSERT_TRUE(gradient);
  bool sawGradient = false;
  for (const auto& style : gradient->styles) {
    if (style->fill.gradientType.empty()) continue;
    sawGradient = true;
    EXPECT_EQ("linear", style->fill.gradientType);
    EXPECT_EQ(90, style->fill.gradientDegree);
    ASSERT_EQ(2u, style->fill.gradientStops.size());
    EXPECT_EQ(1, style->fill.gradientStops[1].position);
    EXPECT_EQ(4, style->fill.gradientStops[1].color.theme);
  }
  EXPECT_TRUE(sawGradient);
}

TEST(XlsxStyles, HorizontalAndVerticalAlignments) {
  auto book = OpenFixture("bootstrap29.xlsx");
  ASSERT_TRUE(book);
  struct Case {
    int row;
    const char *horizontal, *vertical;
  } cases[] = {
      {1, "general", "bottom"},  {2, "left", "bottom"},        {3, "center", "bottom"},
      {4, "right", "bottom"},    {5, "fill", "bottom"},        {6, "justify", "bottom"},
      {7, "centerContinuous", "bottom"}, {8, "distributed", "bottom"}, {10, "general", "center"},
      {11, "general", "top"},    {12, "general", "justify"},   {13, "general", "distributed"},
      {14, "center", "center"},
  };
  for (const Case& c : cases) {
    const sim::AlignmentData& alignment = StyleAt(*book, c.row, 1).alignment;
    EXPECT_EQ(c.horizontal, alignment.horizontal) << c.row;
    EXPECT_EQ(c.vertical, alignment.vertical) << c.row;
  }
  auto across = OpenFixture("format14.xlsx");
  ASSERT_TRUE(across);
  EXPECT_EQ("centerContinuous", StyleAt(*across, 1, 1).alignment.horizontal);
}

TEST(XlsxStyles, RotationIndentWrapAndShrink) {
  auto book = OpenFixture("bootstrap30.xlsx");
  ASSERT_TRUE(book);
  struct Case {
    int row, rotation, indent;
    bool wrap, shrink;
    const char* horizontal;
    int readingOrder;
  } cases[] = {
      {1, 30, 0, false, false, "general", 0},  {2, 120, 0, false, false, "general", 0},
      {3, 255, 0, false, false, "general", 0}, {4, 0, 0, true, false, "general", 0},
      {6, 0, 0, false, true, "general", 0},    {7, 0, 1, false, false, "left", 0},
      {8, 0, 1, false, false, "right", 0},     {9, 0, 0, false, false, "general", 1},
      {10, 0, 0, false, false, "general", 2},
  };
  for (const Case& c : cases) {
    const sim::AlignmentData& a = StyleAt(*book, c.row, 1).alignment;
    EXPECT_EQ(c.rotation, a.textRotation) << c.row;
    EXPECT_EQ(c.indent, a.indent) << c.row;
    EXPECT_EQ(c.wrap, a.wrapText) << c.row;
    EXPECT_EQ(c.shrink, a.shrinkToFit) << c.row;
    EXPECT_EQ(c.horizontal, a.horizontal) << c.row;
    EXPECT_EQ(c.readingOrder, a.readingOrder) << c.row;
  }
  auto upward = OpenFixture("format02.xlsx");
  ASSERT_TRUE(upward);
  EXPECT_EQ(90, StyleAt(*upward, 1, 2).alignment.textRotation);
  EXPECT_TRUE(StyleAt(*upward, 1, 2).font.bold);
  EXPECT_EQ("Arial", StyleAt(*upward, 1, 2).font.name);
  auto stacked = OpenFixture("format24.xlsx");
  ASSERT_TRUE(stacked);
  bool sawStackedIndent = false;
  for (const auto& style : stacked->styles)
    sawStackedIndent |= style->alignment.textRotation == 255 && style->alignment.indent == 1;
  EXPECT_TRUE(sawStackedIndent);
  // Rotations from 10 to 180 degrees, downward ones stored past 90.
  auto steps = OpenFixture("TextRotation.xlsx");
  ASSERT_TRUE(steps);
  std::set<int> rotations;
  for (const auto& style : steps->styles) rotations.insert(style->alignment.textRotation);
  for (int r : {10, 90, 100, 180, 255}) EXPECT_TRUE(rotations.count(r)) << r;
}

TEST(XlsxStyles, FontsWithEveryProperty) {
  auto book = OpenFixture("4_every_style.xlsx");
  ASSERT_TRUE(book);
  const auto& styles = book->styles;
  ASSERT_EQ(29u, styles.size());
  EXPECT_EQ("Calibri", book->defaultFont.name);
  EXPECT_EQ(12, book->defaultFont.size);
  EXPECT_TRUE(styles[1]->font.bold);
  EXPECT_TRUE(styles[2]->font.italic);
  EXPECT_FALSE(styles[2]->font.bold);
  struct Underline {
    int xf;
    const char* kind;
  } underlines[] = {{0, ""}, {3, "single"}, {4, "double"}, {5, "singleAccounting"}, {6, "doubleAccounting"}};
  for (const auto& u : underlines) EXPECT_EQ(u.kind, styles[u.xf]->font.underline) << u.xf;
  EXPECT_TRUE(styles[8]->font.strike);
  EXPECT_EQ("superscript", styles[9]->font.vertAlign);
  EXPECT_EQ("subscript", styles[10]->font.vertAlign);
  EXPECT_EQ(kRed, styles[11]->font.color.rgb);
  EXPECT_EQ(10, styles[13]->font.size);
  EXPECT_EQ("Garamond", styles[16]->font.name);
  const sim::FontData& all = styles[17]->font;
  EXPECT_TRUE(all.bold && all.italic && all.strike);
  EXPECT_EQ("doubleAccounting", all.underline);
  EXPECT_EQ(16, all.size);
  EXPECT_EQ("Georgia", all.name);
  EXPECT_EQ(0x00B050u, all.color.rgb);
  const sim::AlignmentData& mixed = styles[28]->alignment;
  EXPECT_EQ("distributed", mixed.vertical);
  EXPECT_EQ(2, mixed.indent);
  EXPECT_TRUE(mixed.wrapText && mixed.shrinkToFit);
  EXPECT_EQ(45, styles[27]->alignment.textRotation);
  EXPECT_EQ(4, styles[26]->alignment.indent);
}

TEST(XlsxStyles, ThemeColoursWithTints) {
  // Excel's palette entries for the Office 2007 theme (tints as Excel writes them).
  struct Case {
    std::uint32_t base;
    double tint;
    std::uint32_t excel;
  } cases[] = {
      {0x1F497D, 0.39997558519241921, 0x558ED5}, {0x1F497D, 0.79998168889431442, 0xC6D9F1}, {0x1F497D, 0.59999389629810485, 0x8EB4E3},
      {0xFFFFFF, -0.14999847407452621, 0xD9D9D9}, {0x000000, 0.499984740745262, 0x7F7F7F},
      {0x4F81BD, 0.39997558519241921, 0x95B3D7}, {0xC0504D, 0.59999389629810485, 0xE6B9B8},
      {0x123456, 0, 0x123456},
  };
  for (const Case& c : cases) EXPECT_EQ(c.excel, sim::ApplyTint(c.base, c.tint)) << std::hex << c.base << " " << c.tint;
  // Darkening lands within one step of Excel's own palette in each channel.
  std::uint32_t darker = sim::ApplyTint(0xF79646, -0.499984740745262);  // Excel: 974706
  EXPECT_NEAR(0x97, (darker >> 16) & 0xFF, 1);
  EXPECT_NEAR(0x47, (darker >> 8) & 0xFF, 1);
  EXPECT_NEAR(0x06, darker & 0xFF, 1);
}

TEST(XlsxStyles, IndexedColoursFromTheDefaultPaletteOrTheFile) {
  sim::MinimalWorkbookParts parts;
  parts.sheetData = "<row r='1'><c r='A1' s='1'/><c r='B1' s='2'/></row>";
  std::string fonts = "<fonts><font><sz val='10'/><name val='Arial'/></font><font><color indexed='10'/></font></fonts>";
  std::string fills = "<fills><fill/><fill/><fill><patternFill patternType='solid'><fgColor indexed='2'/></patternFill></fill></fills>";
  std::string xfs = "<cellXfs><xf/><xf fontId='1'/><xf fillId='2'/></cellXfs>";
  auto read = [&](const std::string& colors) {
    parts.styles = "<styleSheet xmlns='http://schemas.openxmlformats.org/spreadsheetml/2006/main'>" + fonts + fills +
                   xfs + colors + "</styleSheet>";
    std::string error;
    auto book = ReadParts(parts, &error);
    EXPECT_TRUE(book) << error;
    return book;
  };
  auto palette = read("");
  ASSERT_TRUE(palette);
  EXPECT_EQ(kRed, StyleAt(*palette, 1, 1).font.color.rgb);
  EXPECT_EQ(10, StyleAt(*palette, 1, 1).font.color.indexed);
  EXPECT_EQ(kRed, StyleAt(*palette, 1, 2).fill.fgColor.rgb);
  EXPECT_EQ("Arial", palette->defaultFont.name);
  auto own = read("<colors><indexedColors><rgbColor rgb='FF111111'/><rgbColor rgb='FF222222'/>"
                  "<rgbColor rgb='FF333333'/></indexedColors></colors>");
  ASSERT_TRUE(own);
  EXPECT_EQ(0x333333u, StyleAt(*own, 1, 2).fill.fgColor.rgb);
  EXPECT_EQ(kRed, StyleAt(*own, 1, 1).font.color.rgb);  // past the file's list: the default palette
}

}  // namespace
