// Reading the link of a placed table. Extended attributes are read when the cell has
// the link attribute; otherwise its string linkages.
#include <cstdint>
#include <string>

#include "output/LinkData.h"
#include "output/LinkElement.h"
#include "output/LinkLayout.h"
#include "output/LinkSettings.h"
#include "output/LinkTexts.h"
#include "output/RecordFields.h"
#include "settings/QuorvelleSetup.h"

namespace {

// The link record: path, worksheet, range and save time in four text slots.
void ReadLinkRecord(const std::uint8_t* record, xlslinkinfo* link) {
  link->Path = PathBeforeBar(SlotTextAt(record, kSlotPath, kLinkSlotSize));
  link->Worksheet = SlotTextAt(record, kSlotWorksheet, kLinkSlotSize);
  link->Range = SlotTextAt(record, kSlotRange, kLinkSlotSize);
  link->LastSaveTime.ParseDateTime(SlotTextAt(record, kSlotSaveTime, kLinkSlotSize));
}

// The table properties record, when the cell has one, and the font map.
bool ReadPropertyAttributes(const MSElement* cell, QuorvelleSetup* setup) {
  XAttributeHandle properties;
  if (ReadLinkAttribute(cell, kAttrTableProperties, &properties) && properties.GetSize() > 0 &&
      !CopyTableProperties(properties.PeekData(), properties.GetSize(), setup)) {
    ReportCellMessage(kTablePropertiesCorrupted, cell);
    return false;
  }
  if (KeepsFontMapOnCell()) ReadFontMapFromXAttribute(cell);
  return true;
}

}  // namespace

int ReadXlsInfo(const MSElement* cell, xlslinkinfo* link, bool withProperties) {
  if (!cell || !link) return 0;
  XAttributeHandle linkAttribute;
  if (!ReadLinkAttribute(cell, kAttrLink, &linkAttribute)) return ReadXlsInfoFromLinkage(cell, link, withProperties);
  // An empty attribute is as damaged as a short one: it holds no link.
  if (linkAttribute.GetSize() != kLinkRecordSize) {
    ReportCellMessage(kLinkCorrupted, cell);
    return 0;
  }
  ReadLinkRecord(static_cast<const std::uint8_t*>(linkAttribute.PeekData()), link);
  if (withProperties && currentOptionSet && !ReadPropertyAttributes(cell, currentOptionSet)) return 0;
  return 1;
}
