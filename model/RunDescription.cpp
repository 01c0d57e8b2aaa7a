#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "model/CharacterRuns.h"
#include "settings/FontResolution.h"
#include "settings/QuorvelleSetup.h"

namespace {

// The non-empty pieces of the text between separators.
std::vector<std::string_view> SplitSkippingEmpty(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  while (!text.empty()) {
    size_t at = text.find(separator);
    std::string_view piece = text.substr(0, at);
    if (!piece.empty()) pieces.push_back(piece);
    text = at == std::string_view::npos ? std::string_view() : text.substr(at + 1);
  }
  return pieces;
}

// A whole field read as a decimal int32; anything else is not a number.
std::optional<int> ParseDecimal(std::string_view field) {
  int value = 0;
  auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (field.empty() || error != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

int RunFontNumber(const QuorvelleSetup& setup, const std::string& name, bool bold, bool italic) {
  if (setup.UseFontOpt) return FindMSFontNumber(name, kFontKindTrueType);
  return setup.fontMap.GetFontNumber(name, bold, italic);
}

}  // namespace

CCharMultiFont RunsFromDescription(std::string_view description, std::u16string_view text,
                                   const QuorvelleSetup& setup) {
  CCharMultiFont runs;
  // 64-bit, so that the start after a run ending at the largest index cannot overflow.
  long long start = 0;
  for (std::string_view runDescription : SplitSkippingEmpty(description, ':')) {
    std::vector<std::string_view> fields = SplitSkippingEmpty(runDescription, '|');
    auto field = [&](size_t i) { return i < fields.size() ? fields[i] : std::string_view(); };
    std::string name(field(0));
    std::optional<int> end = ParseDecimal(field(4));
    if (name.empty() || !end || *end < 0 || *end < start) continue;

    const bool bold = field(1) == "b1";
    const bool italic = field(2) == "i1";
    const int script = field(3).starts_with('s') ? ParseDecimal(field(3).substr(1)).value_or(0) : 0;

    CCharFont run;
    run.EndIndex = *end;
    run.FaceName = name;
    run.TextParams.font = static_cast<UInt32>(RunFontNumber(setup, name, bold, italic));
    if (italic) run.TextParams.flags |= TXTFLAG_ITALICS;
    if (script == 1) run.TextParams.flags |= TXTFLAG_SUPERSCRIPT;
    if (script == 2) run.TextParams.flags |= TXTFLAG_SUBSCRIPT;
    if (bold) run.TextParams.exFlags |= TXTEXFLAG_BOLD;
    if (start < static_cast<long long>(text.size()))
      run.SetRunText(text.substr(static_cast<size_t>(start), static_cast<size_t>(*end - start + 1)));
    runs.Add(run);
    start = static_cast<long long>(*end) + 1;
  }
  return runs;
}
