#include "sim/excel/numfmt/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "sim/excel/numfmt/DateSection.h"
#include "sim/excel/numfmt/FormatSections.h"
#include "sim/excel/numfmt/GeneralNumber.h"
#include "sim/excel/numfmt/NumberSection.h"

namespace sim {
namespace {

struct ChosenSection {
  const FormatSection* section = nullptr;
  bool showsMinus = true;  // false where the section itself is the negative one
};

// The condition of the negative section, "[<0]": its section writes its own sign. A
// section of any other bound (such as "[<-10]") shows the minus sign as Excel does.
bool OnlyNegatives(const std::optional<FormatCondition>& condition) {
  return condition && condition->op == FormatCondition::Less && condition->operand == 0;
}

// Without conditions: positive (and zero, with two sections); negative; zero. With
// them, the first section whose condition holds; a second section without one takes
// what the first does not, or the negatives when a third follows; the third takes the
// rest. None when no section is left for the value.
std::optional<ChosenSection> ChooseSection(const std::vector<const FormatSection*>& sections, double value) {
  const std::size_t count = sections.size();
  const FormatSection& first = *sections[0];
  const bool conditional = first.condition || (count > 1 && sections[1]->condition);
  if (!conditional) {
    if (count == 1 || value > 0 || (value == 0 && count == 2)) return ChosenSection{&first};
    if (value < 0) return ChosenSection{sections[1], false};
    return ChosenSection{sections[2]};
  }
  if (first.condition ? first.condition->Holds(value) : value >= 0)
    return ChosenSection{&first, !OnlyNegatives(first.condition)};
  if (count > 1) {
    const FormatSection& second = *sections[1];
    if (second.condition ? second.condition->Holds(value) : (count == 2 || value < 0))
      return ChosenSection{&second, second.condition ? !OnlyNegatives(second.condition) : count == 2};
  }
  if (count > 2) return ChosenSection{sections[2]};
  return std::nullopt;
}

// A section of General alone, as the value shows it with its own sign: Excel shortens
// it to its column. General among literals ("\"$\"General", "-General") is treated
// as any other format.
bool IsGeneralAlone(const FormatSection& section, double value, const ChosenSection& chosen) {
  return section.tokens.size() == 1 && section.tokens[0].kind == FormatTokenKind::General &&
         (value >= 0 || chosen.showsMinus);
}

// A text value: the fourth section, or a section written for text ("@"); without
// one the text shows as it is.
DisplayedText FormatText(const std::vector<FormatSection>& sections, const std::string& text) {
  const FormatSection* textSection = sections.size() == 4 ? &sections[3] : nullptr;
  for (std::size_t i = 0; i < sections.size() && !textSection; ++i)
    if (sections[i].hasText) textSection = &sections[i];
  if (!textSection) return {text, sections.size() == 1 ? sections[0].colorIndex : std::nullopt};
  DisplayedText shown{"", textSection->colorIndex};
  for (const FormatToken& token : textSection->tokens) {
    const std::string& part = token.kind == FormatTokenKind::Text ? text : token.text;
    if (token.kind != FormatTokenKind::Text && token.kind != FormatTokenKind::Literal) continue;
    if (shown.text.size() + part.size() > kMaxDisplayedTextLength) return {text, textSection->colorIndex};
    shown.text += part;
  }
  return shown;
}

DisplayedText FormatNumber(const std::vector<FormatSection>& sections, double value, bool date1904) {
  if (!std::isfinite(value)) return {"#NUM!"};
  if (value == 0) value = 0;  // no "-0"
  // A section written for text ("d/m/yy;@") is no section for numbers; under text
  // alone ("@") a number shows as General.
  std::vector<const FormatSection*> numberSections;
  for (const FormatSection& section : sections)
    if (!section.hasText && numberSections.size() < 3) numberSections.push_back(&section);
  if (numberSections.empty()) return {GeneralNumberText(value), std::nullopt, NumberFit::General};
  std::optional<ChosenSection> chosen = ChooseSection(numberSections, value);
  if (!chosen) return {std::string(kUnshowableText), std::nullopt, NumberFit::Unshowable};
  const FormatSection& section = *chosen->section;
  std::optional<std::string> text;
  if (section.isDate) {
    text = FormatDateSection(section, value, date1904);
  } else {
    text = FormatNumberSection(section, std::fabs(value));
    if (text && value < 0 && chosen->showsMinus) text->insert(text->begin(), '-');
  }
  if (!text) return {std::string(kUnshowableText), section.colorIndex, NumberFit::Unshowable};
  return {*text, section.colorIndex, IsGeneralAlone(section, value, *chosen) ? NumberFit::General : NumberFit::Formatted};
}

}  // namespace

DisplayedText FormatCellValue(const CellValueForFormat& value, std::string_view formatCode, bool date1904) {
  if (formatCode.size() > kMaxFormatCodeLength) formatCode = "General";
  switch (value.kind) {
    case CellValueForFormat::Empty: return {};
    case CellValueForFormat::Boolean: return {value.number != 0 ? "TRUE" : "FALSE"};
    case CellValueForFormat::Error: return {value.text};
    case CellValueForFormat::Text: return FormatText(ParseFormatCode(formatCode), value.text);
    case CellValueForFormat::Number: break;
  }
  return FormatNumber(ParseFormatCode(formatCode), value.number, date1904);
}

bool IsDateFormat(std::string_view formatCode) {
  if (formatCode.size() > kMaxFormatCodeLength) return false;
  return ParseFormatCode(formatCode)[0].isDate;
}

}  // namespace sim
