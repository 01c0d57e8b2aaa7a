// One cell of a range: geometry in Excel points, text, alignment, font, edges and fill.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/CAutoBorders.h"
#include "model/CAutoFont.h"
#include "model/CAutoInterior.h"
#include "support/Serialisable.h"

// Texts from the add-in start with the byte-order mark.
constexpr char16_t kByteOrderMark = u'\xFEFF';

class CAutoCell : public CSerialisable {
 public:
  const char* GetRuntimeClassName() const override { return "CAutoCell"; }

  bool HasText() const { return Text.has_value(); }
  // An empty text leaves the cell without text.
  void SetText(std::u16string_view text);
  // The text goes, and with it the cell strings that belong to it.
  void RemoveText();
  // Whether the cell is one of a merged area, its first cell included.
  bool IsMerged() const { return !MergeAddress.empty() && MergeAddress != Address; }

  std::string Address;
  std::string MergeAddress;  // the merged area holding the cell, else the cell's own address
  int Orientation = -4128;
  std::string TextInfo2;
  std::string TextInfo1;
  std::optional<std::u16string> Text;  // never an empty string; lines separated by U+000A
  int WrapText = 0;
  double Height = 0;
  double Width = 0;
  double LayoutWidth = 0;   // width available to the text: the merged area's for a merged cell
  double LayoutHeight = 0;
  double Left = 0;
  double Top = 0;
  int HorizontalAlignment = -4131;
  int IndentLevel = 0;
  int VerticalAlignment = -4107;
  CAutoBorders Borders;
  CAutoFont Font;
  CAutoInterior Interior;
};
