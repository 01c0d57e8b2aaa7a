// The font map: which MicroStation font the texts of each Excel font face and style
// use.
#pragma once

#include <string>
#include <vector>

#include "model/Serialisable.h"

// Font kinds of MicroStation.
constexpr int kFontKindDgn = 1;
constexpr int kFontKindTrueType = 2;
constexpr int kFontKindShx = 3;

// "Regular", "Bold", "Italic" or "Bold Italic".
std::string FontStyleText(bool bold, bool italic);

class ExcelFontMap : public CSerialisable {
 public:
  const char* GetRuntimeClassName() const override { return "ExcelFontMap"; }
  // The kind label ("(DGN) ", "(SHX) ", "(TrueType) ") followed by the font name.
  std::string GetDisplayName() const;

  std::string m_strExcelFont;
  std::string m_strStyle;
  std::string m_strMSFont;
  int m_nFontNum = -1;
  int m_nFontType = kFontKindTrueType;
};

class ExcelFontMapArray : public CSerialisable {
 public:
  ExcelFontMapArray() = default;
  ExcelFontMapArray(const ExcelFontMapArray& other) : entries(other.entries) {}
  // Assigning copies the entries only; the width factor text stays.
  ExcelFontMapArray& operator=(const ExcelFontMapArray& other) {
    entries = other.entries;
    return *this;
  }
  const char* GetRuntimeClassName() const override { return "ExcelFontMapArray"; }

  // Index of the entry of the face and style (ignoring case), or -1.
  int FindIndex(const std::string& face, const std::string& style) const;
  // Appends an entry for the face and style unless one exists.
  void AddExcelFont(const std::string& face, bool bold, bool italic);
  // Font number of the first entry of the face and style, or -1.
  int GetFontNumber(const std::string& face, bool bold, bool italic) const;
  // Every matching entry overwrites the outputs: the last match wins.
  void Lookup(const std::string& face, const std::string& style, std::string* msFont, int* fontNum,
              int* fontType) const;

  std::vector<ExcelFontMap> entries;
  std::string m_strTextWFactor;
};
