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

  // A drawing: a group with a shape and an elbow connector, a text box, a line with
  // arrowheads, a picture and a chart with its picture as the fallback.
  sim::MinimalWorkbookParts drawing;
  const std::string from = "<xdr:from><xdr:col>1</xdr:col><xdr:colOff>12700</xdr:colOff><xdr:row>1</xdr:row>"
                           "<xdr:rowOff>0</xdr:rowOff></xdr:from>";
  const std::string to = "<xdr:to><xdr:col>5</xdr:col><xdr:colOff>0</xdr:colOff><xdr:row>9</xdr:row>"
                         "<xdr:rowOff>6350</xdr:rowOff></xdr:to>";
  const std::string style = "<xdr:style><a:lnRef idx='2'><a:schemeClr val='accent1'><a:shade val='50000'/>"
                            "</a:schemeClr></a:lnRef><a:fillRef idx='1'><a:schemeClr val='accent1'/></a:fillRef>"
                            "<a:effectRef idx='0'><a:schemeClr val='accent1'/></a:effectRef><a:fontRef idx='minor'>"
                            "<a:schemeClr val='lt1'/></a:fontRef></xdr:style>";
  drawing.drawing =
      "<xdr:wsDr xmlns:xdr='http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing' "
      "xmlns:a='http://schemas.openxmlformats.org/drawingml/2006/main' "
      "xmlns:r='http://schemas.openxmlformats.org/officeDocument/2006/relationships' "
      "xmlns:c='http://schemas.openxmlformats.org/drawingml/2006/chart' "
      "xmlns:mc='http://schemas.openxmlformats.org/markup-compatibility/2006'>"
      "<xdr:twoCellAnchor>" + from + to +
      "<xdr:grpSp><xdr:nvGrpSpPr><xdr:cNvPr id='6' name='Group 5'/></xdr:nvGrpSpPr><xdr:grpSpPr><a:xfrm>"
      "<a:off x='100' y='100'/><a:ext cx='3000' cy='2000'/><a:chOff x='0' y='0'/><a:chExt cx='300' cy='200'/>"
      "</a:xfrm><a:solidFill><a:srgbClr val='FF8000'><a:alpha val='50000'/></a:srgbClr></a:solidFill></xdr:grpSpPr>"
      "<xdr:sp><xdr:nvSpPr><xdr:cNvPr id='2' name='Rounded 1'/><xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr><a:xfrm rot='5400000' "
      "flipH='1'><a:off x='0' y='0'/><a:ext cx='100' cy='80'/></a:xfrm><a:prstGeom prst='roundRect'><a:avLst>"
      "<a:gd name='adj' fmla='val 20000'/></a:avLst></a:prstGeom><a:grpFill/><a:ln w='19050'><a:prstDash "
      "val='lgDashDot'/></a:ln></xdr:spPr>" + style +
      "<xdr:txBody><a:bodyPr anchor='ctr'/><a:p><a:pPr algn='ctr'/><a:r><a:rPr sz='1400' b='1' u='dbl'><a:solidFill>"
      "<a:schemeClr val='tx1'><a:lumMod val='75000'/><a:lumOff val='25000'/></a:schemeClr></a:solidFill><a:latin "
      "typeface='+mj-lt'/></a:rPr><a:t>Two</a:t></a:r><a:br/><a:r><a:t>lines</a:t></a:r></a:p></xdr:txBody></xdr:sp>"
      "<xdr:cxnSp><xdr:nvCxnSpPr><xdr:cNvPr id='5' name='Elbow 4'/><xdr:cNvCxnSpPr/></xdr:nvCxnSpPr><xdr:spPr><a:xfrm>"
      "<a:off x='100' y='80'/><a:ext cx='150' cy='100'/></a:xfrm><a:prstGeom prst='bentConnector3'><a:avLst>"
      "<a:gd name='adj1' fmla='val 30000'/></a:avLst></a:prstGeom><a:ln><a:tailEnd type='stealth' w='lg' len='sm'/>"
      "</a:ln></xdr:spPr>" + style + "</xdr:cxnSp></xdr:grpSp><xdr:clientData/></xdr:twoCellAnchor>"
      "<xdr:oneCellAnchor>" + from + "<xdr:ext cx='1905000' cy='436786'/><xdr:sp><xdr:nvSpPr><xdr:cNvPr id='9' "
      "name='TextBox 8'/><xdr:cNvSpPr txBox='1'/></xdr:nvSpPr><xdr:spPr><a:prstGeom prst='rect'/><a:gradFill><a:gsLst>"
      "<a:gs pos='0'><a:sysClr val='window' lastClr='FFFFFF'/></a:gs></a:gsLst></a:gradFill></xdr:spPr><xdr:txBody>"
      "<a:bodyPr anchor='b'/><a:p><a:r><a:rPr sz='900'/><a:t>Note</a:t></a:r></a:p></xdr:txBody></xdr:sp>"
      "<xdr:clientData/></xdr:oneCellAnchor>"
      "<xdr:absoluteAnchor><xdr:pos x='0' y='0'/><xdr:ext cx='254000' cy='127000'/><xdr:sp><xdr:nvSpPr><xdr:cNvPr "
      "id='10' name='Line 9'/><xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr><a:xfrm flipV='1'/><a:prstGeom prst='line'/>"
      "<a:ln w='38100'><a:solidFill><a:prstClr val='red'/></a:solidFill><a:headEnd type='diamond'/><a:tailEnd "
      "type='triangle' w='sm' len='lg'/></a:ln></xdr:spPr></xdr:sp><xdr:clientData/></xdr:absoluteAnchor>"
      "<xdr:twoCellAnchor>" + from + to + "<xdr:pic><xdr:nvPicPr><xdr:cNvPr id='3' name='Picture 2'/></xdr:nvPicPr>"
      "<xdr:blipFill><a:blip r:embed='rId1'/></xdr:blipFill><xdr:spPr/></xdr:pic><xdr:clientData/>"
      "</xdr:twoCellAnchor>"
      "<xdr:twoCellAnchor>" + from + to + "<mc:AlternateContent><mc:Choice Requires='c14'><xdr:graphicFrame>"
      "<xdr:nvGraphicFramePr><xdr:cNvPr id='4' name='Chart 3'/></xdr:nvGraphicFramePr><a:graphic><a:graphicData>"
      "<c:chart r:id='rId2'/></a:graphicData></a:graphic></xdr:graphicFrame></mc:Choice><mc:Fallback><xdr:pic>"
      "<xdr:nvPicPr><xdr:cNvPr id='4' name='Chart 3'/></xdr:nvPicPr><xdr:blipFill><a:blip r:embed='rId1'/>"
      "</xdr:blipFill><xdr:spPr/></xdr:pic></mc:Fallback></mc:AlternateContent><xdr:clientData/>"
      "</xdr:twoCellAnchor></xdr:wsDr>";
  drawing.drawingRelationships =
      "<Relationship Id='rId1' Type='http://schemas.openxmlformats.org/officeDocument/2006/relationships/image' "
      "Target='../media/image1.png'/>"
      "<Relationship Id='rId2' Type='http://schemas.openxmlformats.org/officeDocument/2006/relationships/chart' "
      "Target='../charts/chart1.xml'/>";
  drawing.otherParts = {{"xl/media/image1.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10", 24)}};
  drawing.sheetData = "<row r='2'><c r='B2'><v>1</v></c></row>";
  seeds.push_back(drawing);
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
                        p.sharedStrings + '\0' + p.workbookExtra + '\0' + p.drawing + '\0' +
                        p.drawingRelationships + '\0' + (p.otherParts.empty() ? "" : p.otherParts[0].bytes);
    std::string stem = std::string(argv[1]) + "/seed" + std::to_string(i);
    if (file.empty() || !Write(stem + ".xlsx", file) || !Write(stem + ".parts", parts)) {
      std::fprintf(stderr, "cannot write the seeds into %s %s\n", argv[1], error.c_str());
      return 1;
    }
  }
  return 0;
}
