#include "host/msmodel.h"
#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"
#include "output/CellTextTexts.h"
#include "settings/FontResolution.h"
#include "settings/QuorvelleSetup.h"
#include "support/TextCompare.h"

std::string CQVUtiMStation::MapBTFontName(const std::string& excelName) {
  for (const auto& alias : kBTFontAliases)
    if (EqualsNoCase(excelName, alias.excelName)) return alias.familyName;
  return excelName;
}

UInt32 CQVUtiMStation::CellFontNumber(const CAutoCell& cell) {
  const CAutoFont& font = cell.Font;
  int number = -1;
  if (currentOptionSet && currentOptionSet->UseFontOpt)
    number = FindMSFontNumber(MapBTFontName(font.Name), kFontKindTrueType);
  else if (currentOptionSet)
    number = currentOptionSet->fontMap.GetFontNumber(font.Name, font.Bold != 0, font.Italic != 0);
  if (number >= 0) return static_cast<UInt32>(number);
  UInt32 active = 0;
  mdlParams_getActive(&active, ACTIVEPARAM_FONT);
  return active;
}
