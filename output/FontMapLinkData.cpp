// A table's font map kept on its cell, in the map's archive form: as Base64 string
// linkages (written here), or as extended attribute 2 (read only).
#include <cstdint>
#include <vector>

#include "output/LinkData.h"
#include "output/LinkElement.h"
#include "output/LinkLayout.h"
#include "output/LinkTexts.h"
#include "settings/QuorvelleSetup.h"
#include "support/Archive.h"

namespace {

// Only tables that draw by their own map (UseFontOpt off) keep it.
QuorvelleSetup* SetupUsingFontMap() {
  return currentOptionSet && currentOptionSet->UseFontOpt == 0 ? currentOptionSet : nullptr;
}

// The map changes only when the whole archive reads.
bool LoadFontMap(std::vector<std::uint8_t> bytes, ExcelFontMapArray* map) {
  try {
    CArchiveReader archive(std::move(bytes));
    ExcelFontMapArray read;
    read.Serialize(archive);
    *map = read;
    return true;
  } catch (const CArchiveException&) {
    return false;
  }
}

}  // namespace

StatusInt SaveFontMapToLinkage(MSElement* element) {
  QuorvelleSetup* setup = SetupUsingFontMap();
  if (!setup) return SUCCESS;
  CArchiveWriter archive;
  setup->fontMap.Serialize(archive);
  const std::vector<std::uint8_t>& bytes = archive.bytes();
  return AppendBase64Linkages(element, bytes.data(), bytes.size(), kKeyFontMapLength, kKeyFontMapText);
}

int ReadFontMapFromLinkage(const MSElement* cell) {
  QuorvelleSetup* setup = SetupUsingFontMap();
  if (!setup || !cell) return 0;
  std::vector<std::uint8_t> bytes;
  if (!ExtractBase64Linkages(cell, &bytes, kKeyFontMapLength, kKeyFontMapText)) return 0;
  if (!LoadFontMap(std::move(bytes), &setup->fontMap)) {
    ReportCellMessage(kFontMapCorrupted, cell);
    return 0;
  }
  return 1;
}

int ReadFontMapFromXAttribute(const MSElement* cell) {
  QuorvelleSetup* setup = SetupUsingFontMap();
  if (!setup || !cell) return 0;
  XAttributeHandle attribute;
  const bool present = ReadLinkAttribute(cell, kAttrFontMap, &attribute) && attribute.GetSize() > 0;
  const auto* data = static_cast<const std::uint8_t*>(attribute.PeekData());
  if (!present || !LoadFontMap({data, data + attribute.GetSize()}, &setup->fontMap)) {
    ReportCellMessage(kFontMapCorrupted, cell);
    return 0;
  }
  return 1;
}
