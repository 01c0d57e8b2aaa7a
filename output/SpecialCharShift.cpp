#include "output/CQVUtiMStation.h"
#include "output/CellTextDrawing.h"
#include "output/CellTextTexts.h"
#include "settings/Profile.h"
#include "support/DecimalText.h"
#include "support/TextConvert.h"

double SpecialCharShift(const std::u16string& text) {
  if (GetProfileInt(kProductSection, kValueHasShiftChar, 0) == 0) return 0.0;
  const std::string special = GetProfileString(kProductSection, kValueShiftChar);
  const double points = DecimalPrefixToDouble(GetProfileString(kProductSection, kValueShiftPoints));
  // The user's characters are 8-bit, so the text is looked at as 8-bit too.
  const std::string narrow = WideToNarrow(text);
  for (char c : special)
    if (c != ' ' && narrow.find(c) != std::string::npos) return points * CQVUtiMStation::PlacementScale();
  return 0.0;
}
