// Arbitrary bytes through everything that reads what the add-in sends: record
// decoding, row assembly, character runs, merged areas and address parsing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/AbsoluteAddress.h"
#include "model/CQuorvelle.h"
#include "model/CharacterRuns.h"
#include "model/MergedCell.h"
#include "model/RowAssembly.h"

namespace {

// The input as UTF-16LE units, as long as a record's text slot at most.
std::u16string WideText(const uint8_t* data, size_t size) {
  std::u16string text;
  for (size_t i = 0; i + 1 < size && text.size() < 4096; i += 2)
    text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CQuorvelle table;
  // Run fonts through the table's font map; the design file's font lookup is not
  // what is fuzzed here.
  table.Setup.UseFontOpt = 0;

  // The receiver never reads a record's first 8 bytes, so the first one chooses the
  // row length (-1 to 3).
  CRowAssembly assembly;
  assembly.Start(size > 0 ? data[0] % 5 - 1 : 1);
  assembly.Receive(table, data, size);  // a record only when the size happens to fit
  std::vector<unsigned char> record(kCellRecordSize, 0);
  std::copy_n(data, std::min(size, record.size()), record.begin());
  for (int i = 0; i < 3; ++i) assembly.Receive(table, record.data(), record.size());

  for (CQuorvelleRow& row : table.Rows)
    for (CAutoCell& cell : row.Cells) {
      NormaliseMergedCell(cell);
      for (int excelIndex = 4; excelIndex <= 11; ++excelIndex) cell.Borders.GetBorderKind(excelIndex);
    }

  // The same bytes as a run description (as long as its slot) and as a text.
  std::string_view bytes(reinterpret_cast<const char*>(data), std::min(size, size_t{1024}));
  std::u16string text = WideText(data, size);
  BuildCharacterRuns(bytes, text, table.Setup);
  StackFractions(text);
  int row = 0, column = 0;
  ParseAbsoluteAddress(bytes.substr(0, 64), &row, &column);
  return 0;
}
