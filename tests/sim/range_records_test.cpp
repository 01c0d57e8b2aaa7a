// The add-in's description of the cells of real workbooks: every record field as
// Excel reports it, read from the fixture workbooks whose labels say what each cell
// shows.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "model/CellRecordConversion.h"
#include "sim/Strings.h"
#include "sim/addin/CellRecordEncoder.h"
#include "sim/excel/xlsx/MinimalWorkbook.h"
#include "tests/TestSupport.h"
#include "tests/sim/RangeTestSupport.h"

namespace {

using sim::CellDescription;
using sim::EdgeDescription;

std::string Text(const CellDescription& cell) { return sim::Utf16ToUtf8(cell.text); }

// The cells of a sheet whose displayed text is a label, by label.
std::map<std::string, std::string> CellsByLabel(const sim::WorkbookData& book, int sheet = 0) {
  std::map<std::string, std::string> found;
  for (const auto& [ref, cell] : book.sheets[sheet].cells)
    if (cell.kind == sim::CellValueKind::Text)
      found[cell.Text()] = sim::AbsoluteAddressOf({ref.row, ref.column, ref.row, ref.column});
  return found;
}

std::string Below(const std::string& address) {
  sim::CellRef ref = sim::ParseCellRef(address).value();
  return sim::AbsoluteAddressOf({ref.row + 1, ref.column, ref.row + 1, ref.column});
}

TEST(RangeRecordsTest, EveryBorderStyleIsSentAsExcelsLineStyleAndWeight) {
  auto book = Fixture("59264.xlsx");  // each style on its own cell, labelled with its name
  const struct {
    const char* label;
    int lineStyle, weight;
  } cases[] = {
      {"THIN", 1, 2},          {"MEDIUM", 1, -4138},          {"THICK", 1, 4},
      {"HAIR", 1, 1},          {"DOUBLE", -4119, 4},          {"DOTTED", -4118, 2},
      {"DASHED", -4115, 2},    {"MEDIUM_DASHED", -4115, -4138}, {"DASH_DOT", 4, 2},
      {"MEDIUM_DASH_DOT", 4, -4138}, {"DASH_DOT_DOT", 5, 2}, {"MEDIUM_DASH_DOT_DOT", 5, -4138},
      {"SLANTED_DASH_DOT", 13, -4138},
  };
  auto labels = CellsByLabel(*book);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    CellDescription cell = DescribeCell(*book, labels.at(c.label));
    for (const EdgeDescription& edge : {cell.leftEdge, cell.topEdge, cell.rightEdge, cell.bottomEdge}) {
      EXPECT_EQ(c.lineStyle, edge.lineStyle);
      EXPECT_EQ(c.weight, edge.weight);
      EXPECT_EQ(0, edge.color);  // automatic
      EXPECT_EQ(1, edge.priority);
    }
    EXPECT_EQ(-4142, cell.diagonalDown.lineStyle);
  }
  // A cell without a border of its own: none at all.
  EXPECT_EQ(-4142, DescribeCell(*book, labels.at("NONE")).leftEdge.lineStyle);
}

TEST(RangeRecordsTest, AnEdgeTheCellLacksIsTheNeighboursAdjacentEdgeWithLowerPriority) {
  auto book = Fixture("59264.xlsx");  // B2 thin, C3 medium, on a diagonal
  CellDescription c2 = DescribeCell(*book, "C2");
  EXPECT_EQ(1, c2.leftEdge.lineStyle);
  EXPECT_EQ(2, c2.leftEdge.weight);
  EXPECT_EQ(0, c2.leftEdge.priority);
  EXPECT_EQ(-4138, c2.bottomEdge.weight);  // C3's top
  EXPECT_EQ(0, c2.bottomEdge.priority);
  EXPECT_EQ(-4142, c2.rightEdge.lineStyle);
  EXPECT_EQ(-4142, c2.topEdge.lineStyle);

  auto red = Fixture("bootstrap32.xlsx");  // red borders; colours are Excel RGB, red in the low byte
  EXPECT_EQ(0x0000FF, DescribeCell(*red, "B5").topEdge.color);
  auto diagonals = Fixture("bootstrap33.xlsx");
  const struct {
    const char* address;
    bool down, up;
  } cases[] = {{"B2", false, true}, {"B4", true, false}, {"B6", true, true}};
  for (const auto& c : cases) {
    CellDescription cell = DescribeCell(*diagonals, c.address);
    EXPECT_EQ(c.down ? 1 : -4142, cell.diagonalDown.lineStyle) << c.address;
    EXPECT_EQ(c.up ? 1 : -4142, cell.diagonalUp.lineStyle) << c.address;
  }
  CellDescription coloured = DescribeCell(*diagonals, "B10");
  EXPECT_EQ(0x0000FF, coloured.diagonalUp.color);
  EXPECT_EQ(0x50B000, coloured.leftEdge.color);
}

