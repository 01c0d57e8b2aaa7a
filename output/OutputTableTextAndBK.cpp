#include "model/CQuorvelle.h"
#include "output/CQVUtiMStation.h"
#include "output/CompletionBar.h"
#include "output/OptionSetInForce.h"
#include "output/OutputTexts.h"
#include "output/TextSpill.h"

void CQVUtiMStation::OutputTableTextAndBK(CQuorvelle& table, MSElementDescr* cellDscr) {
  COptionSetInForce setup(table);
  const int importObj = setup->ImportObj;

  // Every row is walked with its own cells, so that a row shorter than the first is
  // never read past its end; for a full grid this is rows x columns x 3 steps.
  long long cells = 0;
  for (const auto& row : table.Rows) cells += static_cast<long long>(row.Cells.size());
  const long long total = cells * 3;
  long long done = 0;

  CCompletionBar bar(kBarDrawingContents);
  auto pass = [&](auto drawCell) {
    for (const auto& row : table.Rows)
      for (const CAutoCell& cell : row.Cells) {
        drawCell(cell);
        bar.ShowSteps(kBarDrawingContents, ++done, total);
      }
  };

  pass([&](const CAutoCell& cell) {
    if (importObj & kImportFills) DrawCellFill(cell, cellDscr);
  });
  pass([&](const CAutoCell& cell) {
    if (importObj & kImportPatterns) DrawCellPattern(cell, cellDscr);
    if (importObj & kImportBorders) {
      DrawDiagonalUp(cell, cellDscr);
      DrawDiagonalDown(cell, cellDscr);
    }
  });
  // Texts last, each knowing how far it may run over the empty cells beside it.
  for (const auto& row : table.Rows) {
    const std::vector<CTextSpill> spills =
        importObj & kImportTexts ? RowTextSpills(row.Cells) : std::vector<CTextSpill>(row.Cells.size());
    for (size_t i = 0; i < row.Cells.size(); ++i) {
      if (importObj & kImportTexts) DrawAutoCellText(row.Cells[i], cellDscr, &spills[i]);
      bar.ShowSteps(kBarDrawingContents, ++done, total);
    }
  }
}
