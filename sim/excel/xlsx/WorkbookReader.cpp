#include "sim/excel/xlsx/WorkbookReader.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "sim/excel/xlsx/XlsxColors.h"
#include "sim/excel/xlsx/XlsxPackage.h"
#include "sim/excel/xlsx/XlsxSheet.h"
#include "sim/excel/xlsx/XlsxStyles.h"
#include "sim/excel/xlsx/XlsxText.h"
#include "sim/excel/xlsx/XlsxXml.h"

namespace sim {
namespace {

using Relationships = std::map<std::string, Relationship>;

// The target of the first relationship of that type, or the usual part name when
// the package has no such relationship but has that part.
std::string TargetOfType(const Relationships& rels, std::string_view type, const CXlsxPackage& package,
                         std::string_view usual) {
  for (const auto& [id, rel] : rels)
    if (rel.type == type && !rel.target.empty()) return rel.target;
  return !usual.empty() && package.Has(usual) ? std::string(usual) : std::string();
}

void ReadWorkbookProperties(pugi::xml_node workbook, WorkbookData* book) {
  book->date1904 = BoolAttr(Child(workbook, "workbookPr"), "date1904", false);
  pugi::xml_node view = Child(Child(workbook, "bookViews"), "workbookView");
  book->activeTab = static_cast<int>(IntAttr(view, "activeTab", 0, 1 << 20).value_or(0));
  for (pugi::xml_node name : Children(Child(workbook, "definedNames"), "definedName")) {
    DefinedName defined;
    defined.name = Attr(name, "name").value();
    if (std::optional<long long> local = IntAttr(name, "localSheetId", 0, 1 << 20))
      defined.localSheetId = static_cast<int>(*local);
    defined.refersTo = name.child_value();
    defined.hidden = BoolAttr(name, "hidden", false);
    book->definedNames.push_back(std::move(defined));
  }
}

bool ReadLastModified(CXlsxPackage& package, const Relationships& packageRels, WorkbookData* book,
                      std::string* error) {
  std::string core = TargetOfType(packageRels, "core-properties", package, "docProps/core.xml");
  if (core.empty()) return true;
  XmlPart part;
  if (!ReadXmlPart(package, core, &part, error)) return false;
  book->lastModified = Child(Root(part), "modified").child_value();
  return true;
}

bool ReadThemePart(CXlsxPackage& package, const Relationships& workbookRels, WorkbookColors* colors,
                   std::string* error) {
  std::string themePart = TargetOfType(workbookRels, "theme", package, "");
  if (themePart.empty()) return true;
  XmlPart xml;
  if (!ReadXmlPart(package, themePart, &xml, error)) return false;
  ReadThemeColors(xml, colors);
  return true;
}

bool ReadStylesPart(CXlsxPackage& package, const Relationships& workbookRels, WorkbookColors* colors,
                    WorkbookStyles* styles, std::string* error) {
  std::string stylesPart = TargetOfType(workbookRels, "styles", package, "");
  if (stylesPart.empty()) return ReadStyles(nullptr, colors, styles, error);
  XmlPart xml;
  return ReadXmlPart(package, stylesPart, &xml, error) && ReadStyles(&xml, colors, styles, error);
}

bool ReadPackage(CXlsxPackage& package, WorkbookData* book, std::string* error) {
  Relationships packageRels, workbookRels;
  if (!package.Relationships("", &packageRels, error)) return false;
  std::string workbookPart = TargetOfType(packageRels, "officeDocument", package, "xl/workbook.xml");
  if (workbookPart.empty()) {
    *error = "The workbook is not a valid .xlsx file: it has no workbook part.";
    return false;
  }
  XmlPart workbook;
  if (!ReadXmlPart(package, workbookPart, &workbook, error) ||
      !package.Relationships(workbookPart, &workbookRels, error))
    return false;
  pugi::xml_node workbookRoot = Root(workbook);
  ReadWorkbookProperties(workbookRoot, book);

  WorkbookColors colors;
  WorkbookStyles styles;
  if (!ReadThemePart(package, workbookRels, &colors, error) ||
      !ReadStylesPart(package, workbookRels, &colors, &styles, error))
    return false;
  book->styles = styles.cellStyles;
  book->defaultFont = styles.defaultFont;

  SharedStrings strings;
  std::string stringsPart = TargetOfType(workbookRels, "sharedStrings", package, "");
  if (!stringsPart.empty()) {
    XmlPart stringsXml;
    if (!ReadXmlPart(package, stringsPart, &stringsXml, error) ||
        !ReadSharedStrings(stringsXml, colors, styles.defaultFont, &strings, error))
      return false;
  }

  SheetReadContext context{colors, styles, strings};
  for (pugi::xml_node entry : Children(Child(workbookRoot, "sheets"), "sheet")) {
    SheetData sheet;
    sheet.name = Attr(entry, "name").value();
    if (pugi::xml_attribute state = Attr(entry, "state")) sheet.state = state.value();
    auto rel = workbookRels.find(Attr(entry, "id").value());
    if (rel == workbookRels.end() || rel->second.target.empty()) {
      *error = "The workbook names the sheet " + sheet.name + " but has no part for it.";
      return false;
    }
    sheet.kind = rel->second.type;
    if (sheet.kind == "worksheet") {
      XmlPart sheetXml;
      if (!ReadXmlPart(package, rel->second.target, &sheetXml, error) ||
          !ReadSheet(sheetXml, rel->second.target, &context, &sheet, error))
        return false;
    }
    book->sheets.push_back(std::move(sheet));
  }
  if (book->sheets.empty()) {
    *error = "The workbook has no sheets.";
    return false;
  }
  if (book->activeTab >= static_cast<int>(book->sheets.size())) book->activeTab = 0;
  return ReadLastModified(package, packageRels, book, error);
}

}  // namespace

std::shared_ptr<const WorkbookData> ReadWorkbook(const std::string& linuxPath, std::string* error) {
  CXlsxPackage package;
  auto book = std::make_shared<WorkbookData>();
  std::error_code ignored;
  std::filesystem::path full = std::filesystem::absolute(linuxPath, ignored);
  book->fullPath = full.empty() ? linuxPath : full.lexically_normal().string();
  if (!package.OpenFile(linuxPath, error) || !ReadPackage(package, book.get(), error)) return nullptr;
  return book;
}

std::shared_ptr<const WorkbookData> ReadWorkbookFromMemory(const void* data, std::size_t size, std::string* error) {
  CXlsxPackage package;
  auto book = std::make_shared<WorkbookData>();
  if (!package.OpenMemory(data, size, error) || !ReadPackage(package, book.get(), error)) return nullptr;
  return book;
}

}  // namespace sim
