// The table properties as some placed tables carry them: one fixed-size record of
// little-endian fields and UTF-16 texts, extended attribute 1 of the cell.
#include "output/LinkData.h"
#include "output/LinkLayout.h"
#include "output/RecordFields.h"
#include "settings/QuorvelleSetup.h"

namespace {

struct LevelSlots {
  LevelOption QuorvelleSetup::*option;
  std::size_t idOffset;
  std::size_t nameOffset;
};

constexpr std::size_t kLevelNameSlot = 1026;
constexpr LevelSlots kLevels[] = {
    {&QuorvelleSetup::AutoShapeLayer, 116, 6304},  {&QuorvelleSetup::PatternLevel, 120, 7330},
    {&QuorvelleSetup::BorderLayer, 124, 148},      {&QuorvelleSetup::MediumBorderLevel, 128, 1174},
    {&QuorvelleSetup::ThickBorderLevel, 132, 2200}, {&QuorvelleSetup::TextLayer, 136, 3226},
    {&QuorvelleSetup::BoldTextLevel, 140, 4252},   {&QuorvelleSetup::ItalicTextLevel, 144, 5278},
};

struct NumberField {
  int QuorvelleSetup::*option;
  std::size_t offset;
};

constexpr NumberField kByteFields[] = {
    {&QuorvelleSetup::UseFontOpt, 4},
    {&QuorvelleSetup::OnlyPrintArea, 5},
    {&QuorvelleSetup::BorderOnOneLevel, 6},
    {&QuorvelleSetup::TextOnOneLevel, 7},
};

constexpr NumberField kInt32Fields[] = {
    {&QuorvelleSetup::optionsVersion, 0},      {&QuorvelleSetup::CellScaleIndex, 48},
    {&QuorvelleSetup::FontScaleIndex, 52},     {&QuorvelleSetup::CellScaleOpt, 56},
    {&QuorvelleSetup::FontScaleOpt, 60},       {&QuorvelleSetup::BorderThinWeight, 64},
    {&QuorvelleSetup::BorderMediumWeight, 68}, {&QuorvelleSetup::BorderThickWeight, 72},
    {&QuorvelleSetup::DefaultTextWeight, 76},  {&QuorvelleSetup::BoldLineWeight, 80},
    {&QuorvelleSetup::ThinColorIndex, 84},     {&QuorvelleSetup::MediumColorIndex, 88},
    {&QuorvelleSetup::ThickColorIndex, 92},    {&QuorvelleSetup::RegularColorIndex, 96},
    {&QuorvelleSetup::BoldColorIndex, 100},    {&QuorvelleSetup::LineClrOpt, 104},
    {&QuorvelleSetup::TextClrOpt, 108},        {&QuorvelleSetup::ImportObj, 112},
};

struct RealField {
  double QuorvelleSetup::*option;
  std::size_t offset;
};

constexpr RealField kRealFields[] = {
    {&QuorvelleSetup::CellExcelPoints, 8},   {&QuorvelleSetup::CellDrawingUnits, 16},
    {&QuorvelleSetup::FontExcelPoints, 24},  {&QuorvelleSetup::FontDrawingUnits, 32},
    {&QuorvelleSetup::TextWFactor, 40},
};

struct TextField {
  std::string QuorvelleSetup::*option;
  std::size_t offset;
  std::size_t slotSize;
};

constexpr TextField kTextFields[] = {
    {&QuorvelleSetup::FontSizes, 8356, 8194},
    {&QuorvelleSetup::ColumnWidths, 16550, 4098},
    {&QuorvelleSetup::RowHeights, 20648, 4104},
};

}  // namespace

bool CopyTableProperties(const void* record, std::size_t size, QuorvelleSetup* setup) {
  if (!record || !setup || size != kPropertiesRecordSize) return false;
  const auto* bytes = static_cast<const std::uint8_t*>(record);
  for (const NumberField& f : kByteFields) setup->*f.option = bytes[f.offset];
  for (const NumberField& f : kInt32Fields) setup->*f.option = Int32At(bytes, f.offset);
  for (const RealField& f : kRealFields) setup->*f.option = DoubleAt(bytes, f.offset);
  for (const LevelSlots& l : kLevels) {
    LevelOption& option = setup->*l.option;
    option.id = static_cast<LevelID>(Int32At(bytes, l.idOffset));
    option.name = SlotTextAt(bytes, l.nameOffset, kLevelNameSlot);
  }
  for (const TextField& f : kTextFields) setup->*f.option = SlotTextAt(bytes, f.offset, f.slotSize);
  return true;
}
