// The add-in's drawing-object records for a range: which objects go, where they sit
// relative to the range, Office's values for them, their pictures saved as files,
// and what is not sent said before the range begins.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "automation/ShapeRecordLayout.h"
#include "platform/registry.h"
#include "sim/addin/AddinOptions.h"
#include "sim/addin/RangeTransfer.h"
#include "sim/excel/xlsx/SheetGeometry.h"
#include "tests/TestSupport.h"
#include "tests/sim/RangeTestSupport.h"
#include "tests/sim/xlsx/XlsxTestSupport.h"

namespace {

// A drawing-object record read back field by field.
struct Record {
  std::vector<unsigned char> bytes;
  double Double(std::size_t at) const {
    std::uint64_t bits = 0;
    std::memcpy(&bits, bytes.data() + at, 8);
    return std::bit_cast<double>(bits);
  }
  int Int(std::size_t at) const {
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
  }
  std::string String(CellRecordSlot slot) const {
    const char* text = reinterpret_cast<const char*>(bytes.data() + slot.offset);
    return std::string(text, strnlen(text, slot.size));
  }
};

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class RangeShapesTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    folder = sim::ToWindowsPath(dir.path().string()) + "\\";
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, sim::kAddinOptionsKey, 0, nullptr, 0, KEY_WRITE,
                                             nullptr, &key, nullptr));
    RegSetValueExA(key, "CurDrawingFolder", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>(folder.size() + 1));
    RegCloseKey(key);
  }

  std::unique_ptr<RecordingMessages> Send(const sim::WorkbookData& book, const std::string& reference,
                                          const std::string& path = "Z:\\books\\Book.xlsx") {
    auto messages = std::make_unique<RecordingMessages>();
    std::vector<sim::CellRect> areas;
    std::string error;
    EXPECT_TRUE(sim::ResolveTransferAreas(book, 0, reference, &areas, &error)) << error;
    EXPECT_TRUE(sim::SendRange(book, 0, areas, path, *messages, &error)) << error;
    return messages;
  }

  std::string folder;  // CurDrawingFolder
};

TEST_F(RangeShapesTest, TheObjectsWithinTheRangeFollowItsCellsPlacedFromItsCorner) {
  auto book = Fixture("56514.xlsx");
  // Oval 1 covers C3:D8 and Line 3 C10:D15; Rectangle 2 (I3:L5) and the text box
  // (from G9) lie outside.
  auto sent = Send(*book, "B2:E16");
  std::vector<std::string> expected = {"path Z:\\books\\Book.xlsx", "begin 4"};
  for (int row = 2; row <= 16; ++row)
    for (char column : std::string("BCDE")) expected.push_back("record $" + std::string(1, column) + "$" + std::to_string(row));
  expected.insert(expected.end(), {"shape 0", "shape 1", "end 1"});
  EXPECT_EQ(expected, sent->log);
  ASSERT_EQ(2u, sent->shapes.size());
  ASSERT_EQ(kShapeRecordSize, sent->shapes[0].size());

  const sim::CSheetGeometry geometry = sim::CSheetGeometry::Of(*book, book->sheets[0]);
  Record oval{sent->shapes[0]};
  EXPECT_EQ(kMsoAutoShape, oval.Int(kShapeType));
  EXPECT_EQ(kMsoShapeOval, oval.Int(kShapeAutoShapeType));
  EXPECT_DOUBLE_EQ(geometry.ColumnWidth(2), oval.Double(kShapeLeft));  // column B before it
  EXPECT_DOUBLE_EQ(geometry.RowHeight(2), oval.Double(kShapeTop));
  EXPECT_DOUBLE_EQ(geometry.ColumnWidth(3) + 342900 / 12700.0, oval.Double(kShapeWidth));
  EXPECT_EQ(0xCCFFCC, oval.Int(kShapeFillColor));  // Excel RGB: CC FF CC either way
  EXPECT_EQ(1, oval.Int(kShapeFillVisible));

  Record line{sent->shapes[1]};
  EXPECT_EQ(kMsoLine, line.Int(kShapeType));
  EXPECT_EQ(kMsoShapeNotPrimitive, line.Int(kShapeAutoShapeType));
  EXPECT_EQ(kMsoLineRoundDot, line.Int(kShapeLineDashStyle));
  EXPECT_DOUBLE_EQ(10, line.Double(kShapeLineWeight));
  EXPECT_EQ(0x0000FF, line.Int(kShapeLineColor));  // red, in the low byte
}

