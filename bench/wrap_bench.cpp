// Wrapping a long paragraph into a narrow cell: every character position of a line
// that does not fit is measured as the host would measure it, so the cost of one
// measurement decides the cost of wrapping.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/BenchSupport.h"
#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"
#include "settings/FontResolution.h"
#include "settings/QuorvelleSetup.h"

namespace {

std::u16string Paragraph(size_t characters) {
  const std::u16string words[] = {u"table ", u"drawing ", u"of ", u"the ", u"workbook ", u"linked ", u"cells "};
  std::u16string text;
  for (size_t i = 0; text.size() < characters; ++i) text += words[i % 7];
  text.resize(characters);
  return text;
}

// A 10-point text in Arial, as a cell's text is drawn with the default options.
struct ArialText {
  ArialText() {
    size.mode = 1;
    size.height = 10;
    size.width = 9;
    params.font = static_cast<UInt32>(FindMSFontNumber("Arial", kFontKindTrueType));
  }
  TextSizeParam size;
  TextParamWide params;
};

void BM_WrapParagraph(benchmark::State& state) {
  bench::HostWorld world;
  QuorvelleSetup setup;
  currentOptionSet = &setup;
  CAutoCell cell;
  cell.SetText(Paragraph(static_cast<size_t>(state.range(0))));
  cell.WrapText = 1;
  cell.Width = cell.LayoutWidth = 60;
  const ArialText text;
  size_t lines = 0;
  for (auto _ : state) lines = CQVUtiMStation::SplitCellText(cell, text.size, text.params, false).size();
  currentOptionSet = nullptr;
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_WrapParagraph)->Arg(500)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_MeasureText(benchmark::State& state) {
  bench::HostWorld world;
  const ArialText text;
  const std::u16string word = u"workbook";
  for (auto _ : state) benchmark::DoNotOptimize(CQVUtiMStation::MeasureTextWidth(word, text.size, text.params));
}
BENCHMARK(BM_MeasureText);

}  // namespace
