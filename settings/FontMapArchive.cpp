// The archive form of the font map: a layout mark, the count, then per entry the
// Excel face, the style, the MicroStation name, the number and the kind.
#include "settings/ExcelFontMap.h"
#include "support/Archive.h"

namespace {
// The smallest entry: three empty strings and two numbers.
constexpr size_t kMinimumEntrySize = 3 + 4 + 4;
}  // namespace

void ExcelFontMap::Serialize(CArchiveWriter& archive) const {
  archive.WriteString(m_strExcelFont);
  archive.WriteString(m_strStyle);
  archive.WriteString(m_strMSFont);
  archive.WriteInt32(m_nFontNum);
  archive.WriteInt32(m_nFontType);
}

void ExcelFontMap::Serialize(CArchiveReader& archive) {
  m_strExcelFont = archive.ReadString();
  m_strStyle = archive.ReadString();
  m_strMSFont = archive.ReadString();
  m_nFontNum = archive.ReadInt32();
  m_nFontType = archive.ReadInt32();
}

void ExcelFontMapArray::Serialize(CArchiveWriter& archive) const {
  archive.WriteInt32(1);
  archive.WriteInt32(static_cast<std::int32_t>(entries.size()));
  for (const auto& e : entries) e.Serialize(archive);
}

void ExcelFontMapArray::Serialize(CArchiveReader& archive) {
  archive.ReadInt32();  // layout mark
  std::size_t count = archive.ReadCount(kMinimumEntrySize);
  std::vector<ExcelFontMap> read(count);
  for (auto& e : read) e.Serialize(archive);
  entries = std::move(read);
}