TEST_F(RangeShapesTest, ArrowheadsAdjustmentsAndTextsInOfficesValues) {
  Record arrowed{Send(*Fixture("asposepy-line_book1.out.xlsx"), "A1:H20")->shapes.at(0)};
  EXPECT_EQ(kMsoArrowheadDiamond, arrowed.Int(kShapeBeginArrowStyle));
  EXPECT_EQ(kMsoArrowheadTriangle, arrowed.Int(kShapeEndArrowStyle));
  EXPECT_EQ(kMsoArrowheadMedium, arrowed.Int(kShapeEndArrowLength));
  EXPECT_DOUBLE_EQ(3, arrowed.Double(kShapeLineWeight));

  // The arc's default angles, 270 and 0 degrees clockwise, as Excel gives them.
  auto arcs = Send(*Fixture("asposepy-arc_book1.out.xlsx"), "A1:H20");
  ASSERT_EQ(2u, arcs->shapes.size());
  Record arc{arcs->shapes[0]};
  EXPECT_EQ(kMsoShapeArc, arc.Int(kShapeAutoShapeType));
  EXPECT_DOUBLE_EQ(-90, arc.Double(kShapeAdjustment1));
  EXPECT_DOUBLE_EQ(0, arc.Double(kShapeAdjustment2));
  EXPECT_EQ(0, arc.Int(kShapeLineVisible));  // its own line says noFill

  auto adjusted = Send(*Fixture("sampleChangeShapesAdjustmentValues.xlsx"), "A1:M12");
  ASSERT_EQ(3u, adjusted->shapes.size());
  EXPECT_EQ(kMsoShapeRoundedRectangle, Record{adjusted->shapes[0]}.Int(kShapeAutoShapeType));
  EXPECT_DOUBLE_EQ(0.06818, Record{adjusted->shapes[0]}.Double(kShapeAdjustment1));
  EXPECT_DOUBLE_EQ(0.43243, Record{adjusted->shapes[1]}.Double(kShapeAdjustment1));

  auto elbow = Send(*Fixture("00d63cdd-ee44-4e6a-99af-a7966ffbdda0.xlsx"), "A1:J15");
  ASSERT_EQ(3u, elbow->shapes.size());
  Record connector{elbow->shapes[2]};
  EXPECT_EQ(1, connector.Int(kShapeConnectorFlag));
  EXPECT_EQ(kMsoConnectorElbow, connector.Int(kShapeConnectorType));
  EXPECT_DOUBLE_EQ(0.5, connector.Double(kShapeAdjustment1));
  EXPECT_EQ(kMsoArrowheadOpen, connector.Int(kShapeEndArrowStyle));

  Record box{Send(*Fixture("textbox21.xlsx"), "A1:H15")->shapes.at(0)};
  EXPECT_EQ(kMsoTextBox, box.Int(kShapeType));
  EXPECT_EQ(kMsoShapeRectangle, box.Int(kShapeAutoShapeType));
  EXPECT_EQ("Calibri", box.String(kShapeFontName));
  EXPECT_DOUBLE_EQ(12, box.Double(kShapeFontSize));
  EXPECT_EQ(1, box.bytes[kShapeTextBold]);
  EXPECT_EQ(1, box.bytes[kShapeTextItalic]);
  EXPECT_EQ(2, box.Int(kShapeTextUnderline));  // xlUnderlineStyleSingle
  EXPECT_EQ(-4131, box.Int(kShapeTextHorizontalAlignment));
  EXPECT_EQ(-4160, box.Int(kShapeTextVerticalAlignment));
  const std::u16string text = u"This is some text";
  EXPECT_EQ(0, std::memcmp(text.data(), box.bytes.data() + kShapeText.offset, text.size() * 2));
}

