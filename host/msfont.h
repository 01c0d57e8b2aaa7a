// Fonts: the fonts the host knows (its resource fonts, shown as DGN fonts; SHX
// fonts; the TrueType fonts installed on the system) and each design file's font
// number map, which gives the fonts used in the file their numbers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/mstypes.h"

// Font kinds.
constexpr int FONTTYPE_DGN = 1;
constexpr int FONTTYPE_TRUETYPE = 2;
constexpr int FONTTYPE_SHX = 3;

// The filter that takes every kind of font.
constexpr int FONTFILTER_ALL = 11;

class Font {
 public:
  Font(int type, std::u16string name, std::string file, bool valid)
      : type_(type), name_(std::move(name)), file_(std::move(file)), valid_(valid) {}
  bool IsValid() const { return valid_; }
  int GetType() const { return type_; }
  const MSWChar* GetName() const { return name_.c_str(); }
  // The font file of a TrueType font (a Linux path), empty for the others.
  const std::string& GetFile() const { return file_; }

 private:
  int type_;
  std::u16string name_;
  std::string file_;
  bool valid_;
};

// A list of fonts; the caller that asked for it deletes it.
class FontList {
 public:
  explicit FontList(std::vector<const Font*> fonts) : fonts_(std::move(fonts)) {}
  // Order 0: by kind (DGN, TrueType, SHX), then by name ignoring case.
  void Sort(int order);
  int GetCount() const { return static_cast<int>(fonts_.size()); }
  const Font* GetEntry(int index) const;

 private:
  std::vector<const Font*> fonts_;
};

struct MSDgnFile;

// The font numbers of one design file.
class FontNumMap {
 public:
  explicit FontNumMap(MSDgnFile* file) : file_(file) {}
  // The font of that name in the file's map (any kind the filter allows) and its
  // number; null when the file has no font of that name.
  const Font* FindFontByName(const MSWChar* name, int filter, UInt32* number) const;
  // The font's number in the file, giving it one when it has none and `create` is
  // set; 0 on success.
  int GetFontNumber(UInt32* number, const Font& font, bool create);

 private:
  MSDgnFile* file_;
};

class FontManager {
 public:
  static MSDgnFile* GetMSDgnFileP(DgnModelRefP modelRef);
  // Null when there is no design file.
  static FontNumMap* GetFontMap(MSDgnFile* file);
  // The installed fonts the filter allows (the design file is not needed); the caller
  // deletes the list.
  static FontList* CreateKnownFontList(MSDgnFile* file, int filter);
  // The font with that number in the file, or null.
  static const Font* GetFontByNumber(UInt32 number, MSDgnFile* file);
};

int mdlFontMgr_isTrueTypeFont(UInt32 fontNumber);
