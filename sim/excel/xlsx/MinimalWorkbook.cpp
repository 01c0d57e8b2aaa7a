#include "sim/excel/xlsx/MinimalWorkbook.h"

namespace sim {
namespace {

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr const char* kRelsNs = "http://schemas.openxmlformats.org/package/2006/relationships";
constexpr const char* kDocRels = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";

std::string Relationship(const std::string& id, const std::string& type, const std::string& target) {
  return "<Relationship Id=\"" + id + "\" Type=\"" + std::string(kDocRels) + "/" + type + "\" Target=\"" + target +
         "\"/>";
}

// The content types of the parts, so that other programs open the workbook too.
std::string ContentTypes(const MinimalWorkbookParts& parts) {
  const std::string ml = "application/vnd.openxmlformats-officedocument.spreadsheetml.";
  auto override = [](const std::string& part, const std::string& type) {
    return "<Override PartName=\"" + part + "\" ContentType=\"" + type + "\"/>";
  };
  std::string types = "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                      "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                      "<Default Extension=\"xml\" ContentType=\"application/xml\"/>";
  types += override("/xl/workbook.xml", ml + "sheet.main+xml");
  types += override("/xl/worksheets/sheet1.xml", ml + "worksheet+xml");
  if (!parts.styles.empty()) types += override("/xl/styles.xml", ml + "styles+xml");
  if (!parts.sharedStrings.empty()) types += override("/xl/sharedStrings.xml", ml + "sharedStrings+xml");
  if (!parts.drawing.empty())
    types += override("/xl/drawings/drawing1.xml", "application/vnd.openxmlformats-officedocument.drawing+xml");
  return types + "</Types>";
}

}  // namespace

std::vector<ZipEntry> MinimalWorkbookEntries(const MinimalWorkbookParts& parts) {
  std::string workbookRels = Relationship("rId1", "worksheet", "worksheets/sheet1.xml");
  if (!parts.styles.empty()) workbookRels += Relationship("rId2", "styles", "styles.xml");
  if (!parts.sharedStrings.empty()) workbookRels += Relationship("rId3", "sharedStrings", "sharedStrings.xml");
  std::vector<ZipEntry> entries = {
      {"[Content_Types].xml", ContentTypes(parts)},
      {"_rels/.rels", "<Relationships xmlns=\"" + std::string(kRelsNs) + "\">" +
                          Relationship("rId1", "officeDocument", "xl/workbook.xml") + "</Relationships>"},
      {"xl/workbook.xml", "<workbook xmlns=\"" + std::string(kMain) + "\" xmlns:r=\"" + kDocRels +
                              "\"><sheets><sheet name=\"" + parts.sheetName + "\" sheetId=\"1\" r:id=\"rId1\"/></sheets>" +
                              parts.workbookExtra + "</workbook>"},
      {"xl/_rels/workbook.xml.rels", "<Relationships xmlns=\"" + std::string(kRelsNs) + "\">" + workbookRels +
                                         "</Relationships>"},
      {"xl/worksheets/sheet1.xml", "<worksheet xmlns=\"" + std::string(kMain) + "\" xmlns:r=\"" + kDocRels + "\">" +
                                       parts.sheetBefore + "<sheetData>" + parts.sheetData + "</sheetData>" +
                                       parts.sheetExtra + (parts.drawing.empty() ? "" : "<drawing r:id=\"rId1\"/>") +
                                       "</worksheet>"},
  };
  if (!parts.drawing.empty()) {
    entries.push_back({"xl/worksheets/_rels/sheet1.xml.rels",
                       "<Relationships xmlns=\"" + std::string(kRelsNs) + "\">" +
                           Relationship("rId1", "drawing", "../drawings/drawing1.xml") + "</Relationships>"});
    entries.push_back({"xl/drawings/drawing1.xml", parts.drawing});
    entries.push_back({"xl/drawings/_rels/drawing1.xml.rels", "<Relationships xmlns=\"" + std::string(kRelsNs) +
                                                                  "\">" + parts.drawingRelationships +
                                                                  "</Relationships>"});
  }
  entries.insert(entries.end(), parts.otherParts.begin(), parts.otherParts.end());
  if (!parts.styles.empty()) entries.push_back({"xl/styles.xml", parts.styles});
  if (!parts.sharedStrings.empty()) entries.push_back({"xl/sharedStrings.xml", parts.sharedStrings});
  return entries;
}

}  // namespace sim