TEST(RangeRecordsTest, EveryPatternIsSentAsExcelsPatternWithItsColours) {
  auto book = Fixture("47_xlsxfill.xlsx");  // each pattern below its name
  const std::map<std::string, int> patterns = {
      {"solid", 1},          {"darkGray", -4126},      {"mediumgray", -4125},     {"lightGray", -4124},
      {"gray125", 17},       {"gray0625", 18},         {"darkHorizontal", -4128}, {"darkVertical", -4166},
      {"darkDown", -4121},   {"darkUp", -4162},        {"darkGrid", 9},           {"darkTrellis", 10},
      {"lightHorizontal", 11}, {"lightVertical", 12},  {"lightDown", 13},         {"lightUp", 14},
      {"lightGrid", 15},     {"lightTrellis", 16},
  };
  int seen = 0;
  for (const auto& [ref, cell] : book->sheets[0].cells) {
    if (ref.row > 6 || cell.kind != sim::CellValueKind::Text) continue;
    SCOPED_TRACE(cell.Text());
    CellDescription filled = DescribeCell(*book, Below(sim::AbsoluteAddressOf({ref.row, ref.column, ref.row, ref.column})));
    EXPECT_EQ(patterns.at(cell.Text()), filled.pattern);
    ++seen;
  }
  EXPECT_EQ(18, seen);

  // darkDown, yellow on red: the pattern's colour and the cell's colour beneath it.
  CellDescription coloured = DescribeCell(*book, "A9");
  EXPECT_EQ(-4121, coloured.pattern);
  EXPECT_EQ(0x00FFFF, coloured.patternColor);
  EXPECT_EQ(0x0000FF, coloured.fillColor);
  EXPECT_EQ(3, coloured.fillColorIndex);  // red in Excel's palette
  CellDescription plain = DescribeCell(*book, "A1");
  EXPECT_EQ(-4142, plain.pattern);
  EXPECT_EQ(-4142, plain.fillColorIndex);
}

TEST(RangeRecordsTest, NumbersAreSentBesideTheirTextAsExcelWritesTheirValue) {
  sim::MinimalWorkbookParts parts;
  parts.sheetData = R"(<row r="1"><c r="A1"><v>100000</v></c><c r="B1"><v>1E+20</v></c><c r="C1"><v>0.1</v></c>)"
                    R"(<c r="D1"><v>0.33333333333333331</v></c><c r="E1"><v>1.5E-7</v></c><c r="F1"><v>-2.5</v></c></row>)";
  std::string error;
  std::string bytes = sim::MakeZipArchive(sim::MinimalWorkbookEntries(parts), &error);
  auto values = sim::ReadWorkbookFromMemory(bytes.data(), bytes.size(), &error);
  ASSERT_NE(nullptr, values) << error;
  const std::pair<const char*, const char*> cases[] = {{"A1", "100000"},           {"B1", "1E+20"},
                                                       {"C1", "0.1"},              {"D1", "0.333333333333333"},
                                                       {"E1", "1.5E-07"},          {"F1", "-2.5"}};
  for (const auto& [address, value] : cases) EXPECT_EQ(value, DescribeCell(*values, address).textInfo2) << address;
}

