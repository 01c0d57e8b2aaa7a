#include "sim/excel/xlsx/WorkbookReader.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <mutex>
#include <span>
#include <system_error>
#include <type_traits>

#include "sim/excel/xlsx/XlsxColors.h"
#include "sim/excel/xlsx/XlsxDrawing.h"
#include "sim/excel/xlsx/XlsxLimits.h"
#include "sim/excel/xlsx/XlsxPackage.h"
#include "sim/excel/xlsx/XlsxSheet.h"
#include "sim/excel/xlsx/XlsxStyles.h"
#include "sim/excel/xlsx/XlsxText.h"
#include "sim/excel/xlsx/XlsxXml.h"

namespace sim {

// What reading cells and pictures again needs: the open package and what the cells
// refer to.
struct WorkbookSource {
  std::mutex mutex;  // the package reads one part at a time
  std::string bytes;  // of a workbook read from memory, which the package reads
  CXlsxPackage package;
  WorkbookColors colors;
  ThemeFonts fonts;
  WorkbookStyles styles;
  std::string sharedStringsPart;
  std::size_t sharedStringCount = 0;
};

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

// The element of a properties part and the name Excel gives the property.
struct PropertyName {
  const char* element;
  const char* excelName;
};
constexpr PropertyName kCoreProperties[] = {
    {"title", "Title"},           {"subject", "Subject"},          {"creator", "Author"},
    {"keywords", "Keywords"},     {"description", "Comments"},     {"lastModifiedBy", "Last Author"},
    {"revision", "Revision Number"}, {"lastPrinted", "Last Print Date"}, {"created", "Creation Date"},
    {"modified", "Last Save Time"}, {"category", "Category"},      {"contentStatus", "Content status"},
    {"language", "Language"},     {"version", "Document version"}};
constexpr PropertyName kExtendedProperties[] = {
    {"Application", "Application Name"}, {"Company", "Company"}, {"Manager", "Manager"},
    {"HyperlinkBase", "Hyperlink base"}, {"Template", "Template"}};

// The properties that part holds with a value; a package without it has none.
bool ReadProperties(CXlsxPackage& package, const std::string& partName, std::span<const PropertyName> names,
                    WorkbookData* book, std::string* error) {
  if (partName.empty()) return true;
  XmlPart part;
  if (!ReadXmlPart(package, partName, &part, error)) return false;
  for (const PropertyName& name : names)
    if (std::string value = Child(Root(part), name.element).child_value(); !value.empty())
      book->documentProperties[name.excelName] = std::move(value);
  return true;
}

bool ReadDocumentProperties(CXlsxPackage& package, const Relationships& packageRels, WorkbookData* book,
                            std::string* error) {
  return ReadProperties(package, TargetOfType(packageRels, "core-properties", package, "docProps/core.xml"),
                        kCoreProperties, book, error) &&
         ReadProperties(package, TargetOfType(packageRels, "extended-properties", package, "docProps/app.xml"),
                        kExtendedProperties, book, error);
}

bool ReadThemePart(CXlsxPackage& package, const Relationships& workbookRels, WorkbookColors* colors,
                   ThemeFonts* fonts, std::string* error) {
  std::string themePart = TargetOfType(workbookRels, "theme", package, "");
  if (themePart.empty()) return true;
  XmlPart xml;
  if (!ReadXmlPart(package, themePart, &xml, error)) return false;
  ReadThemeColors(xml, colors);
  ReadThemeFonts(xml, fonts);
  return true;
}

bool ReadStylesPart(CXlsxPackage& package, const Relationships& workbookRels, WorkbookColors* colors,
                    WorkbookStyles* styles, std::string* error) {
  std::string stylesPart = TargetOfType(workbookRels, "styles", package, "");
  if (stylesPart.empty()) return ReadStyles(nullptr, colors, styles, error);
  XmlPart xml;
  return ReadXmlPart(package, stylesPart, &xml, error) && ReadStyles(&xml, colors, styles, error);
}

// Gives the kept cells that refer to shared strings their texts, reading only those.
bool ResolveSharedTexts(WorkbookSource& source, SheetReadContext& context, std::string* error) {
  if (context.sharedTexts.empty()) return true;
  std::vector<bool> wanted(source.sharedStringCount);
  for (const auto& [cell, index] : context.sharedTexts) wanted[index] = true;
  std::vector<std::size_t> indices;  // of the texts read, in order
  for (std::size_t i = 0; i < wanted.size(); ++i)
    if (wanted[i]) indices.push_back(i);
  std::size_t count = 0;
  std::vector<std::shared_ptr<const CellText>> texts;
  if (!ReadSharedStrings(source.package, source.sharedStringsPart, source.colors, source.styles.defaultFont, wanted,
                         &count, &texts, error))
    return false;
  if (count != source.sharedStringCount || texts.size() != indices.size()) {
    *error = "The workbook part " + source.sharedStringsPart + " has changed since the workbook was opened.";
    return false;
  }
  for (const auto& [cell, index] : context.sharedTexts)
    cell->text = texts[static_cast<std::size_t>(std::lower_bound(indices.begin(), indices.end(), index) - indices.begin())];
  context.sharedTexts.clear();
  return true;
}

bool ReadPackage(WorkbookSource& source, WorkbookCells cells, WorkbookData* book, std::string* error) {
  CXlsxPackage& package = source.package;
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

  if (!ReadThemePart(package, workbookRels, &source.colors, &source.fonts, error) ||
      !ReadStylesPart(package, workbookRels, &source.colors, &source.styles, error))
    return false;
  book->styles = source.styles.cellStyles;
  book->defaultFont = source.styles.defaultFont;

  source.sharedStringsPart = TargetOfType(workbookRels, "sharedStrings", package, "");
  if (!source.sharedStringsPart.empty()) {
    std::vector<std::shared_ptr<const CellText>> none;
    if (!ReadSharedStrings(package, source.sharedStringsPart, source.colors, source.styles.defaultFont, {},
                           &source.sharedStringCount, &none, error))
      return false;
  }

  // Cells waiting for their shared strings are pointed to until all sheets are read.
  static_assert(std::is_nothrow_move_constructible_v<SheetData>, "sheets move with their cells");
  SheetReadContext context{source.colors, source.styles, source.sharedStringCount};
  context.keep.all = cells == WorkbookCells::All;
  for (pugi::xml_node entry : Children(Child(workbookRoot, "sheets"), "sheet")) {
    SheetData& sheet = book->sheets.emplace_back();
    sheet.name = Attr(entry, "name").value();
    if (pugi::xml_attribute state = Attr(entry, "state")) sheet.state = state.value();
    auto rel = workbookRels.find(Attr(entry, "id").value());
    if (rel == workbookRels.end() || rel->second.target.empty()) {
      *error = "The workbook names the sheet " + sheet.name + " but has no part for it.";
      return false;
    }
    sheet.kind = rel->second.type;
    if (sheet.kind == "worksheet") {
      sheet.partName = rel->second.target;
      if (!ReadSheet(package, sheet.partName, &context, &sheet, error)) return false;
      ReadSheetDrawing(package, sheet.partName, DrawingTheme{source.colors, source.fonts}, &sheet);
    }
  }
  if (book->sheets.empty()) {
    *error = "The workbook has no sheets.";
    return false;
  }
  if (book->activeTab >= static_cast<int>(book->sheets.size())) book->activeTab = 0;
  book->cellsKept = cells == WorkbookCells::All;
  return ResolveSharedTexts(source, context, error) && ReadDocumentProperties(package, packageRels, book, error);
}

}  // namespace

