// The font map: which MicroStation font the texts of each Excel font face and style
// use.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/Serialisable.h"
#include "platform/wintypes.h"

class CArchiveReader;
class CArchiveWriter;

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
  // Sets the MicroStation side from a display name (or "*Active Font*", which sets
  // only the number); a text that is neither changes nothing.
  void SetMSFont(const std::string& displayName);
  void Serialize(CArchiveWriter& archive) const;
  void Serialize(CArchiveReader& archive);

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

  // Every entry takes the source's mapping of its face and style when the source has
  // a resolved one; an entry still unresolved takes the default display name.
  void MergeFrom(const ExcelFontMapArray& source, const std::string& defaultDisplayName);
  // Replaces every entry by the complete entries of the registry map.
  void LoadFromRegistry();
  // Writes every entry that has a face and a style into the registry map.
  void SaveToRegistry() const;
  // A font map file (".afm"). Loading reports its failures (in a box owned by the
  // parent when one is given) and leaves the map as it was; false then.
  bool LoadFromFile(const std::string& path, HWND parent);
  bool SaveToFile(const std::string& path) const;
  // The archive form; reading replaces the entries and throws CArchiveException.
  void Serialize(CArchiveWriter& archive) const;
  void Serialize(CArchiveReader& archive);

  std::vector<ExcelFontMap> entries;
  std::string m_strTextWFactor;
};

// Reading the bytes of a font map file into the map; the map changes only when the
// whole file was read.
enum class FontMapFileStatus { Read, NotAFontMap, Damaged };
FontMapFileStatus ReadFontMapFile(std::vector<std::uint8_t> bytes, ExcelFontMapArray* map);
