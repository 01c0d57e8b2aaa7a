// Turning the add-in's cell records into cells.
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "model/ExcelConstants.h"
#include "tests/model/ModelTestSupport.h"

namespace {

class CellRecordTest : public ModelTest {};

TEST_F(CellRecordTest, EveryFieldReachesItsPlace) {
  sim::CellDescription d = CellAt("$C$7");
  d.mergeAddress = "$C$7:$D$8";
  d.left = 48.5, d.top = 90.25, d.width = 64, d.height = 15.75, d.layoutWidth = 128, d.layoutHeight = 31.5;
  d.fontSize = 11;
  d.orientation = xlUpward;
  d.indentLevel = 2, d.horizontalAlignment = xlRight, d.verticalAlignment = xlTop;
  d.fillColor = 0x00CCFF, d.fillColorIndex = 6;
  d.underline = 2, d.fontColor = 0x0000FF;
  d.wrapText = true, d.bold = true, d.italic = false;
  d.text = u"Net\nTotal";
  d.textInfo1 = "=SUM(C1:C6)", d.textInfo2 = "General";
  d.fontName = "Times New Roman";
  d.leftEdge = {xlContinuous, xlThin, 0x112233, 1};
  d.topEdge = {xlDash, xlMedium, 0x445566, 2};
  d.rightEdge = {xlDot, xlThick, 0x778899, 3};
  d.bottomEdge = {xlDouble, xlThick, 0xAABBCC, 4};
  d.diagonalDown = {xlDashDot, xlThin, 0x010203};
  d.diagonalUp = {xlDashDotDot, xlThin, 0x040506};

  CAutoCell c = Decode(d);
  EXPECT_EQ("$C$7", c.Address);
  EXPECT_EQ("$C$7:$D$8", c.MergeAddress);
  EXPECT_EQ((std::vector<double>{48.5, 90.25, 64, 15.75, 128, 31.5}),
            (std::vector<double>{c.Left, c.Top, c.Width, c.Height, c.LayoutWidth, c.LayoutHeight}));
  EXPECT_EQ(xlUpward, c.Orientation);
  EXPECT_EQ(2, c.IndentLevel);
  EXPECT_EQ(xlRight, c.HorizontalAlignment);
  EXPECT_EQ(xlTop, c.VerticalAlignment);
  EXPECT_EQ(1, c.WrapText);
  EXPECT_EQ(u"\uFEFFNet\nTotal", c.Text.value_or(u"none"));
  EXPECT_EQ("=SUM(C1:C6)", c.TextInfo1);
  EXPECT_EQ("General", c.TextInfo2);
  EXPECT_EQ(6, c.Interior.ColorIndex);
  EXPECT_EQ(0x00CCFF, c.Interior.Color);
  EXPECT_EQ("Times New Roman", c.Font.Name);
  EXPECT_EQ(1, c.Font.Bold);
  EXPECT_EQ(0, c.Font.Italic);
  EXPECT_EQ(1, c.Font.Underline);
  EXPECT_EQ(0x0000FF, c.Font.Color);
  EXPECT_DOUBLE_EQ(11 * 0.69, c.Font.Size);  // the default text scale factor
  EXPECT_EQ(-1.0, c.Font.FixedWidth);

  struct Expected {
    int position, lineStyle, weight, color, priority;
  };
  const Expected edges[] = {
      {kEdgeLeft, xlContinuous, xlThin, 0x112233, 1},      {kEdgeTop, xlDash, xlMedium, 0x445566, 2},
      {kEdgeRight, xlDot, xlThick, 0x778899, 3},           {kEdgeBottom, xlDouble, xlThick, 0xAABBCC, 4},
      {kEdgeDiagonalDown, xlDashDot, xlThin, 0x010203, 0}, {kEdgeDiagonalUp, xlDashDotDot, xlThin, 0x040506, 0},
  };
  for (const Expected& e : edges) {
    SCOPED_TRACE(e.position);
    const CAutoBorder& edge = c.Borders.Edges[e.position];
    EXPECT_EQ(e.lineStyle, edge.LineStyle);
    EXPECT_EQ(e.weight, edge.Weight);
    EXPECT_EQ(e.color, edge.Color);
    EXPECT_EQ(e.priority, edge.Priority);  // a diagonal block ends before a priority byte
  }
}

TEST_F(CellRecordTest, OrientationsKeepTheirAnglesAndStackedText) {
  const std::pair<int, int> cases[] = {
      {xlUpward, xlUpward},     {xlDownward, xlDownward}, {xlHorizontal, xlHorizontal}, {xlVertical, xlVertical},
      {45, 45},                 {-30, -30},               {1, 1},                       {0, xlHorizontal},
      {90, xlUpward},           {-90, xlDownward},        {91, xlHorizontal},           {-4200, xlHorizontal},
  };
  for (auto [sent, stored] : cases) {
    sim::CellDescription d = CellAt("$A$1");
    d.orientation = sent;
    EXPECT_EQ(stored, Decode(d).Orientation) << sent;
  }
}

TEST_F(CellRecordTest, TextGainsAByteOrderMarkAndEmptyTextIsNoText) {
  const std::pair<std::u16string, std::optional<std::u16string>> cases[] = {
      {u"Total", u"\uFEFFTotal"},
      {u"", std::nullopt},
      {u"\u00C4rger \U0001F600", u"\uFEFF\u00C4rger \U0001F600"},
      {std::u16string(4095, u'x'), u"\uFEFF" + std::u16string(4095, u'x')},
  };
  for (const auto& [sent, stored] : cases) {
    sim::CellDescription d = CellAt("$A$1");
    d.text = sent;
    EXPECT_EQ(stored, Decode(d).Text) << sent.size();
  }
}

TEST_F(CellRecordTest, FillColourCountsOnlyWithARealColourIndex) {
  const std::pair<int, int> cases[] = {{6, 0x00FFFF}, {xlNone, 0}, {xlAutomatic, 0}};
  for (auto [colorIndex, storedColor] : cases) {
    sim::CellDescription d = CellAt("$A$1");
    d.fillColorIndex = colorIndex;
    d.fillColor = 0x00FFFF;
    CAutoCell c = Decode(d);
    EXPECT_EQ(colorIndex, c.Interior.ColorIndex);
    EXPECT_EQ(storedColor, c.Interior.Color) << colorIndex;
  }
}

TEST_F(CellRecordTest, PatternsUseTheOptionSetsUnit) {
  sim::CellDescription d = CellAt("$A$1");
  d.pattern = xlGray50;
  d.patternColor = 0x808080;
  table.Setup.patternUnitFlag = 1;
  CAutoCell c = Decode(d);
  EXPECT_EQ("DOTS", c.Interior.PatternName);
  EXPECT_DOUBLE_EQ(3 * 0.03937007874015748, c.Interior.PatternSpacing);
  EXPECT_EQ(0x808080, c.Interior.PatternColor);
}

TEST_F(CellRecordTest, FontSizeScalesAndAFontNoRecordSetKeepsItsMarks) {
  table.Setup.FontScaleOpt = 2;  // text heights as Excel gives them
  sim::CellDescription d = CellAt("$A$1");
  d.fontSize = 12;
  EXPECT_EQ(12.0, Decode(d).Font.Size);

  CAutoCell neverSet;
  EXPECT_EQ(10000.0, neverSet.Font.Size);
  EXPECT_EQ(-1.0, neverSet.Font.FixedWidth);
  EXPECT_EQ("Arial", neverSet.Font.Name);
}

TEST_F(CellRecordTest, EdgeStylesAndWeightsFollowTheOptionSet) {
  table.Setup.BorderThinWeight = 1;
  table.Setup.BorderMediumWeight = 3;
  table.Setup.BorderThickWeight = 5;
  struct Case {
    int lineStyle, weight;
    const char* styleName;
    int lineCode, lineWeight;
  };
  const Case cases[] = {
      {xlContinuous, xlThin, "CONTINUOUS", 0, 1}, {xlDash, xlMedium, "DASHED", 3, 3},
      {xlDot, xlThick, "DOT", 1, 5},              {xlDashDot, xlHairline, "DASHDOT", 4, 0},
      {xlDashDotDot, xlThin, "DIVIDE", 6, 1},     {xlDouble, xlThick, "Double", 0, 5},
      {xlLineStyleNone, xlThin, "", 0, 1},
      // Slanted dash-dot: the nearest line drawn, a medium dash-dot, whatever weight comes.
      {xlSlantDashDot, xlMedium, "DASHDOT", 4, 3}, {xlSlantDashDot, xlThin, "DASHDOT", 4, 3},
      {xlContinuous, 99, "CONTINUOUS", 0, 0},
  };
  for (const Case& k : cases) {
    sim::CellDescription d = CellAt("$A$1");
    d.leftEdge = d.topEdge = d.rightEdge = d.bottomEdge = d.diagonalDown = d.diagonalUp = {k.lineStyle, k.weight, 0};
    CAutoCell c = Decode(d);
    for (const CAutoBorder& edge : c.Borders.Edges) {
      SCOPED_TRACE(std::to_string(k.lineStyle) + "/" + std::to_string(k.weight));
      EXPECT_EQ(k.styleName, edge.StyleName);
      EXPECT_EQ(k.lineCode, edge.LineCode);
      EXPECT_EQ(k.lineWeight, edge.LineWeight);
    }
  }
}

TEST_F(CellRecordTest, EveryCellsFontJoinsTheFontMapOnce) {
  const std::tuple<const char*, bool, bool> fonts[] = {
      {"Arial", true, false}, {"ARIAL", true, false}, {"Arial", false, false}, {"Times New Roman", false, true}};
  for (auto [name, bold, italic] : fonts) {
    sim::CellDescription d = CellAt("$A$1");
    d.fontName = name, d.bold = bold, d.italic = italic;
    Decode(d);
  }
  std::vector<std::string> entries;
  for (const ExcelFontMap& e : table.Setup.fontMap.entries) entries.push_back(e.m_strExcelFont + "/" + e.m_strStyle);
  EXPECT_EQ((std::vector<std::string>{"Arial/Bold", "Arial/Regular", "Times New Roman/Italic"}), entries);
}

TEST_F(CellRecordTest, AbsurdNumbersAreKeptForTheDrawingCodeToJudge) {
  const double inf = std::numeric_limits<double>::infinity();
  sim::CellDescription d = CellAt("$A$1");
  d.left = std::nan(""), d.top = -inf, d.width = 1e308, d.height = -0.0, d.fontSize = inf;
  d.indentLevel = std::numeric_limits<int>::min();
  CAutoCell c = Decode(d);
  EXPECT_TRUE(std::isnan(c.Left));
  EXPECT_EQ(-inf, c.Top);
  EXPECT_EQ(1e308, c.Width);
  EXPECT_TRUE(std::signbit(c.Height));
  EXPECT_EQ(inf, c.Font.Size);
  EXPECT_EQ(std::numeric_limits<int>::min(), c.IndentLevel);
}

TEST_F(CellRecordTest, FlagBytesOtherThanZeroCountAsSet) {
  std::vector<unsigned char> bytes = sim::EncodeCellRecord(CellAt("$A$1"));
  bytes[104] = bytes[105] = bytes[106] = 0x80;  // wrap text, bold, italic
  CAutoCell c = DecodeBytes(bytes);
  EXPECT_EQ(1, c.WrapText);
  EXPECT_EQ(1, c.Font.Bold);
  EXPECT_EQ(1, c.Font.Italic);
  EXPECT_EQ("Bold Italic", table.Setup.fontMap.entries.back().m_strStyle);
}

// A slot filled to its end without a NUL is cut at the slot's end; the next slot's
// string is read on its own.
TEST_F(CellRecordTest, UnterminatedStringsEndAtTheirSlot) {
  struct Case {
    CellRecordSlot slot;
    std::string (*read)(const CAutoCell&);
  };
  const Case cases[] = {
      {kCellAddress, [](const CAutoCell& c) { return c.Address; }},
      {kCellMergeAddress, [](const CAutoCell& c) { return c.MergeAddress; }},
      {kCellTextInfo1, [](const CAutoCell& c) { return c.TextInfo1; }},
      {kCellTextInfo2, [](const CAutoCell& c) { return c.TextInfo2; }},
      {kCellFontName, [](const CAutoCell& c) { return c.Font.Name; }},
  };
  for (const Case& k : cases) {
    std::vector<unsigned char> bytes = sim::EncodeCellRecord(CellAt("$A$1"));
    std::fill_n(bytes.begin() + k.slot.offset, k.slot.size, 'Q');
    CAutoCell c = DecodeBytes(bytes);
    EXPECT_EQ(std::string(k.slot.size, 'Q'), k.read(c)) << k.slot.offset;
  }

  // The wide text slot: 4096 units without a NUL.
  std::vector<unsigned char> bytes = sim::EncodeCellRecord(CellAt("$A$1"));
  for (size_t i = 0; i < kCellText.size; i += 2) bytes[kCellText.offset + i] = 'w';
  EXPECT_EQ(u"\uFEFF" + std::u16string(4096, u'w'), DecodeBytes(bytes).Text);
}

}  // namespace
