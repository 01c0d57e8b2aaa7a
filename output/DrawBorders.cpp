#include <vector>

#include "model/BorderProcessing.h"
#include "model/CAutoLine.h"
#include "model/CQuorvelle.h"
#include "output/CQVUtiMStation.h"
#include "output/CompletionBar.h"
#include "output/OptionSetInForce.h"
#include "output/OutputTexts.h"

int CQVUtiMStation::DrawBorders(CQuorvelle& table, MSElementDescr* cellDscr) {
  COptionSetInForce setup(table);
  if (!(setup->ImportObj & kImportBorders)) return 0;

  CCompletionBar bar(kBarParsingBorders);
  std::vector<CAutoLine> segments;
  ProcessBorders(table, segments, &bar);

  bar.Update(kBarDrawingBorders, 0);
  const long long n = static_cast<long long>(segments.size());
  for (long long i = 0; i < n; ++i) {
    DrawBorderSegment(segments[i], cellDscr);
    bar.ShowSteps(kBarDrawingBorders, i + 1, n);
  }
  return 1;
}
