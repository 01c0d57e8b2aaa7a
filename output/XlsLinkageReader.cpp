// Reading the link of a placed table from the string linkages of its cell.
#include <string>

#include "output/LinkData.h"
#include "output/LinkLayout.h"
#include "output/LinkSettings.h"
#include "output/LinkageText.h"
#include "output/TablePropertyKeys.h"
#include "settings/QuorvelleSetup.h"
#include "support/TextConvert.h"

namespace {

// The size tables are read whole, as they were written; every other text is cut.
bool IsReadWhole(UShort key) {
  const TableProperty* property = FindTableProperty(key);
  return property && std::holds_alternative<std::string QuorvelleSetup::*>(property->member);
}

}  // namespace

int ReadXlsInfoFromLinkage(const MSElement* cell, xlslinkinfo* link, bool withProperties) {
  if (!cell || !link) return 0;
  // A key that is not there stands for an empty text.
  link->Path.clear();
  link->Worksheet.clear();
  link->Range.clear();
  QuorvelleSetup* setup = withProperties ? currentOptionSet : nullptr;
  // The map's linkages are the same wherever the walk stands; once the table is known
  // to use its own map, one reading gives the map every later one would.
  bool fontMapPending = setup && KeepsFontMapOnCell();

  std::string timeText;
  UShort key = 0;
  std::u16string wide;
  for (int index = 0; ReadLinkageByIndex(cell, index, &key, &wide); ++index) {
    if (!IsReadWhole(key)) wide = CutToChars(std::move(wide), kMaxLinkTextChars);
    const std::string text = WideToNarrow(wide);
    switch (key) {
      case kKeyRange: link->Range = text; break;
      case kKeySaveTime: timeText = text; break;
      case kKeyPath: link->Path = PathBeforeBar(text); break;
      case kKeyWorksheet: link->Worksheet = text; break;
      case kKeyPictureTag:
        // The prefix of the old table's pictures: an update needs it to detach them,
        // whether or not the rest of the options are read.
        if (currentOptionSet) currentOptionSet->pictureTag = text;
        break;
      default: break;
    }
    if (!setup) continue;
    ReadTableProperty(key, text);
    if (fontMapPending && setup->UseFontOpt == 0) {
      ReadFontMapFromLinkage(cell);
      fontMapPending = false;
    }
  }
  link->LastSaveTime.ParseDateTime(timeText);
  return link->Path.empty() ? 0 : 1;
}
