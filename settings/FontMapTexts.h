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

// The font map dialogs.
constexpr char kFontMapCaption[] = "Font Map";
constexpr char kFontMapCaptionWithFile[] = "Font Map - %s";
constexpr char kFontMapDlgTemplate[] = "B79D48E9-C7E1-4A07-A9A0-B65E880F9737";
constexpr char kFontMapOptionDlgTemplate[] = "11AFC37C-D3D5-4822-835A-B98F6EC50931";
constexpr char kNotFoundMarker[] = "*Not Found*";
constexpr char kColumnExcelFont[] = "Font used in Excel";
constexpr char kColumnFontStyle[] = "Font Style";
constexpr char kColumnMSFont[] = "Font in MicroStation";
constexpr char kLabelUpdate[] = "&Update";
constexpr char kLabelLoadFromFile[] = "Load from file";
constexpr char kLabelSaveToFile[] = "Save to file";
constexpr char kLabelLoadFromFileKey[] = "&Load from file";
constexpr char kLabelSaveToFileKey[] = "&Save to file";
constexpr char kLabelAdd[] = "&Add";
constexpr char kLabelRemove[] = "&Remove";
constexpr char kLabelOk[] = "OK";
constexpr char kLabelCancel[] = "Cancel";
constexpr char kLabelUseSameFont[] = "Use the same font for all fonts:";
constexpr char kLabelShowFontMap[] = "Show the font map dialog when creating table.";
constexpr char kLabelAutoLoad[] = "Load the font map specified by the variable KORVU_QV_AFM automatically.";
constexpr const char* kFontStyles[] = {"Regular", "Italic", "Bold", "Bold Italic"};
constexpr char kDefaultExcelFace[] = "Arial";

constexpr char kFontMapFilter[] = "Font Map Files (*.afm)|*.afm|All Files (*.*)|*.*||";
constexpr char kFontMapExtension[] = "afm";
constexpr char kFontMapUntitled[] = "Untitled";

// Values of the product section the dialogs read and write.
constexpr char kValueFontMapDlgInitFolder[] = "FontMapDlgInitFolder";
constexpr char kValueDefaultTextStyle[] = "DefaultTextStyle";
constexpr char kDefaultTextWFactor[] = "0.9";
// The configuration variable that names the user's font map file.
constexpr char kFontMapFileCfgVar[] = "KORVU_QV_AFM";

constexpr char kFontMapBoxTitle[] = "Korvu Quorvelle for MicroStation V8i";
constexpr char kFontMapFileNotFound[] = "Cannot find %s.";
constexpr char kInvalidFontName[] = "Invalid font name.";
constexpr char kInvalidTextStyle[] = "Invalid text style.";
constexpr char kReplaceSameFont[] = "The font map already contains a same font. Would you like to replace it?";
constexpr char kConfirmRemoveFont[] = "Are you sure you want to remove this font?";
