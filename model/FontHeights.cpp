#include <algorithm>
#include <cmath>
#include <utility>

#include "host/msgeom.h"
#include "model/CQuorvelle.h"
#include "model/LayoutEntries.h"
#include "model/LayoutPasses.h"
#include "model/ModelTexts.h"
#include "support/Breadcrumbs.h"
#include "support/DecimalText.h"

namespace {

void Step(int step) { RecordStep(kFontHeightsOperation, step); }

// "size:height" or "size:height*width": an Excel font size and the text height and
// width it is drawn with.
struct FontSizeEntry {
  double size = 0;
  double height = 0;
  double width = 0;
};

// The entries that give a size and a height; a width not given, or not a size, is the
// height times the width factor.
std::vector<FontSizeEntry> ParseFontSizes(const std::string& text, double widthFactor) {
  std::vector<FontSizeEntry> entries;
  for (const std::string& entry : ListEntries(text)) {
    const std::size_t colon = entry.find(':', 1);
    if (colon == std::string::npos) continue;
    const std::string sizes = entry.substr(colon + 1);
    const std::size_t star = sizes.find('*');
    FontSizeEntry parsed;
    parsed.size = DecimalPrefixToDouble(entry.substr(0, colon));
    parsed.height = ParseDistance(sizes.substr(0, star));
    if (parsed.size <= kLeastSize || parsed.height <= kLeastSize) continue;
    parsed.width = star != std::string::npos ? ParseDistance(sizes.substr(star + 1)) : 0;
    if (parsed.width <= kLeastSize) parsed.width = parsed.height * widthFactor;
    entries.push_back(parsed);
  }
  return entries;
}

// A rescaling of one axis, factor by factor: the stretch of the axis that starts at
// each column (or row) is scaled by that column's factor, and each stretch starts
// where the one before it ends, so columns of different factors stay side by side.
// With one factor throughout it is a plain multiplication.
class AxisScale {
 public:
  void Add(double start, double factor) { stretches_.emplace_back(start, factor); }

  // Once every stretch is added.
  void Settle() {
    std::stable_sort(stretches_.begin(), stretches_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    starts_.clear();
    for (std::size_t i = 0; i < stretches_.size(); ++i)
      starts_.push_back(i == 0 ? stretches_[0].first * stretches_[0].second
                               : starts_[i - 1] + (stretches_[i].first - stretches_[i - 1].first) *
                                                      stretches_[i - 1].second);
  }

  double operator()(double x) const {
    if (stretches_.empty()) return x;
    auto after = std::upper_bound(stretches_.begin(), stretches_.end(), x,
                                  [](double value, const auto& stretch) { return value < stretch.first; });
    const std::size_t i = after == stretches_.begin() ? 0 : static_cast<std::size_t>(after - stretches_.begin()) - 1;
    return starts_[i] + (x - stretches_[i].first) * stretches_[i].second;
  }

 private:
  std::vector<std::pair<double, double>> stretches_;  // start, factor
  std::vector<double> starts_;                        // where each stretch starts once scaled
};

// Cells follow their texts: columns by their largest text's width, rows by their
// tallest text.
void ScaleCells(CQuorvelle& table, const std::vector<double>& columnFactors, const std::vector<double>& rowFactors,
                double k) {
  AxisScale across, down;
  const auto& firstRow = table.Rows[0].Cells;
  for (std::size_t j = 0; j < firstRow.size() && j < columnFactors.size(); ++j)
    across.Add(firstRow[j].Left, columnFactors[j] / k);
  for (std::size_t i = 0; i < table.Rows.size() && i < rowFactors.size(); ++i)
    if (!table.Rows[i].Cells.empty()) down.Add(table.Rows[i].Cells[0].Top, rowFactors[i] / k);
  across.Settle();
  down.Settle();
  for (CQuorvelleRow& row : table.Rows) {
    for (CAutoCell& cell : row.Cells) {
      const double left = across(cell.Left), top = down(cell.Top);
      cell.Width = across(cell.Left + cell.Width) - left;
      cell.LayoutWidth = across(cell.Left + cell.LayoutWidth) - left;
      cell.Height = down(cell.Top + cell.Height) - top;
      cell.LayoutHeight = down(cell.Top + cell.LayoutHeight) - top;
      cell.Left = left;
      cell.Top = top;
    }
  }
}

}  // namespace

void ChangeFontHeights(CQuorvelle& table, const std::string& text, QuorvelleSetup& setup) {
  Step(1);
  if (text.empty()) return;
  const std::vector<FontSizeEntry> entries = ParseFontSizes(text, setup.TextWFactor);
  if (entries.empty()) return;

  Step(2);
  const double heightRatio = entries.back().height / entries.back().size;
  const double widthRatio = entries.back().width / entries.back().size;
  const double r = setup.fontToCellRatio;

  Step(3);
  std::vector<double> columnFactors, rowFactors;
  double factorSum = 0;
  for (std::size_t i = 0; i < table.Rows.size(); ++i) {
    double rowFactor = heightRatio / r;
    auto& cells = table.Rows[i].Cells;
    for (std::size_t j = 0; j < cells.size(); ++j) {
      CAutoFont& font = cells[j].Font;
      double columnFactor = widthRatio / r, heightFactor = heightRatio / r;
      auto entry = std::find_if(entries.begin(), entries.end(),
                                [&](const FontSizeEntry& e) { return std::fabs(e.size - font.Size) <= fc_nearZero; });
      if (entry != entries.end()) {
        heightFactor = entry->height / (entry->size * r);
        columnFactor = entry->width / (entry->size * r);
        font.Size = entry->height;
        font.FixedWidth = entry->width;
      } else {
        font.Size *= heightRatio;
        font.FixedWidth *= widthRatio;
      }
      if (heightFactor > rowFactor + kLeastSize) rowFactor = heightFactor;
      if (i == 0)
        columnFactors.push_back(columnFactor);
      else if (j < columnFactors.size())
        columnFactors[j] = std::max(columnFactors[j], columnFactor);
    }
    rowFactors.push_back(rowFactor);
    factorSum += rowFactor;
  }

  Step(4);
  if (setup.CellScaleOpt != 0 || table.Rows.empty() || !(r > kLeastSize)) return;
  const double k = setup.PlacementScale();
  ScaleCells(table, columnFactors, rowFactors, k);
  const double average = factorSum / static_cast<double>(table.Rows.size()) / k;
  setup.indentWidth *= average;
  setup.LeftMargin *= average;
  setup.TopMargin *= average;
}
