#include "sim/addin/AddinOptions.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "sim/platform/TextCase.h"

namespace sim {
namespace {

// Beyond these an option can draw no table (the module refuses them too).
constexpr double kLeastScale = 1e-6;
constexpr double kMostScale = 1e6;

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The whole text as a finite decimal number.
std::optional<double> Decimal(std::string_view text) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

// An entry of a size table: a number, "master:sub", or feet and inches.
bool IsDistance(std::string_view entry) {
  entry = Trim(entry);
  if (const std::size_t colon = entry.find(':'); colon != std::string_view::npos) {
    const std::string_view master = Trim(entry.substr(0, colon)), sub = Trim(entry.substr(colon + 1));
    return (master.empty() || Decimal(master)) && (sub.empty() || Decimal(sub)) && !(master.empty() && sub.empty());
  }
  const std::size_t foot = entry.find('\'');
  if (foot == std::string_view::npos && entry.find('"') == std::string_view::npos) return Decimal(entry).has_value();
  std::string_view feet, inches = entry;
  if (foot != std::string_view::npos) {
    feet = entry.substr(0, foot);
    inches = entry.substr(foot + 1);
  }
  auto trimmed = [](std::string_view part, std::string_view marks) {
    while (!part.empty() && marks.find(part.front()) != std::string_view::npos) part.remove_prefix(1);
    while (!part.empty() && marks.find(part.back()) != std::string_view::npos) part.remove_suffix(1);
    return part;
  };
  feet = trimmed(feet, " '");
  inches = trimmed(inches, " \"");
  return (feet.empty() || Decimal(feet)) && (inches.empty() || Decimal(inches)) && !(feet.empty() && inches.empty());
}

// "size:height" or "size:height*width", with a size and a height above 0.
bool IsFontSize(std::string_view entry) {
  const std::size_t colon = entry.find(':');
  if (colon == std::string_view::npos) return false;
  const std::optional<double> size = Decimal(entry.substr(0, colon));
  std::string_view sizes = entry.substr(colon + 1);
  std::string_view width;
  if (const std::size_t star = sizes.find('*'); star != std::string_view::npos) {
    width = sizes.substr(star + 1);
    sizes = sizes.substr(0, star);
  }
  // The height and the width are distances, which may themselves hold a colon.
  return size && *size > 0 && IsDistance(sizes) && (width.empty() || IsDistance(width));
}

// Each entry of a ";"-separated list; empty entries are skipped as the module skips them.
template <typename Check>
std::string FirstBadEntry(const std::string& value, Check check) {
  std::size_t start = 0;
  while (start <= value.size()) {
    std::size_t end = value.find(';', start);
    if (end == std::string::npos) end = value.size();
    const std::string_view entry(value.data() + start, end - start);
    if (!Trim(entry).empty() && !check(entry)) return std::string(Trim(entry));
    start = end + 1;
  }
  return "";
}

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

const std::vector<AddinOption> kOptions = {
    {"CellScaleOpt", OptionKind::Choice, "1", 0, 2, false,
     "cell sizes: 0 follow the texts, 1 the cell scale, 2 one point per master unit with ColumnWidths and RowHeights"},
    {"CellExcelPoints", OptionKind::Number, "1.0", kLeastScale, kMostScale, true, "cell scale: Excel points ..."},
    {"CellDrawingUnits", OptionKind::Number, "1.0", kLeastScale, kMostScale, true, "... per master units"},
    {"CellScaleIndex", OptionKind::Integer, "1", 0, 1000, false, "the cell scale chosen in the dialog's list"},
    {"FontScaleOpt", OptionKind::Choice, "0", 0, 2, false,
     "text heights: 0 font size x 0.69, 1 the font scale, 2 the FontSizes table"},
    {"FontExcelPoints", OptionKind::Number, "1.0", kLeastScale, kMostScale, true, "font scale: points of size ..."},
    {"FontDrawingUnits", OptionKind::Number, "1.0", kLeastScale, kMostScale, true, "... per master units of height"},
    {"FontScaleIndex", OptionKind::Integer, "1", 0, 1000, false, "the font scale chosen in the dialog's list"},
    {"TextWFactor", OptionKind::Number, "0.9", kLeastScale, 100, true, "text width as a share of its height"},
    {"LeftMargin", OptionKind::Number, "3", 0, 1000, false, "horizontal text margin, points"},
    {"TopMargin", OptionKind::Number, "3", 0, 1000, false, "vertical text margin, points"},
    {"RotationDegree", OptionKind::Number, "0", -1e6, 1e6, false, "rotation of the table, degrees"},
    {"ColumnWidths", OptionKind::Distances, "", 0, 0, false, "column widths when CellScaleOpt is 2"},
    {"RowHeights", OptionKind::Distances, "", 0, 0, false, "row heights when CellScaleOpt is 2"},
    {"FontSizes", OptionKind::FontSizes, "", 0, 0, false, "size:height*width per font size when FontScaleOpt is 2"},
    {"ImportObj", OptionKind::Integer, "255", 0, 255, false,
     "what to draw: 1 borders, 2 texts, 4 patterns, 8 fills, 16 objects, 32 pictures, 64 charts"},
    {"LineClrOpt", OptionKind::Choice, "1", 0, 2, false, "border colours: 1 Excel's, 2 by weight, 0 by level"},
    {"TextClrOpt", OptionKind::Choice, "1", 0, 2, false, "text colours: 1 Excel's, 2 regular and bold, 0 by level"},
    {"ThinColorIndex", OptionKind::Integer, "0", 0, 255, false, "colour of thin borders"},
    {"MediumColorIndex", OptionKind::Integer, "0", 0, 255, false, "colour of medium borders"},
    {"ThickColorIndex", OptionKind::Integer, "0", 0, 255, false, "colour of thick borders"},
    {"RegularColorIndex", OptionKind::Integer, "0", 0, 255, false, "colour of regular texts"},
    {"BoldColorIndex", OptionKind::Integer, "0", 0, 255, false, "colour of bold texts"},
    {"BorderThinWeight", OptionKind::Integer, "0", 0, 31, false, "weight of thin borders"},
    {"BorderMediumWeight", OptionKind::Integer, "2", 0, 31, false, "weight of medium borders"},
    {"BorderThickWeight", OptionKind::Integer, "4", 0, 31, false, "weight of thick borders"},
    {"DefaultTextWeight", OptionKind::Integer, "-1", -1, 31, false, "weight of texts; -1 the active weight"},
    {"BoldLineWeight", OptionKind::Integer, "-1", -1, 31, false, "weight of bold texts; -1 the active weight"},
    {"UseFontOpt", OptionKind::Choice, "1", 0, 1, false, "fonts: 1 by name, 0 by the font map"},
    {"BorderOnOneLevel", OptionKind::Choice, "1", 0, 1, false, "all borders on BorderLayer"},
    {"TextOnOneLevel", OptionKind::Choice, "1", 0, 1, false, "all texts on TextLayer"},
    {"SplitRowsToColumns", OptionKind::Choice, "0", 0, 1, false, "split the rows into columns placed apart"},
    {"OnlyPrintArea", OptionKind::Choice, "0", 0, 1, false, "send only the sheet's print area"},
    {"BorderLayer", OptionKind::Level, "", 0, 0, false, "level of borders"},
    {"MediumBorderLevel", OptionKind::Level, "", 0, 0, false, "level of medium borders"},
    {"ThickBorderLevel", OptionKind::Level, "", 0, 0, false, "level of thick borders"},
    {"TextLayer", OptionKind::Level, "", 0, 0, false, "level of texts"},
    {"BoldTextLevel", OptionKind::Level, "", 0, 0, false, "level of bold texts"},
    {"ItalicTextLevel", OptionKind::Level, "", 0, 0, false, "level of italic texts"},
    {"AutoShapeLayer", OptionKind::Level, "", 0, 0, false, "level of drawing objects"},
    {"PatternLevel", OptionKind::Level, "", 0, 0, false, "level of hatch patterns"},
    {"UseGlobalOption", OptionKind::Choice, "0", 0, 1, false, "edit tables with these options, not their own"},
    {"AutoLoadOptTemplate", OptionKind::Choice, "0", 0, 1, false, "draw new tables with the options template"},
};

}  // namespace

const std::vector<AddinOption>& AddinOptions() { return kOptions; }

const AddinOption* FindAddinOption(const std::string& name) {
  for (const AddinOption& option : kOptions)
    if (EqualsIgnoringCase(option.name, name)) return &option;
  return nullptr;
}

std::optional<std::string> CheckAddinOption(const AddinOption& option, const std::string& value, std::string* error) {
  const std::string name = option.name;
  switch (option.kind) {
    case OptionKind::Choice:
    case OptionKind::Integer: {
      const std::optional<double> number = Decimal(value);
      if (number && *number == std::floor(*number) && *number >= option.least && *number <= option.most)
        return Number(*number);
      *error = name + " takes a whole number from " + Number(option.least) + " to " + Number(option.most) + ", not \"" +
               value + "\".";
      return std::nullopt;
    }
    case OptionKind::Number: {
      const std::optional<double> number = Decimal(value);
      if (number && (option.leastExcluded ? *number > option.least : *number >= option.least) &&
          *number <= option.most)
        return std::string(Trim(value));
      *error = name + " takes a number " + (option.leastExcluded ? "above " : "from ") + Number(option.least) +
               (option.leastExcluded ? " up to " : " to ") + Number(option.most) + ", not \"" + value + "\".";
      return std::nullopt;
    }
    case OptionKind::Level:
      if (value.size() <= 255 && value.find_first_of("\r\n\t") == std::string::npos) return value;
      *error = name + " takes a level name of up to 255 characters on one line.";
      return std::nullopt;
    case OptionKind::Distances:
      if (std::string bad = FirstBadEntry(value, IsDistance); !bad.empty()) {
        *error = name + " takes distances separated by \";\" (2.5, 1:6 or 2' 6\"), not \"" + bad + "\".";
        return std::nullopt;
      }
      return value;
    case OptionKind::FontSizes:
      if (std::string bad = FirstBadEntry(value, IsFontSize); !bad.empty()) {
        *error = name + " takes entries size:height or size:height*width separated by \";\", not \"" + bad + "\".";
        return std::nullopt;
      }
      return value;
  }
  return std::nullopt;
}

}  // namespace sim
