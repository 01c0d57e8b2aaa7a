// Options files as the add-in writes them, for tests and fuzzing seeds: every item of
// the file form, written for the version asked.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "support/Archive.h"
#include "support/TextConvert.h"

struct OptionsFileContent {
  std::string signature = "Quorvelle MS Options";
  int version = 4;
  bool wideStrings = false;  // every string in the archive's wide form
  std::string borderLayer = "File Border", textLayer = "File Text";
  std::string firstAutoShapeLayer = "File Shapes v2", unusedText = "unused";
  int lineClrOpt = 2, textClrOpt = 3;
  int thinColor = 31, thickColor = 32, regularColor = 33, boldColor = 34;
  int cellScaleOpt = 0, cellScaleIndex = 35;
  double cellDrawingUnits = 2.5, cellExcelPoints = 7.5;
  int fontScaleOpt = 1, fontScaleIndex = 36;
  double fontDrawingUnits = 0.125, fontExcelPoints = 10.0;
  int useFontOpt = 0;
  std::array<int, 7> drawingFlags = {1, 0, 1, 0, 1, 0, 1};
  double rotationDegrees = 45.0;
  std::string mediumBorderLevel = "File Medium", thickBorderLevel = "File Thick";
  int borderOnOneLevel = 0, borderThinWeight = 5, borderMediumWeight = 6, borderThickWeight = 7, mediumColor = 37;
  std::string boldTextLevel = "File Bold", italicTextLevel = "File Italic";
  int textOnOneLevel = 0, defaultTextWeight = 8, boldLineWeight = 9;
  std::string autoShapeLayer = "File Shapes", patternLevel = "File Pattern";
  std::string fontSizes = "8;10;12", columnWidths = "A:20", rowHeights = "1:15";
};

inline std::vector<std::uint8_t> BuildOptionsFile(const OptionsFileContent& c) {
  CArchiveWriter out;
  auto text = [&](const std::string& s) {
    if (c.wideStrings)
      out.WriteWideString(NarrowToWide(s));
    else
      out.WriteString(s);
  };
  const int v = c.version;
  text(c.signature);
  out.WriteInt32(v);
  text(c.borderLayer);
  text(c.textLayer);
  if (v >= 2) {
    text(c.firstAutoShapeLayer);
    text(c.unusedText);
  }
  for (int n : {c.lineClrOpt, c.textClrOpt, c.thinColor, c.thickColor, c.regularColor, c.boldColor, c.cellScaleOpt,
                c.cellScaleIndex})
    out.WriteInt32(n);
  out.WriteDouble(c.cellDrawingUnits);
  out.WriteDouble(c.cellExcelPoints);
  out.WriteInt32(c.fontScaleOpt);
  out.WriteInt32(c.fontScaleIndex);
  out.WriteDouble(c.fontDrawingUnits);
  out.WriteDouble(c.fontExcelPoints);
  out.WriteInt32(c.useFontOpt);
  for (int flag : c.drawingFlags) out.WriteInt32(flag);
  if (v >= 1) out.WriteDouble(c.rotationDegrees);
  if (v >= 3) {
    text(c.mediumBorderLevel);
    text(c.thickBorderLevel);
    for (int n : {c.borderOnOneLevel, c.borderThinWeight, c.borderMediumWeight, c.borderThickWeight, c.mediumColor})
      out.WriteInt32(n);
    text(c.boldTextLevel);
    text(c.italicTextLevel);
    for (int n : {c.textOnOneLevel, c.defaultTextWeight, c.boldLineWeight}) out.WriteInt32(n);
    text(c.autoShapeLayer);
    text(c.patternLevel);
  }
  if (v >= 4) {
    text(c.fontSizes);
    text(c.columnWidths);
    text(c.rowHeights);
  }
  return out.bytes();
}