TEST_F(RangeShapesTest, PicturesAreSavedAsTheyAreAndSentByTheirWindowsPaths) {
  auto book = Fixture("image01.xlsx");
  auto sent = Send(*book, "A1:J30", "Z:\\books\\image01.xlsx");
  ASSERT_EQ(1u, sent->shapes.size());
  Record picture{sent->shapes[0]};
  EXPECT_EQ(kMsoPicture, picture.Int(kShapeType));
  const std::string path = picture.String(kShapePicturePath);
  EXPECT_EQ(folder + "QuorvellePictures\\image01_Sheet1_" + std::to_string(book->sheets[0].drawings[0].id) + ".png",
            path);
  std::string media;
  ASSERT_TRUE(sim::ReadMediaPart(*book, "xl/media/image1.png",
                                 [&](const char* data, std::size_t size) { return media.append(data, size), true; },
                                 &media));
  EXPECT_EQ(media, Slurp(sim::ToLinuxPath(path)));

  // Sent again, the range writes the same file over.
  std::ofstream(sim::ToLinuxPath(path)) << "stale";
  EXPECT_EQ(path, Record{Send(*book, "A1:J30", "Z:\\books\\image01.xlsx")->shapes.at(0)}.String(kShapePicturePath));
  EXPECT_EQ(media, Slurp(sim::ToLinuxPath(path)));
}

TEST_F(RangeShapesTest, ChartsGoAsPicturesOnlyWhenTheWorkbookHasOne) {
  auto bare = Send(*Fixture("chart_bar01.xlsx"), "A1:M25");
  EXPECT_TRUE(bare->shapes.empty());
  ASSERT_GE(bare->log.size(), 3u);
  EXPECT_EQ("message The chart \"Chart 1\" of the sheet \"Sheet1\" has no picture in the workbook and is not sent.",
            bare->log[1]);
  EXPECT_EQ("begin 13", bare->log[2]);

  // A chart that carries its picture as the alternate content's fallback.
  const std::string png = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10", 24) + "rest";
  sim::MinimalWorkbookParts parts;
  parts.drawing = std::string(kDrawingStart) + TwoCell(1, 1, 4, 6) +
                  "<mc:AlternateContent><mc:Choice Requires='c14'><xdr:graphicFrame><xdr:nvGraphicFramePr>"
                  "<xdr:cNvPr id='4' name='Chart 3'/></xdr:nvGraphicFramePr><a:graphic><a:graphicData>"
                  "<c:chart r:id='rId2'/></a:graphicData></a:graphic></xdr:graphicFrame></mc:Choice><mc:Fallback>"
                  "<xdr:pic><xdr:nvPicPr><xdr:cNvPr id='4' name='Chart 3'/></xdr:nvPicPr><xdr:blipFill>"
                  "<a:blip r:embed='rId1'/></xdr:blipFill><xdr:spPr/></xdr:pic></mc:Fallback></mc:AlternateContent>"
                  "<xdr:clientData/></xdr:twoCellAnchor></xdr:wsDr>";
  parts.drawingRelationships = ImageRelationship("rId1", "../media/image1.png");
  parts.otherParts = {{"xl/media/image1.png", png}};
  std::string error;
  auto book = ReadParts(parts, &error);
  ASSERT_TRUE(book) << error;
  Record chart{Send(*book, "A1:F8", "Z:\\books\\Charts.xlsx")->shapes.at(0)};
  EXPECT_EQ(kMsoChart, chart.Int(kShapeType));
  EXPECT_EQ(kMsoShapeNotPrimitive, chart.Int(kShapeAutoShapeType));
  EXPECT_EQ(folder + "QuorvellePictures\\Charts_Sheet1_4.png", chart.String(kShapePicturePath));
  EXPECT_EQ(png, Slurp(sim::ToLinuxPath(chart.String(kShapePicturePath))));
}

// A PNG header of that many pixels, and some bytes after it.
std::string PngOf(std::uint32_t width, std::uint32_t height) {
  std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
  for (std::uint32_t value : {width, height})
    for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((value >> shift) & 0xFF);
  return bytes + std::string(100, 'x');
}