TEST(RangeRecordsTest, AlignmentsAreExcelsWithGeneralResolvedAsTheValueIsShown) {
  auto book = Fixture("bootstrap29.xlsx");
  const struct {
    const char* address;
    int horizontal, vertical;
  } cases[] = {
      {"A1", -4131, -4107}, {"A2", -4131, -4107}, {"A3", -4108, -4107}, {"A4", -4152, -4107},
      {"A5", 5, -4107},     {"A6", -4130, -4107}, {"A7", 7, -4107},     {"A8", -4117, -4107},
      {"A10", -4131, -4108}, {"A11", -4131, -4160}, {"A12", -4131, -4130}, {"A13", -4131, -4117},
      {"A14", -4108, -4108},
  };
  for (const auto& c : cases) {
    CellDescription cell = DescribeCell(*book, c.address);
    EXPECT_EQ(c.horizontal, cell.horizontalAlignment) << c.address;
    EXPECT_EQ(c.vertical, cell.verticalAlignment) << c.address;
  }

  // General: numbers right, texts left, booleans and errors centred, as Excel shows them.
  sim::MinimalWorkbookParts parts;
  parts.sheetData = R"(<row r="1"><c r="A1"><v>12.5</v></c><c r="B1" t="inlineStr"><is><t>x</t></is></c>)"
                    R"(<c r="C1" t="b"><v>1</v></c><c r="D1" t="e"><v>#DIV/0!</v></c></row>)";
  std::string error;
  std::string bytes = sim::MakeZipArchive(sim::MinimalWorkbookEntries(parts), &error);
  auto values = sim::ReadWorkbookFromMemory(bytes.data(), bytes.size(), &error);
  ASSERT_NE(nullptr, values) << error;
  const struct {
    const char* address;
    int horizontal;
    const char* text;
    const char* value;
  } general[] = {{"A1", -4152, "12.5", "12.5"}, {"B1", -4131, "x", "x"}, {"C1", -4108, "TRUE", "TRUE"},
                 {"D1", -4108, "#DIV/0!", "#DIV/0!"}, {"E1", -4131, "", ""}};
  for (const auto& c : general) {
    CellDescription cell = DescribeCell(*values, c.address);
    EXPECT_EQ(c.horizontal, cell.horizontalAlignment) << c.address;
    EXPECT_EQ(c.text, Text(cell)) << c.address;
    EXPECT_EQ(c.value, cell.textInfo2) << c.address;
  }
}

TEST(RangeRecordsTest, RotationsAreReportedAsExcelsOrientation) {
  auto book = Fixture("TextRotation.xlsx");  // "Rotation: -90" ... "Rotation: 90", "Vertical: 255"
  int seen = 0;
  for (const auto& [label, address] : CellsByLabel(*book)) {
    SCOPED_TRACE(label);
    int degrees = std::stoi(label.substr(label.find(':') + 1));
    int expected = degrees == 255 ? -4166 : degrees == 90 ? -4171 : degrees == -90 ? -4170 : degrees == 0 ? -4128 : degrees;
    EXPECT_EQ(expected, DescribeCell(*book, address).orientation);
    ++seen;
  }
  EXPECT_EQ(20, seen);
}

TEST(RangeRecordsTest, IndentWrapFontsAndUnderlinesComeFromTheCellsFormat) {
  auto book = Fixture("4_every_style.xlsx");  // the label in column C, the formatted cell in D
  CellDescription wrap = DescribeCell(*book, "D9");
  EXPECT_TRUE(wrap.wrapText);
  CellDescription indent = DescribeCell(*book, "D11");
  EXPECT_EQ(4, indent.indentLevel);
  EXPECT_EQ(-4131, indent.horizontalAlignment);
  EXPECT_EQ(45, DescribeCell(*book, "D12").orientation);
  CellDescription plain = DescribeCell(*book, "D2");
  EXPECT_FALSE(plain.wrapText);
  EXPECT_EQ(0, plain.indentLevel);
  EXPECT_FALSE(plain.bold);
  EXPECT_EQ("string", Text(plain));
  EXPECT_TRUE(DescribeCell(*book, "D15").bold);
  EXPECT_TRUE(DescribeCell(*book, "D16").italic);
  const struct {
    const char* address;
    int underline;
  } underlines[] = {{"D14", -4142}, {"D17", 2}, {"D18", -4119}, {"D19", 4}, {"D20", 5}};
  for (const auto& c : underlines) EXPECT_EQ(c.underline, DescribeCell(*book, c.address).underline) << c.address;
  EXPECT_EQ(book->defaultFont.name, plain.fontName);
  EXPECT_EQ(book->defaultFont.size, plain.fontSize);
}

TEST(RangeRecordsTest, EveryCellOfAMergedAreaCarriesTheAreaAndItsSize) {
  auto book = Fixture("merge_cells01.xlsx");  // A1:A2 ... D1:D2
  sim::CellRect range = sim::ParseCellRect("A1:D2").value();
  sim::CRangeRecords records(*book, 0, range, book->sheets[0].cells);
  CellDescription top = records.Describe(1, 2), bottom = records.Describe(2, 2);
  EXPECT_EQ("$B$1", top.address);
  EXPECT_EQ("$B$1:$B$2", top.mergeAddress);
  EXPECT_EQ("$B$2", bottom.address);
  EXPECT_EQ("$B$1:$B$2", bottom.mergeAddress);
  EXPECT_DOUBLE_EQ(top.height + bottom.height, top.layoutHeight);
  EXPECT_DOUBLE_EQ(top.layoutHeight, bottom.layoutHeight);
  EXPECT_DOUBLE_EQ(top.width, top.layoutWidth);
  EXPECT_DOUBLE_EQ(top.top + top.height, bottom.top);
  EXPECT_EQ("col2", Text(top));
  EXPECT_EQ("", Text(bottom));
  EXPECT_EQ("$A$1:$D$2", top.rangeAddress);
  EXPECT_EQ("Sheet1", top.sheetName);

  // Not merged: its own address and size.
  auto other = Fixture("59264.xlsx");
  CellDescription single = DescribeCell(*other, "B2");
  EXPECT_EQ("$B$2", single.mergeAddress);
  EXPECT_DOUBLE_EQ(single.width, single.layoutWidth);
}

