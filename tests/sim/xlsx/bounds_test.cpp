// Workbooks that are damaged, malformed or built to exhaust the reader: each is
// refused with a message that says why.
#include "sim/excel/xlsx/XlsxLimits.h"
#include "tests/sim/xlsx/XlsxTestSupport.h"

namespace {

constexpr const char* kMain = "xmlns='http://schemas.openxmlformats.org/spreadsheetml/2006/main'";

std::string Refusal(const std::string& bytes) {
  std::string error;
  auto book = ReadBytes(bytes, &error);
  EXPECT_FALSE(book);
  EXPECT_FALSE(error.empty());
  return error;
}

std::string Refusal(const sim::MinimalWorkbookParts& parts) { return Refusal(Zip(sim::MinimalWorkbookEntries(parts))); }

TEST(XlsxBounds, DamagedArchives) {
  std::string good = Zip(sim::MinimalWorkbookEntries({}));
  std::string error;
  ASSERT_TRUE(ReadBytes(good, &error)) << error;
  const std::string notZip = "The workbook is not a valid .xlsx file: it is not a zip archive or it is damaged.";
  EXPECT_EQ(notZip, Refusal("hello, this is no workbook"));
  EXPECT_EQ(notZip, Refusal(""));
  EXPECT_EQ(notZip, Refusal(good.substr(0, good.size() / 2)));
  EXPECT_EQ(notZip, Refusal(good.substr(0, good.size() - 10)));
  // A flipped byte inside a stored part is caught by its checksum.
  std::vector<sim::ZipEntry> entries = sim::MinimalWorkbookEntries({});
  for (auto& entry : entries) entry.compressed = false;
  std::string stored = Zip(entries);
  size_t at = stored.find("<sheetData>");
  ASSERT_NE(std::string::npos, at);
  stored[at + 1] = 'S';
  EXPECT_NE(std::string::npos, Refusal(stored).find("xl/worksheets/sheet1.xml cannot be read")) << Refusal(stored);

  std::string missing;
  EXPECT_FALSE(sim::ReadWorkbook("/nonexistent/folder/Book1.xlsx", &missing));
  EXPECT_EQ("The workbook file cannot be read: no such file.", missing);
}

TEST(XlsxBounds, ZipBombIsRefused) {
  std::vector<sim::ZipEntry> entries = sim::MinimalWorkbookEntries({});
  entries[4].bytes.replace(entries[4].bytes.find("<sheetData>"), 0, std::string(4 << 20, ' '));
  EXPECT_EQ("The workbook part xl/worksheets/sheet1.xml expands more than 200 times its compressed size.",
            Refusal(Zip(entries)));
}

TEST(XlsxBounds, PartsReadCountTowardsTheTotal) {
  // 257 sheets of one part of 4 MiB that does not compress: more than 1 GiB read in all.
  std::vector<sim::ZipEntry> entries = sim::MinimalWorkbookEntries({});
  std::string filler(4 << 20, 'a');
  for (size_t i = 0; i < filler.size(); ++i) filler[i] = static_cast<char>('a' + (i * 7919 + i / 26) % 26);
  for (size_t i = 996; i + 4 <= filler.size(); i += 1000) filler.replace(i, 4, "<b/>");  // text in runs of a real size
  entries[4] = {"xl/worksheets/sheet1.xml", std::string("<worksheet ") + kMain + "><x>" + filler + "</x></worksheet>", false};
  std::string sheets;
  for (int i = 1; i <= 257; ++i) sheets += "<sheet name='S" + std::to_string(i) + "' sheetId='1' r:id='rId1'/>";
  entries[2].bytes = std::string("<workbook ") + kMain +
                     " xmlns:r='http://schemas.openxmlformats.org/officeDocument/2006/relationships'><sheets>" + sheets +
                     "</sheets></workbook>";
  EXPECT_EQ("The workbook's parts are larger than 1024 MiB in all.", Refusal(Zip(entries)));
}

TEST(XlsxBounds, TooManyEntries) {
  std::vector<sim::ZipEntry> entries = sim::MinimalWorkbookEntries({});
  for (size_t i = entries.size(); i <= sim::kMaxWorkbookEntries; ++i) entries.push_back({"x/" + std::to_string(i), ""});
  EXPECT_EQ("The workbook has more than 10000 entries.", Refusal(Zip(entries)));
}

TEST(XlsxBounds, EntryNamesNeverLeaveThePackage) {
  std::vector<sim::ZipEntry> entries = sim::MinimalWorkbookEntries({});
  entries.push_back({"../evil.xml", "<a/>"});
  EXPECT_EQ("The workbook has an entry with an unsafe name: ../evil.xml.", Refusal(Zip(entries)));

  for (const char* name : {"/etc/passwd", "xl\\..\\x.xml", "C:/x.xml", "xl/../../x.xml"}) {
    entries.back().name = name;
    EXPECT_NE(std::string::npos, Refusal(Zip(entries)).find("unsafe name")) << name;
  }
  // A relationship may point only at parts inside the package.
  entries = sim::MinimalWorkbookEntries({});
  entries[3].bytes =
      "<Relationships xmlns='http://schemas.openxmlformats.org/package/2006/relationships'><Relationship Id='rId1' "
      "Type='http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet' "
      "Target='../../../etc/passwd'/></Relationships>";
  EXPECT_EQ("The workbook part xl/_rels/workbook.xml.rels refers to a part outside the workbook: ../../../etc/passwd.",
            Refusal(Zip(entries)));
}

TEST(XlsxBounds, DeepNestingIsRefused) {
  sim::MinimalWorkbookParts parts;
  std::string open, close;
  for (int i = 0; i < sim::kMaxXmlDepth; ++i) {
    open += "<x>";
    close += "</x>";
  }
  parts.sheetExtra = open + close;
  EXPECT_EQ("The workbook part xl/worksheets/sheet1.xml nests XML elements more than 256 levels deep.", Refusal(parts));
  parts.sheetExtra = "<x><x></x></x>";
  std::string error;
  EXPECT_TRUE(ReadParts(parts, &error)) << error;
}

// Worksheets and shared strings are streamed: what the parser and the reader hold at
// once is bounded, whatever the size of the part.
TEST(XlsxBounds, StreamedPartsHoldLittleAtOnce) {
  const std::string tooLong = "has an XML tag, comment or text of more than 1 MiB.";
  const std::string long1 = std::string((1 << 20) + 10, 'x');
  std::string runs;
  for (std::size_t i = 0; i <= sim::kMaxElementNodes / 3; ++i) runs += "<r><t>x</t></r>";
  struct Case {
    std::string sheetData;
    std::string message;
  } cases[] = {
      {"<row r='1'><c r='A1' foo='>" + long1 + "'/></row>", tooLong},
      {"<!--" + long1 + ">-->", tooLong},
      {"<row r='1'><c r='A1' t='inlineStr'><is><t>" + long1 + "</t></is></c></row>", tooLong},
      {"<row r='1'><c r='A1' t='inlineStr'><is>" + runs + "</is></c></row>",
       "has an element holding more than 1048576 XML nodes."},
  };
  for (const Case& c : cases) {
    std::vector<sim::ZipEntry> entries = sim::MinimalWorkbookEntries({.sheetData = c.sheetData});
    for (auto& entry : entries) entry.compressed = false;  // as large as they are
    const std::string message = Refusal(Zip(entries));
    EXPECT_NE(std::string::npos, message.find(c.message)) << message.substr(0, 200);
  }
  // Entities a part declares for itself are never expanded.
  std::vector<sim::ZipEntry> entries = sim::MinimalWorkbookEntries({.sheetData = "<row r='1'><c r='A1' t='str'><v>&a;</v></c></row>"});
  entries[4].bytes = "<!DOCTYPE worksheet [<!ENTITY a 'aaaaaaaaaa'>]>" + entries[4].bytes;
  EXPECT_EQ("The workbook part xl/worksheets/sheet1.xml declares XML entities, which no workbook does.",
            Refusal(Zip(entries)));
  // A cell text of a real size, and markup that only looks like a long tag, pass.
  std::string error;
  auto book = ReadParts({.sheetData = "<row r='1'><c r='A1' t='inlineStr'><is><t>" + std::string(32767, 'y') +
                                      "</t></is></c></row><!-- > -->"},
                        &error);
  ASSERT_TRUE(book) << error;
  EXPECT_EQ(32767u, book->sheets[0].FindCell(1, 1)->Text().size());
}

TEST(XlsxBounds, TooManyStyles) {
  sim::MinimalWorkbookParts parts;
  std::string xfs;
  for (size_t i = 0; i <= sim::kMaxStyles; ++i) xfs += "<xf/>";
  parts.styles = std::string("<styleSheet ") + kMain + "><cellXfs>" + xfs + "</cellXfs></styleSheet>";
  EXPECT_EQ("The workbook has more than 65000 styles.", Refusal(parts));
}

TEST(XlsxBounds, MalformedContent) {
  struct Case {
    sim::MinimalWorkbookParts parts;
    std::string message;
  } cases[] = {
      {{.sheetData = "<row><c r='A1'><v>1</v></c>"}, "xl/worksheets/sheet1.xml is not well-formed XML"},
      {{.sheetData = "<row r='1'><c r='A1' t='s'><v>0</v></c></row>"}, "refers to shared string 0, which does not exist"},
      {{.sheetData = "<row r='1'><c r='A1' t='s'><v>-1</v></c></row>"}, "refers to shared string -1"},
      {{.sheetData = "<row r='1'><c r='XFE1'><v>1</v></c></row>"}, "has a cell with a bad reference: XFE1."},
      {{.sheetData = "<row r='1048577'/>"}, "has a row numbered 1048577, outside the sheet."},
      {{.sheetData = "<row r='1'><c r='A1'><v>abc</v></c></row>"}, "whose number is not a number: abc."},
      {{.sheetData = "<row r='1'><c r='A1'><v>1e999</v></c></row>"}, "whose number is not a number"},
      {{.styles = "<styleSheet><fonts>"}, "xl/styles.xml is not well-formed XML"},
  };
  for (const Case& c : cases) {
    std::string message = Refusal(c.parts);
    EXPECT_NE(std::string::npos, message.find(c.message)) << message;
  }
  std::vector<sim::ZipEntry> noSheetPart = sim::MinimalWorkbookEntries({});
  noSheetPart.pop_back();
  EXPECT_EQ("The workbook has no part xl/worksheets/sheet1.xml.", Refusal(Zip(noSheetPart)));
  std::vector<sim::ZipEntry> noWorkbook = sim::MinimalWorkbookEntries({});
  noWorkbook.erase(noWorkbook.begin() + 1, noWorkbook.begin() + 3);
  EXPECT_EQ("The workbook is not a valid .xlsx file: it has no workbook part.", Refusal(Zip(noWorkbook)));
}

TEST(XlsxBounds, OddButHarmlessValuesAreKeptWithinRange) {
  sim::MinimalWorkbookParts parts;
  parts.styles = std::string("<styleSheet ") + kMain +
                 "><fonts><font><sz val='-5'/></font></fonts><cellXfs><xf fontId='99' fillId='-1' borderId='x'>"
                 "<alignment textRotation='200' indent='99999'/></xf></cellXfs></styleSheet>";
  parts.sheetBefore = "<sheetFormatPr defaultRowHeight='1e300' baseColWidth='-3'/><cols><col min='0' max='5' width='9'/>"
                      "<col min='3' max='99999' width='9'/><col min='2' max='4' width='1e9'/><col min='6' max='6'/></cols>";
  parts.sheetData = "<row r='1' ht='-4'><c r='A1' s='77'><v>1</v></c></row>";
  parts.sheetExtra = "<mergeCells><mergeCell ref='A1'/><mergeCell ref='Z'/><mergeCell ref='B2:C3'/></mergeCells>";
  std::string error;
  auto book = ReadParts(parts, &error);
  ASSERT_TRUE(book) << error;
  const sim::SheetData& sheet = book->sheets[0];
  EXPECT_EQ(409, sheet.defaultRowHeight);
  EXPECT_EQ(8, sheet.baseColWidth);
  ASSERT_EQ(2u, sheet.columns.size());
  EXPECT_EQ(255, sheet.columns[0].width);
  EXPECT_FALSE(sheet.columns[1].width);
  EXPECT_EQ(0, sheet.rows.at(1).height);
  EXPECT_EQ(0, sheet.FindCell(1, 1)->styleIndex);
  EXPECT_EQ(1u, sheet.mergedCells.size());
  const sim::CellStyle& style = *book->styles[0];
  EXPECT_EQ(1, style.font.size);
  EXPECT_EQ(0, style.alignment.textRotation);
  EXPECT_EQ(0, style.alignment.indent);
  EXPECT_EQ("none", style.fill.patternType);
}

}  // namespace