TEST_F(RangeShapesTest, PicturesThatCannotBeSentAreSaidAndLeaveNoFile) {
  struct Case {
    const char* what;
    std::string media;
    std::string workbookPath;
    std::string message;  // after "The picture \"Pic\" of the sheet \"Sheet1\" is not sent: "
  };
  const std::string longName = "Z:\\books\\" + std::string(250, 'b') + ".xlsx";
  const Case cases[] = {
      {"header cut short", PngOf(16, 16).substr(0, 20), "Z:\\books\\Book.xlsx", "its image is damaged."},
      {"absurd pixels", PngOf(30000, 10), "Z:\\books\\Book.xlsx",
       "its image is 30000 x 10 pixels, more than 20000 a side or 100 million in all."},
      {"too many pixels", PngOf(15000, 15000), "Z:\\books\\Book.xlsx",
       "its image is 15000 x 15000 pixels, more than 20000 a side or 100 million in all."},
      {"decompression bomb", PngOf(16, 16) + std::string(80u << 20, '\0'), "Z:\\books\\Book.xlsx",
       "its image cannot be read (The workbook part xl/media/image1.png expands more than 200 times its "
       "compressed size)."},
      {"path too long", PngOf(16, 16), longName, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    sim::MinimalWorkbookParts parts;
    parts.drawing = std::string(kDrawingStart) + TwoCell(0, 0, 2, 2) +
                    "<xdr:pic><xdr:nvPicPr><xdr:cNvPr id='3' name='Pic'/></xdr:nvPicPr><xdr:blipFill><a:blip "
                    "r:embed='rId1'/></xdr:blipFill><xdr:spPr/></xdr:pic><xdr:clientData/></xdr:twoCellAnchor>"
                    "</xdr:wsDr>";
    parts.drawingRelationships = ImageRelationship("rId1", "../media/image1.png");
    parts.otherParts = {{"xl/media/image1.png", c.media}};
    std::string error;
    auto book = ReadParts(parts, &error);
    ASSERT_TRUE(book) << error;
    auto sent = Send(*book, "A1:C3", c.workbookPath);
    EXPECT_TRUE(sent->shapes.empty());
    ASSERT_GE(sent->log.size(), 3u);
    const std::string said = "message The picture \"Pic\" of the sheet \"Sheet1\" is not sent: ";
    EXPECT_EQ(0u, sent->log[1].find(said)) << sent->log[1];
    if (!c.message.empty()) EXPECT_EQ(said + c.message, sent->log[1]);
    else EXPECT_NE(std::string::npos, sent->log[1].find("is longer than 259 characters")) << sent->log[1];
    EXPECT_EQ("begin 3", sent->log[2]);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path() / "QuorvellePictures"));
  }
}

TEST_F(RangeShapesTest, TheReadersWarningsGoWithTheRangesOfTheirObjects) {
  sim::MinimalWorkbookParts parts;
  parts.drawing = std::string(kDrawingStart) + TwoCell(0, 0, 1, 1) +
                  "<xdr:pic><xdr:nvPicPr><xdr:cNvPr id='3' name='Gone'/></xdr:nvPicPr><xdr:blipFill>"
                  "<a:blip r:embed='rId1'/></xdr:blipFill><xdr:spPr/></xdr:pic></xdr:twoCellAnchor></xdr:wsDr>";
  parts.drawingRelationships = ImageRelationship("rId1", "../media/none.png");
  std::string error;
  auto book = ReadParts(parts, &error);
  ASSERT_TRUE(book) << error;
  EXPECT_EQ((std::vector<std::string>{"path Z:\\books\\Book.xlsx",
                                      "message The drawing object \"Gone\" of the sheet \"Sheet1\" is left out: its "
                                      "picture xl/media/none.png is missing from the workbook.",
                                      "begin 2", "record $A$1", "record $B$1", "record $A$2", "record $B$2", "end 1"}),
            Send(*book, "A1:B2")->log);
  // A range away from the object hears nothing of it.
  EXPECT_EQ((std::vector<std::string>{"path Z:\\books\\Book.xlsx", "begin 1", "record $D$4", "end 1"}),
            Send(*book, "D4")->log);
}

}  // namespace
