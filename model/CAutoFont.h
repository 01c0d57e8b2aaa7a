// A cell's font and its character runs.
#pragma once

#include <string>

#include "model/CCharFont.h"
#include "support/Serialisable.h"

// The size of a font that no record set.
constexpr double kFontSizeUnset = 10000.0;

class CAutoFont : public CSerialisable {
 public:
  const char* GetRuntimeClassName() const override { return "CAutoFont"; }

  std::string Name = "Arial";
  int Bold = 0;
  int Italic = 0;
  int Underline = 0;
  double Size = kFontSizeUnset;  // text height: Excel's size times the text scale factor
  double FixedWidth = -1.0;      // explicit text width; 1e-6 or less: none
  int Color = 0;
  CCharMultiFont Runs;
};