std::shared_ptr<const WorkbookData> ReadWorkbook(const std::string& linuxPath, std::string* error,
                                                 WorkbookCells cells) {
  auto source = std::make_shared<WorkbookSource>();
  auto book = std::make_shared<WorkbookData>();
  std::error_code ignored;
  std::filesystem::path full = std::filesystem::absolute(linuxPath, ignored);
  book->fullPath = full.empty() ? linuxPath : full.lexically_normal().string();
  if (!source->package.OpenFile(linuxPath, error) || !ReadPackage(*source, cells, book.get(), error)) return nullptr;
  book->source = std::move(source);
  return book;
}

std::shared_ptr<const WorkbookData> ReadWorkbookFromMemory(const void* data, std::size_t size, std::string* error) {
  auto source = std::make_shared<WorkbookSource>();
  auto book = std::make_shared<WorkbookData>();
  source->bytes.assign(static_cast<const char*>(data), size);
  if (!source->package.OpenMemory(source->bytes.data(), source->bytes.size(), error) ||
      !ReadPackage(*source, WorkbookCells::All, book.get(), error))
    return nullptr;
  book->source = std::move(source);
  return book;
}

bool ReadMediaPart(const WorkbookData& book, const std::string& partName,
                   const std::function<bool(const char*, std::size_t)>& sink, std::string* error) {
  if (!book.source) {
    *error = "The workbook's file is no longer at hand.";
    return false;
  }
  WorkbookSource& source = *book.source;
  std::lock_guard<std::mutex> lock(source.mutex);
  source.package.StartReading();
  std::uint64_t size = 0;
  return source.package.ReadStream(
      partName,
      [&](const char* data, std::size_t count) {
        size += count;
        if (size > kMaxMediaBytes) {
          *error = "The workbook part " + partName + " is larger than " + std::to_string(kMaxMediaBytes >> 20) +
                   " MiB.";
          return false;
        }
        return sink(data, count);
      },
      error);
}

bool ReadSheetCells(const WorkbookData& book, int sheetIndex, const CellRect& area, CellMap* cells,
                    std::string* error) {
  cells->clear();
  const SheetData& sheet = book.sheets.at(static_cast<std::size_t>(sheetIndex));
  if (book.cellsKept || !book.source || sheet.partName.empty()) {
    for (auto it = sheet.cells.lower_bound(CellRef{area.firstRow, area.firstColumn});
         it != sheet.cells.end() && it->first.row <= area.lastRow; ++it)
      if (area.Contains(it->first.row, it->first.column)) cells->insert(*it);
    return true;
  }
  WorkbookSource& source = *book.source;
  std::lock_guard<std::mutex> lock(source.mutex);
  source.package.StartReading();
  SheetData again;
  SheetReadContext context{source.colors, source.styles, source.sharedStringCount};
  context.keep.area = area;
  if (!ReadSheet(source.package, sheet.partName, &context, &again, error) ||
      !ResolveSharedTexts(source, context, error))
    return false;
  *cells = std::move(again.cells);
  return true;
}

}  // namespace sim
