// The literal texts of the font map: labels, names, registry values and messages.
#pragma once

constexpr char kLabelDgn[] = "(DGN) ";
constexpr char kLabelShx[] = "(SHX) ";
constexpr char kLabelTrueType[] = "(TrueType) ";
constexpr char kActiveFont[] = "*Active Font*";

constexpr char kFontMapSection[] = "Quorvelle\\FontMap";
constexpr char kFontMapFileSignature[] = "Quorvelle MS Font Map";
constexpr int kFontMapFileVersion = 2;

// Values of the product section read when a table's map is prepared.
constexpr char kValueShowFontMap[] = "ShowFontMap";
constexpr char kValueUseSameTextStyle[] = "UseSameTextStyle";
constexpr char kValueSameTextStyle[] = "SameTextStyle";
constexpr char kValueAutoLoadFontMap[] = "AutoLoadFontMap";

constexpr char kInvalidFontMapFile[] = "Invalid font map file: ";
constexpr char kFontMapLoaded[] = "%s is loaded.";
constexpr char kFontMapFileMissing[] = "Cannot find the font map file: %s.";

// Capabilities of the host asked before TrueType and SHX fonts are offered.
constexpr int kCapabilityShxFonts = 52;
constexpr int kCapabilityTrueTypeFonts = 53;
