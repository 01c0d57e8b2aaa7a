// The drawing objects of real workbooks as the reader gives them, and drawings that
// come damaged or hostile: each bad object is left out with its warning, and the
// workbook still opens.
#include <gtest/gtest.h>

#include <string>

#include "sim/excel/xlsx/XlsxLimits.h"
#include "tests/sim/xlsx/XlsxTestSupport.h"

namespace {

using sim::DrawingKind;
using sim::DrawingObjectData;

const DrawingObjectData& Named(const sim::SheetData& sheet, const std::string& name) {
  for (const DrawingObjectData& object : sheet.drawings)
    if (object.name == name) return object;
  throw std::runtime_error("no drawing object " + name);
}

TEST(DrawingReader, ShapesLinesAndTextBoxesWithTheirLinesFillsAndTexts) {
  auto book = OpenFixture("56514.xlsx");
  const sim::SheetData& sheet = book->sheets[0];
  ASSERT_EQ(4u, sheet.drawings.size());
  EXPECT_TRUE(sheet.drawingWarnings.empty());

  const DrawingObjectData& oval = sheet.drawings[0];
  EXPECT_EQ("Oval 1", oval.name);
  EXPECT_EQ(1025, oval.id);
  EXPECT_EQ(DrawingKind::Shape, oval.kind);
  EXPECT_EQ("ellipse", oval.geometry);
  EXPECT_EQ(sim::DrawingAnchor::Kind::TwoCell, oval.anchor.kind);
  EXPECT_EQ(2, oval.anchor.from.column);
  EXPECT_EQ(2, oval.anchor.from.row);
  EXPECT_EQ(3, oval.anchor.to.column);
  EXPECT_DOUBLE_EQ(342900 / 12700.0, oval.anchor.to.columnOffset);
  EXPECT_TRUE(oval.fill.visible);
  EXPECT_EQ(0xCCFFCCu, oval.fill.rgb);
  EXPECT_TRUE(oval.line.visible);
  EXPECT_DOUBLE_EQ(0.75, oval.line.weight);

  const DrawingObjectData& line = Named(sheet, "Line 3");
  EXPECT_EQ("line", line.geometry);
  EXPECT_EQ("sysDot", line.line.dash);
  EXPECT_DOUBLE_EQ(10, line.line.weight);
  EXPECT_EQ(0xFF0000u, line.line.rgb);
  EXPECT_FALSE(line.fill.visible);
  EXPECT_DOUBLE_EQ(4, Named(sheet, "Rectangle 2").line.weight);

  // A text box's font is its first run's; the runs' texts make the text.
  const DrawingObjectData& box = Named(sheet, "Textfeld 1");
  EXPECT_EQ(DrawingKind::TextBox, box.kind);
  EXPECT_EQ(sim::DrawingAnchor::Kind::OneCell, box.anchor.kind);
  EXPECT_DOUBLE_EQ(1647825 / 12700.0, box.anchor.width);
  EXPECT_TRUE(box.hasText);
  EXPECT_EQ("my styled text", box.text.text);
  EXPECT_FALSE(box.text.bold);
  EXPECT_EQ("Calibri", box.text.fontName);  // the theme's minor font, by the style's fontRef
  EXPECT_EQ("t", box.text.anchor);
  EXPECT_EQ(0x92D050u, box.fill.rgb);
}

TEST(DrawingReader, FontsParagraphsAlignmentsAndThemeColours) {
  auto bold = OpenFixture("textbox21.xlsx");
  const sim::DrawingTextData& text = bold->sheets[0].drawings.at(0).text;
  EXPECT_EQ("This is some text", text.text);
  EXPECT_DOUBLE_EQ(12, text.fontSize);
  EXPECT_TRUE(text.bold);
  EXPECT_TRUE(text.italic);
  EXPECT_EQ("sng", text.underline);

  // Paragraphs joined by "\n"; lumMod 20% lumOff 80% of accent1 is its lightest tint.
  auto pictures = OpenFixture("WithDrawing.xlsx");
  const DrawingObjectData& box = Named(pictures->sheets[0], "TextBox 8");
  EXPECT_EQ("Sheet with various pictures\n(jpeg, png, wmf, emf and pict)", box.text.text);
  EXPECT_EQ("ctr", box.text.align);
  EXPECT_EQ("ctr", box.text.anchor);
  EXPECT_EQ(0xDCE6F2u, box.fill.rgb);  // Office 2007's accent1 4F81BD at 20% luminance + 80%
  EXPECT_EQ(0x4F81BDu, box.line.rgb);
}

TEST(DrawingReader, ArrowheadsDashesAndAdjustmentsAsWritten) {
  auto line = OpenFixture("asposepy-line_book1.out.xlsx");
  const DrawingObjectData& arrowed = line->sheets[0].drawings.at(0);
  EXPECT_EQ("diamond", arrowed.line.head.type);
  EXPECT_EQ("triangle", arrowed.line.tail.type);
  EXPECT_EQ("med", arrowed.line.tail.length);
  EXPECT_DOUBLE_EQ(3, arrowed.line.weight);

  auto adjusted = OpenFixture("sampleChangeShapesAdjustmentValues.xlsx");
  const sim::SheetData& sheet = adjusted->sheets[0];
  EXPECT_EQ("roundRect", Named(sheet, "Rounded Rectangle 1").geometry);
  EXPECT_DOUBLE_EQ(6818, Named(sheet, "Rounded Rectangle 1").adjustments.at("adj"));
  EXPECT_DOUBLE_EQ(43243, Named(sheet, "Isosceles Triangle 2").adjustments.at("adj"));
}

TEST(DrawingReader, GroupMembersAreFlattenedIntoTheGroupsAnchor) {
  auto book = OpenFixture("00d63cdd-ee44-4e6a-99af-a7966ffbdda0.xlsx");
  const sim::SheetData& sheet = book->sheets[0];
  ASSERT_EQ(3u, sheet.drawings.size());
  const DrawingObjectData& first = Named(sheet, "Rectangle 1");
  const DrawingObjectData& second = Named(sheet, "Rectangle 2");
  EXPECT_NEAR(0, first.boxLeft, 1e-9);
  EXPECT_NEAR(1333500.0 / 3152775, first.boxWidth, 1e-9);
  EXPECT_NEAR(1, second.boxLeft + second.boxWidth, 1e-9);  // the group's right edge
  EXPECT_NEAR(1, second.boxTop + second.boxHeight, 1e-9);
  EXPECT_TRUE(first.fill.visible);  // grpFill: the group's accent1
  EXPECT_EQ(0x4F81BDu, first.fill.rgb);
  const DrawingObjectData& elbow = Named(sheet, "Elbow Connector 4");
  EXPECT_EQ(DrawingKind::Connector, elbow.kind);
  EXPECT_EQ("bentConnector3", elbow.geometry);
  EXPECT_EQ("arrow", elbow.line.tail.type);
  EXPECT_EQ(first.anchor.from.column, elbow.anchor.from.column);
}

TEST(DrawingReader, PicturesAndChartsKeepTheirParts) {
  auto book = OpenFixture("WithDrawing.xlsx");
  const DrawingObjectData& jpeg = Named(book->sheets[0], "Picture 1");
  EXPECT_EQ(DrawingKind::Picture, jpeg.kind);
  EXPECT_EQ("xl/media/image1.jpeg", jpeg.mediaPart);
  EXPECT_EQ("xl/media/image5.wmf", Named(book->sheets[0], "Picture 7").mediaPart);

  auto chart = OpenFixture("chart_bar01.xlsx");
  const DrawingObjectData& bar = chart->sheets[0].drawings.at(0);
  EXPECT_EQ(DrawingKind::Chart, bar.kind);
  EXPECT_EQ("xl/charts/chart1.xml", bar.chartPart);
  EXPECT_EQ("", bar.mediaPart);  // Excel keeps no picture of its charts
}

// A workbook whose one sheet has the drawing, read from memory; it must open.
std::shared_ptr<const sim::WorkbookData> WithDrawing(const std::string& anchors, const std::string& rels = "",
                                                     std::vector<sim::ZipEntry> others = {}) {
  sim::MinimalWorkbookParts parts;
  parts.drawing = std::string(kDrawingStart) + anchors + "</xdr:wsDr>";
  parts.drawingRelationships = rels;
  parts.otherParts = std::move(others);
  std::string error;
  auto book = ReadParts(parts, &error);
  EXPECT_TRUE(book) << error;
  return book;
}

std::string Shape(const std::string& name, const std::string& anchorStart = TwoCell(0, 0, 2, 2)) {
  return anchorStart + "<xdr:sp><xdr:nvSpPr><xdr:cNvPr id='2' name='" + name +
         "'/><xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr><a:prstGeom prst='rect'/></xdr:spPr></xdr:sp>" + AnchorEnd(anchorStart);
}

std::string Picture(const std::string& name, const std::string& blip) {
  return TwoCell(0, 0, 2, 2) + "<xdr:pic><xdr:nvPicPr><xdr:cNvPr id='3' name='" + name +
         "'/><xdr:cNvPicPr/></xdr:nvPicPr><xdr:blipFill><a:blip " + blip +
         "/></xdr:blipFill><xdr:spPr/></xdr:pic></xdr:twoCellAnchor>";
}

TEST(DrawingReader, AShapeTurnedAQuarterKeepsItsOwnBoxAroundItsAnchorsCentre) {
  // Excel anchors a shape turned by 90 degrees by its box turned a quarter: 100 x 200
  // points for a shape of 200 x 100.
  auto book = WithDrawing("<xdr:absoluteAnchor><xdr:pos x='0' y='0'/><xdr:ext cx='1270000' cy='2540000'/><xdr:sp>"
                          "<xdr:nvSpPr><xdr:cNvPr id='2' name='Turned'/></xdr:nvSpPr><xdr:spPr><a:xfrm rot='5400000'>"
                          "<a:off x='-635000' y='635000'/><a:ext cx='2540000' cy='1270000'/></a:xfrm>"
                          "<a:prstGeom prst='rect'/></xdr:spPr></xdr:sp></xdr:absoluteAnchor>");
  ASSERT_TRUE(book);
  const DrawingObjectData& turned = book->sheets[0].drawings.at(0);
  EXPECT_DOUBLE_EQ(90, turned.rotation);
  EXPECT_DOUBLE_EQ(-0.5, turned.boxLeft);
  EXPECT_DOUBLE_EQ(0.25, turned.boxTop);
  EXPECT_DOUBLE_EQ(2, turned.boxWidth);
  EXPECT_DOUBLE_EQ(0.5, turned.boxHeight);
}

TEST(DrawingReader, BadObjectsAreLeftOutWithAWarningAndTheRestIsRead) {
  struct Case {
    const char* what;
    std::string anchors;
    std::string rels;
    std::string warning;  // a part of the warning
  };
  const std::string good = Shape("Good");
  const Case cases[] = {
      {"negative size", Shape("Bad", "<xdr:oneCellAnchor>" + Marker("from", 0, 0) + "<xdr:ext cx='-5' cy='10'/>"), "",
       "\"Bad\" of the sheet \"Sheet1\" is left out: its place on the sheet cannot be read"},
      {"unparsable cell", Shape("Bad", "<xdr:twoCellAnchor><xdr:from><xdr:col>NaN</xdr:col><xdr:colOff>0</xdr:colOff>"
                                       "<xdr:row>0</xdr:row><xdr:rowOff>0</xdr:rowOff></xdr:from>" + Marker("to", 2, 2)),
       "", "its place on the sheet cannot be read"},
      {"huge offset", Shape("Bad", "<xdr:absoluteAnchor><xdr:pos x='1e300' y='0'/><xdr:ext cx='10' cy='10'/>"), "",
       "its place on the sheet cannot be read"},
      {"missing picture", Picture("Pic", "r:embed='rId7'"),
       "<Relationship Id='rId7' Type='http://schemas.openxmlformats.org/officeDocument/2006/relationships/image' "
       "Target='../media/image9.png'/>",
       "\"Pic\" of the sheet \"Sheet1\" is left out: its picture xl/media/image9.png is missing from the workbook"},
      {"external picture", Picture("Pic", "r:embed='rId7'"),
       "<Relationship Id='rId7' Type='http://schemas.openxmlformats.org/officeDocument/2006/relationships/image' "
       "Target='http://example.com/a.png' TargetMode='External'/>",
       "its picture is a file outside the workbook"},
      {"linked picture", Picture("Pic", "r:link='rId7'"), "", "its picture is linked to a file outside the workbook"},
      {"picture outside the package", Picture("Pic", "r:embed='rId7'"),
       "<Relationship Id='rId7' Type='http://schemas.openxmlformats.org/officeDocument/2006/relationships/image' "
       "Target='../../../../etc/passwd'/>",
       "refers to a part outside the workbook"},
      {"unknown kind", TwoCell(0, 0, 1, 1) + "<xdr:contentPart r:id='rId3'/></xdr:twoCellAnchor>", "",
       "is of a kind (contentPart) that is not drawn"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto book = WithDrawing(c.anchors + good, c.rels);
    ASSERT_TRUE(book);
    const sim::SheetData& sheet = book->sheets[0];
    ASSERT_EQ(1u, sheet.drawings.size());
    EXPECT_EQ("Good", sheet.drawings[0].name);
    ASSERT_FALSE(sheet.drawingWarnings.empty());
    EXPECT_NE(std::string::npos, sheet.drawingWarnings[0].text.find(c.warning)) << sheet.drawingWarnings[0].text;
  }
}

TEST(DrawingReader, AnUnreadableDrawingPartLeavesTheSheetWithoutObjects) {
  struct Case {
    const char* what;
    std::string drawing;
    std::string warning;
  };
  std::string deep = std::string(kDrawingStart) + TwoCell(0, 0, 1, 1);
  for (int i = 0; i < 40; ++i)
    deep += "<xdr:grpSp><xdr:nvGrpSpPr><xdr:cNvPr id='1' name='G'/></xdr:nvGrpSpPr><xdr:grpSpPr><a:xfrm><a:off x='0' "
            "y='0'/><a:ext cx='10' cy='10'/><a:chOff x='0' y='0'/><a:chExt cx='10' cy='10'/></a:xfrm></xdr:grpSpPr>";
  for (int i = 0; i < 40; ++i) deep += "</xdr:grpSp>";
  deep += "</xdr:twoCellAnchor></xdr:wsDr>";
  const Case cases[] = {
      {"malformed XML", std::string(kDrawingStart) + "<xdr:twoCellAnchor>", "is not well-formed XML"},
      {"groups nested past the bound", deep, "its groups are nested more than 32 deep"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim::MinimalWorkbookParts parts;
    parts.drawing = c.drawing;
    parts.sheetData = "<row r='1'><c r='A1'><v>1</v></c></row>";
    std::string error;
    auto book = ReadParts(parts, &error);
    ASSERT_TRUE(book) << error;
    EXPECT_TRUE(book->sheets[0].drawings.empty());
    ASSERT_EQ(1u, book->sheets[0].drawingWarnings.size());
    EXPECT_NE(std::string::npos, book->sheets[0].drawingWarnings[0].text.find(c.warning))
        << book->sheets[0].drawingWarnings[0].text;
    EXPECT_NE(nullptr, book->sheets[0].FindCell(1, 1));
  }
}

TEST(DrawingReader, CountlessObjectsWithoutAPlaceAreToldAboutInAFewLines) {
  std::string anchors;
  const std::string nowhere = "<xdr:absoluteAnchor><xdr:pos x='-1' y='0'/><xdr:ext cx='1' cy='1'/>";
  for (int i = 0; i < 5000; ++i) anchors += Shape("S" + std::to_string(i), nowhere);
  auto book = WithDrawing(anchors);
  ASSERT_TRUE(book);
  const auto& warnings = book->sheets[0].drawingWarnings;
  ASSERT_EQ(sim::kMaxDrawingWarnings + 1, warnings.size());
  EXPECT_EQ("The drawing object \"S0\" of the sheet \"Sheet1\" is left out: its place on the sheet cannot be read.",
            warnings[0].text);
  EXPECT_EQ("More drawing objects of the sheet \"Sheet1\" are left out than are named here.", warnings.back().text);
}

TEST(DrawingReader, ObjectsPastTheBoundAreLeftOutWithOneWarning) {
  std::string anchors;
  for (std::size_t i = 0; i <= sim::kMaxDrawingObjects; ++i) anchors += Shape("S" + std::to_string(i));
  auto book = WithDrawing(anchors);
  ASSERT_TRUE(book);
  EXPECT_EQ(sim::kMaxDrawingObjects, book->sheets[0].drawings.size());
  ASSERT_EQ(1u, book->sheets[0].drawingWarnings.size());
  EXPECT_EQ("The sheet \"Sheet1\" has more than 10000 drawing objects; those after the first 10000 are left out.",
            book->sheets[0].drawingWarnings[0].text);
}

}  // namespace