class RichTextTest : public HostTest {};

TEST_F(RichTextTest, RichTextIsSentWithItsRunDescriptionAndReadBackIntoRuns) {
  auto book = Fixture("rich_string12.xlsx");  // "This is\n", bold "bold\n", "and this is\n", italic "italic"
  CellDescription cell = DescribeCell(*book, "A3");
  EXPECT_EQ("This is\nbold\nand this is\nitalic", Text(cell));
  EXPECT_EQ("Calibri|b0|i0|s0|7:Calibri|b1|i0|s0|12:Calibri|b0|i0|s0|24:Calibri|b0|i1|s0|30", cell.runDescription);
  EXPECT_TRUE(cell.wrapText);
  EXPECT_EQ("", DescribeCell(*book, "A1").runDescription);  // plain text has no runs

  std::vector<unsigned char> bytes = sim::EncodeCellRecord(cell);
  QuorvelleSetup setup;
  CAutoCell read = ReadCellRecord(*CCellRecord::FromMessage(bytes.data(), bytes.size()), setup);
  ASSERT_EQ(4u, read.Font.Runs.size());
  EXPECT_EQ(u"bold\n", read.Font.Runs[1].GetRunText());
  EXPECT_EQ(u"italic", read.Font.Runs[3].GetRunText());
}

// Sixty runs that differ in colour, every tenth bold: the description carries no
// colour, so runs alike in what it carries are one, and the bold ones still fit.
TEST_F(RichTextTest, ManyColouredRunsKeepTheirBoldAndItalicRuns) {
  std::string runs;
  for (int i = 0; i < 60; ++i) {
    char colour[16];
    std::snprintf(colour, sizeof colour, "FF%06X", i * 4111);
    runs += std::string("<r><rPr>") + (i % 10 == 9 ? "<b/>" : "") + "<color rgb=\"" + colour +
            "\"/><rFont val=\"Calibri\"/></rPr><t>ab</t></r>";
  }
  sim::MinimalWorkbookParts parts;
  parts.sheetData = "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is>" + runs + "</is></c></row>";
  std::string error;
  std::string bytes = sim::MakeZipArchive(sim::MinimalWorkbookEntries(parts), &error);
  auto book = sim::ReadWorkbookFromMemory(bytes.data(), bytes.size(), &error);
  ASSERT_NE(nullptr, book) << error;
  const std::string description = DescribeCell(*book, "A1").runDescription;
  std::string expected;
  for (int block = 0; block < 6; ++block) {
    const int boldStart = block * 20 + 18;  // each block: nine plain runs, then a bold one
    expected += (block ? ":" : "") + std::string("Calibri|b0|i0|s0|") + std::to_string(boldStart - 1) +
                ":Calibri|b1|i0|s0|" + std::to_string(boldStart + 1);
  }
  EXPECT_EQ(expected, description);
}

TEST(RangeRecordsTest, NumberFormatsGiveTheShownTextAndCarryTheCodeAndTheValue) {
  auto book = Fixture("Formatting.xlsx");  // 24 November 2006 and 10.52 under several formats
  const struct {
    const char* address;
    const char* text;
    const char* code;
  } cases[] = {
      {"B3", "2006/11/24", "yyyy/mm/dd"}, {"B7", "24-11-06", "dd\\-mm\\-yy"}, {"B10", "10.52", "General"},
      {"B11", "10.520", "0.000"},         {"B12", "10.5", "0.0"},            {"B13", "£10.52", "\"£\"#,##0.00"},
  };
  for (const auto& c : cases) {
    CellDescription cell = DescribeCell(*book, c.address);
    EXPECT_EQ(c.text, Text(cell)) << c.address;
    EXPECT_EQ(c.code, cell.textInfo1) << c.address;
    EXPECT_EQ(-4152, cell.horizontalAlignment) << c.address;
  }
  EXPECT_EQ("39045", DescribeCell(*book, "B3").textInfo2);
  EXPECT_EQ("10.52", DescribeCell(*book, "B13").textInfo2);
  CellDescription empty = DescribeCell(*book, "C3");
  EXPECT_EQ("", Text(empty));
  EXPECT_EQ("", empty.textInfo1);
}

}  // namespace
