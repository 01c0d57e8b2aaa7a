#include "tools/quorvelle/RecordCommand.h"

#include <fstream>

#include "sim/addin/CellRecordEncoder.h"
#include "sim/addin/RangeTransfer.h"
#include "sim/addin/Transcript.h"
#include "sim/excel/xlsx/WorkbookReader.h"
#include "sim/platform/SimPlatform.h"
#include "tools/quorvelle/CreateCommand.h"

namespace {

constexpr std::uint64_t kRecordFrameBytes = kCellRecordSize + sim::kFrameHeaderBytes;

}  // namespace

std::string RecordRange(const RecordRequest& request) {
  std::string windowsPath = WindowsPath(request.workbook);
  std::string linuxPath = sim::ToLinuxPath(windowsPath);
  if (linuxPath.empty()) return "There is no workbook " + request.workbook + ".";
  std::string error;
  auto book = sim::ReadWorkbook(linuxPath, &error, sim::WorkbookCells::OnDemand);
  if (!book) return "Cannot read the workbook " + request.workbook + ": " + error;

  int sheetIndex = book->activeTab;
  if (!request.sheet.empty()) {
    const sim::SheetData* sheet = book->FindSheet(request.sheet);
    if (!sheet) return "The workbook " + request.workbook + " has no sheet '" + request.sheet + "'.";
    sheetIndex = static_cast<int>(sheet - book->sheets.data());
  }
  if (sheetIndex < 0 || static_cast<std::size_t>(sheetIndex) >= book->sheets.size())
    return "The workbook " + request.workbook + " has no sheet to open on.";
  std::vector<sim::CellRect> areas;
  if (!sim::ResolveTransferAreas(*book, sheetIndex, request.range, &areas, &error)) return error;
  std::uint64_t cells = 0;
  for (const auto& area : areas)
    cells += static_cast<std::uint64_t>(area.lastRow - area.firstRow + 1) * (area.lastColumn - area.firstColumn + 1);
  if (cells * kRecordFrameBytes > sim::kMaxTranscriptBytes)
    return "The range " + request.range + " holds " + std::to_string(cells) + " cells, too many for one transcript (" +
           std::to_string(sim::kMaxTranscriptBytes / kRecordFrameBytes) + " at most).";

  sim::TranscriptWriter transcript;
  if (!sim::SendRange(*book, sheetIndex, areas, windowsPath, transcript, &error))
    return "Cannot read the workbook " + request.workbook + ": " + error;
  std::vector<unsigned char> bytes = transcript.Bytes();
  std::ofstream file(request.out, std::ios::binary);
  if (!file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
    return "Cannot write the transcript " + request.out + ".";
  return "";
}
