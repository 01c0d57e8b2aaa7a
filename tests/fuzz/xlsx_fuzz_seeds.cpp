// Writes a few small workbooks into a folder, as the starting corpus of the workbook
// fuzzer. Usage: xlsx_fuzz_seeds FOLDER
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "sim/excel/xlsx/MinimalWorkbook.h"
#include "sim/excel/xlsx/ZipArchiveWriter.h"

namespace {

constexpr const char* kMain = "xmlns='http://schemas.openxmlformats.org/spreadsheetml/2006/main'";

std::vector<sim::MinimalWorkbookParts> Seeds() {
  std::vector<sim::MinimalWorkbookParts> seeds;

  sim::MinimalWorkbookParts values;
  values.sheetData =
      "<row r='1'><c r='A1'><v>1.5</v></c><c r='B1' t='b'><v>1</v></c><c r='C1' t='e'><v>#N/A</v></c>"
      "<c r='D1' t='inlineStr'><is><t>in_x000D_line</t></is></c></row><row><c><v>2</v></c></row>";
  seeds.push_back(values);

  sim::MinimalWorkbookParts styled;
  styled.styles = std::string("<styleSheet ") + kMain +
                  "><numFmts><numFmt numFmtId='164' formatCode='0.00%'/></numFmts>"
                  "<fonts><font><sz val='11'/><name val='Calibri'/></font><font><b/><u val='double'/>"
                  "<color theme='4' tint='-0.25'/></font></fonts>"
                  "<fills><fill><patternFill/></fill><fill><patternFill patternType='gray125'/></fill>"
                  "<fill><patternFill patternType='darkGrid'><fgColor indexed='10'/><bgColor rgb='FF00FF00'/>"
                  "</patternFill></fill></fills>"
                  "<borders><border/><border diagonalUp='1'><left style='double'><color auto='1'/></left>"
                  "<diagonal style='hair'/></border></borders>"
                  "<cellXfs><xf/><xf numFmtId='164' fontId='1' fillId='2' borderId='1'>"
                  "<alignment horizontal='centerContinuous' textRotation='255' indent='2' wrapText='1'/></xf></cellXfs>"
                  "<colors><indexedColors><rgbColor rgb='FF123456'/></indexedColors></colors></styleSheet>";
  styled.sharedStrings = std::string("<sst ") + kMain +
                         "><si><t>plain</t></si><si><r><t>rich </t></r><r><rPr><i/><sz val='14'/>"
                         "<rFont val='Arial'/></rPr><t xml:space='preserve'> text</t></r></si></sst>";
  styled.sheetData = "<row r='2'><c r='B2' s='1' t='s'><v>1</v></c><c r='C2' s='1'><v>0.5</v></c></row>";
  seeds.push_back(styled);

  sim::MinimalWorkbookParts layout;
  layout.sheetBefore = "<dimension ref='A1:D4'/><sheetFormatPr defaultRowHeight='15' baseColWidth='10' zeroHeight='0'/>"
                       "<cols><col min='1' max='2' width='20' customWidth='1'/><col min='3' max='3' hidden='1'/></cols>";
  layout.sheetData = "<row r='1' ht='30' customHeight='1'><c r='A1' t='str'><f>1</f><v>x</v></c></row>"
                     "<row r='3' hidden='1'/>";
  layout.sheetExtra = "<mergeCells><mergeCell ref='A1:B2'/><mergeCell ref='C3:D4'/></mergeCells>";
  layout.workbookExtra = "<definedNames><definedName name='Area'>Sheet1!$A$1:$B$2</definedName>"
                         "<definedName name='Here' localSheetId='0'>'Sheet1'!$C:$D</definedName></definedNames>";
  seeds.push_back(layout);
  return seeds;
}

bool Write(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  // Each seed twice: as a workbook file, and as its parts for the fuzzer to pack.
  std::vector<sim::MinimalWorkbookParts> seeds = Seeds();
  for (size_t i = 0; i < seeds.size(); ++i) {
    const sim::MinimalWorkbookParts& p = seeds[i];
    std::string error;
    std::string file = sim::MakeZipArchive(sim::MinimalWorkbookEntries(p), &error);
    std::string parts = p.sheetData + '\0' + p.sheetExtra + '\0' + p.sheetBefore + '\0' + p.styles + '\0' +
                        p.sharedStrings + '\0' + p.workbookExtra;
    std::string stem = std::string(argv[1]) + "/seed" + std::to_string(i);
    if (file.empty() || !Write(stem + ".xlsx", file) || !Write(stem + ".parts", parts)) {
      std::fprintf(stderr, "cannot write the seeds into %s %s\n", argv[1], error.c_str());
      return 1;
    }
  }
  return 0;
}
