// Character runs of a cell's text: pieces drawn with fonts of their own (a text that
// mixes fonts in Excel) or the parts of stacked fractions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/mselement.h"
#include "support/Serialisable.h"

// Stacked-fraction marks in TextParamWide::exFlags.
constexpr UInt32 kFractionNumerator = 1u << TXTEXFLAG_STACKEDFRACTION_SECTION_SHIFT;
constexpr UInt32 kFractionDenominator = 2u << TXTEXFLAG_STACKEDFRACTION_SECTION_SHIFT;

class CCharFont {
 public:
  static constexpr int kRunTextUnits = 520;
  static constexpr int kMaxRunChars = 518;

  CCharFont();

  std::u16string_view GetRunText() const;
  // Keeps at most kMaxRunChars units of the text, NUL-terminated.
  void SetRunText(std::u16string_view text);

  int EndIndex = 0;  // last character of the run in the record text; -1 for fraction pieces
  // The run's Excel font face: with a font map, the map in force when the text is
  // drawn decides its font, which may be mapped after the run was read.
  std::string FaceName;
  TextParamWide TextParams;
  char16_t RunText[kRunTextUnits] = {};
};

class CCharMultiFont : public CSerialisable {
 public:
  const char* GetRuntimeClassName() const override { return "CCharMultiFont"; }

  bool empty() const { return runs.empty(); }
  size_t size() const { return runs.size(); }
  CCharFont& operator[](size_t i) { return runs[i]; }
  const CCharFont& operator[](size_t i) const { return runs[i]; }
  auto begin() const { return runs.begin(); }
  auto end() const { return runs.end(); }
  void Add(const CCharFont& run) { runs.push_back(run); }
  void RemoveAll() { runs.clear(); }

 private:
  std::vector<CCharFont> runs;
};
