// The names and tables the drawing of cell texts reads, in one place.
#pragma once

// Values of the product key (settings/Profile.h) that shift texts holding special
// characters, such as letters with descenders: HasShiftChar (32-bit, 0 off),
// ShiftChar (the characters, as text) and ShiftPoints (the shift in points, as text).
constexpr char kValueHasShiftChar[] = "HasShiftChar";
constexpr char kValueShiftChar[] = "ShiftChar";
constexpr char kValueShiftPoints[] = "ShiftPoints";

// Excel's short names of Bitstream fonts and the family names the fonts are
// installed under.
struct CBTFontAlias {
  const char* excelName;
  const char* familyName;
};

constexpr CBTFontAlias kBTFontAliases[] = {
    {"BankGothic Lt BT", "Bank Gothic Light BT"},
    {"BankGothic Md BT", "Bank Gothic Medium BT"},
    {"CommercialPi BT", "Commercial Pi BT"},
    {"CommercialScript BT", "Commercial Script BT"},
    {"Dutch801 Rm BT", "Dutch 801 Roman BT"},
    {"Dutch801 XBd BT", "Dutch 801 Extra Bold BT"},
    {"Monospac821 BT", "Monospace 821 BT"},
    {"Swis721 BT", "Swiss 721 BT"},
    {"Swis721 Blk BT", "Swiss 721 Black BT"},
    {"Swis721 BlkCn BT", "Swiss 721 Black Condensed BT"},
    {"Swis721 BlkEx BT", "Swiss 721 Black Extended BT"},
    {"Swis721 BlkOul BT", "Swiss 721 Black Outline BT"},
    {"Swis721 BdCnOul BT", "Swiss 721 Bold Condensed Outline BT"},
    {"Swis721 BdOul BT", "Swiss 721 Bold Outline BT"},
    {"Swis721 Cn BT", "Swiss 721 Condensed BT"},
    {"Swis721 Ex BT", "Swiss 721 Extended BT"},
    {"Swis721 Lt BT", "Swiss 721 Light BT"},
    {"Swis721 LtCn BT", "Swiss 721 Light Condensed BT"},
    {"Swis721 LtEx BT", "Swiss 721 Light Extended BT"},
    {"UniversalMath1 BT", "Universal Math 1 BT"},
};
