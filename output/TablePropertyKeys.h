// Which option of the option set each table-properties key carries. Keys 50 (the
// version) and 89 (the split data) carry no single option and are not listed.
#pragma once

#include <string>
#include <variant>

#include "host/mstypes.h"
#include "settings/QuorvelleSetup.h"

// The kind of a key's text follows from its option: integers "%d", reals "%g", level
// names, and the texts of the size tables.
using TablePropertyMember = std::variant<int QuorvelleSetup::*, double QuorvelleSetup::*,
                                         LevelOption QuorvelleSetup::*, std::string QuorvelleSetup::*>;

struct TableProperty {
  UShort key;
  TablePropertyMember member;
};

constexpr UShort kKeySplitData = 89;

// In ascending key order, as they are written.
inline constexpr TableProperty kTableProperties[] = {
    {51, &QuorvelleSetup::TextWFactor},
    {52, &QuorvelleSetup::CellScaleOpt},
    {53, &QuorvelleSetup::CellScaleIndex},
    {54, &QuorvelleSetup::CellDrawingUnits},
    {55, &QuorvelleSetup::CellExcelPoints},
    {56, &QuorvelleSetup::FontScaleOpt},
    {57, &QuorvelleSetup::FontScaleIndex},
    {58, &QuorvelleSetup::FontDrawingUnits},
    {59, &QuorvelleSetup::FontExcelPoints},
    {60, &QuorvelleSetup::LineClrOpt},
    {61, &QuorvelleSetup::TextClrOpt},
    {62, &QuorvelleSetup::ThinColorIndex},
    {63, &QuorvelleSetup::ThickColorIndex},
    {64, &QuorvelleSetup::RegularColorIndex},
    {65, &QuorvelleSetup::BoldColorIndex},
    {66, &QuorvelleSetup::UseFontOpt},
    {67, &QuorvelleSetup::ImportObj},
    {68, &QuorvelleSetup::BorderLayer},
    {69, &QuorvelleSetup::TextLayer},
    {70, &QuorvelleSetup::AutoShapeLayer},
    {71, &QuorvelleSetup::PatternLevel},
    {72, &QuorvelleSetup::BorderThinWeight},
    {73, &QuorvelleSetup::BorderMediumWeight},
    {74, &QuorvelleSetup::BorderThickWeight},
    {75, &QuorvelleSetup::OnlyPrintArea},
    {76, &QuorvelleSetup::BorderOnOneLevel},
    {77, &QuorvelleSetup::BorderLayer},  // carried twice; read last, this one wins
    {78, &QuorvelleSetup::MediumBorderLevel},
    {79, &QuorvelleSetup::ThickBorderLevel},
    {80, &QuorvelleSetup::TextOnOneLevel},
    {81, &QuorvelleSetup::BoldTextLevel},
    {82, &QuorvelleSetup::ItalicTextLevel},
    {83, &QuorvelleSetup::DefaultTextWeight},
    {84, &QuorvelleSetup::BoldLineWeight},
    {85, &QuorvelleSetup::MediumColorIndex},
    {86, &QuorvelleSetup::FontSizes},
    {87, &QuorvelleSetup::ColumnWidths},
    {88, &QuorvelleSetup::RowHeights},
};

// The entry of the key, or null.
inline const TableProperty* FindTableProperty(UShort key) {
  for (const TableProperty& p : kTableProperties)
    if (p.key == key) return &p;
  return nullptr;
}
