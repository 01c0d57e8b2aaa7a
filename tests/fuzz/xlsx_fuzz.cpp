// Arbitrary bytes as a workbook: the package, every part the reader parses (the
// sheet's drawing among them), and what is computed from a workbook read (ranges,
// names, geometry, the headers of the drawing's images). Input starting with "PK" is
// a whole workbook file. Any other input is the XML of the parts of a minimal
// workbook separated by NUL bytes (see MinimalWorkbookParts, in its order, the
// drawing and its relationships last, then the bytes of its one image
// xl/media/image1.png), packed by the fuzzer itself, so that mutations reach the XML
// readers instead of breaking the archive's checksums.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/excel/xlsx/ImageHeader.h"
#include "sim/excel/xlsx/MinimalWorkbook.h"
#include "sim/excel/xlsx/SheetGeometry.h"
#include "sim/excel/xlsx/WorkbookReader.h"
#include "sim/excel/xlsx/XlsxRanges.h"
#include "sim/excel/xlsx/ZipArchiveWriter.h"

namespace {

std::string PackedParts(std::string_view input) {
  sim::MinimalWorkbookParts parts;
  std::string image;
  std::string* fields[] = {&parts.sheetData,     &parts.sheetExtra,    &parts.sheetBefore, &parts.styles,
                           &parts.sharedStrings, &parts.workbookExtra, &parts.drawing,     &parts.drawingRelationships,
                           &image};
  for (std::string* field : fields) {
    size_t end = input.find('\0');
    *field = std::string(input.substr(0, end));
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
  }
  if (!image.empty()) parts.otherParts.push_back({"xl/media/image1.png", image});
  std::vector<sim::ZipEntry> entries = sim::MinimalWorkbookEntries(parts);
  for (sim::ZipEntry& entry : entries) entry.compressed = false;
  std::string error;
  return sim::MakeZipArchive(entries, &error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string packed;
  if (input.substr(0, 2) != "PK") {
    packed = PackedParts(input);
    input = packed;
  }
  std::string error;
  auto book = sim::ReadWorkbookFromMemory(input.data(), input.size(), &error);
  if (!book) return 0;
  for (size_t i = 0; i < book->sheets.size() && i < 8; ++i) {
    const sim::SheetData& sheet = book->sheets[i];
    sim::CSheetGeometry geometry(sheet, 7);
    sim::CellRect range = sheet.UsedRange().value_or(sim::CellRect{});
    geometry.AreaBoxIn(range, range);
    geometry.CellBoxIn(range, range.lastRow, range.lastColumn);
    for (const sim::CellRect& area : sheet.mergedCells) geometry.AreaBoxIn(range, area);
    for (const auto& [ref, cell] : sheet.cells) {
      (void)cell.NumberFormat();
      (void)cell.Text();
    }
    // The pictures' image parts as the add-in reads them, headers inspected.
    for (const sim::DrawingObjectData& object : sheet.drawings) {
      if (object.mediaPart.empty()) continue;
      std::string header;
      sim::ReadMediaPart(
          *book, object.mediaPart,
          [&](const char* bytes, std::size_t count) {
            header.append(bytes, std::min<std::size_t>(count, 4096));
            return sim::InspectImageHeader(header, false).status == sim::ImageHeader::Status::NeedMore;
          },
          &error);
      sim::InspectImageHeader(header, true);
    }
  }
  for (const sim::DefinedName& name : book->definedNames) {
    sim::ResolveRange(*book, name.localSheetId.value_or(0), name.name);
    sim::ResolveRange(*book, 0, name.refersTo);
  }
  return 0;
}
