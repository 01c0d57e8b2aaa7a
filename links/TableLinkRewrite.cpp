#include "links/TableLinkRewrite.h"

#include "host/mslinkage.h"
#include "host/msmodel.h"
#include "host/msoutput.h"
#include "links/LinkManTexts.h"
#include "output/LinkElement.h"
#include "output/LinkLayout.h"
#include "output/LinkTexts.h"
#include "output/LinkageText.h"
#include "support/TextCompare.h"

namespace {

// Texts of the link linkages, in UTF-16 units.
constexpr std::size_t kMaxLinkageChars = 259;

bool HasLinkRecord(const MSElement* cell) {
  XAttributeHandle record;
  return ReadLinkAttribute(cell, kAttrLink, &record);
}

TableRewrite Outcome(LinkRecordRewrite rewrite) {
  switch (rewrite) {
    case LinkRecordRewrite::Damaged: return TableRewrite::Stop;
    case LinkRecordRewrite::Refused: return TableRewrite::Refused;
    default: return TableRewrite::Done;
  }
}

TableRewrite Rewrite(MSElement& cell, const MSElement& old, ULong filePos) {
  return mdlElement_rewrite(&cell, &old, filePos) != 0 ? TableRewrite::Done : TableRewrite::Refused;
}

}  // namespace

TableRewrite RelinkTable(ULong filePos, const xlslinkinfo& key) {
  MSElement element;
  if (mdlElement_read(&element, mdlModelRef_getActive(), filePos) != SUCCESS) return TableRewrite::Skipped;
  if (HasLinkRecord(&element)) return Outcome(RewriteLinkRecord(&element, key.Path, &key.Worksheet, &key.Range));
  MSElement cell = element;
  SetTextLinkage(&cell, kKeyPath, key.Path, kMaxLinkageChars);
  SetTextLinkage(&cell, kKeyWorksheet, key.Worksheet, kMaxLinkageChars);
  SetTextLinkage(&cell, kKeyRange, key.Range, kMaxLinkageChars);
  // The update compares this with the workbook's save time: a workbook saved after
  // the relinking is newer than the table.
  SetTextLinkage(&cell, kKeySaveTime, COleDateTime::GetCurrentTime().Format(), kMaxLinkageChars);
  return Rewrite(cell, element, filePos);
}

TableRewrite UnlinkTable(ULong filePos) {
  MSElement element;
  if (mdlElement_read(&element, mdlModelRef_getActive(), filePos) != SUCCESS) return TableRewrite::Skipped;
  MSElement cell = element;
  for (UShort key : {kKeyPath, kKeyWorksheet, kKeyRange, kKeySaveTime})
    while (mdlLinkage_deleteStringLinkage(&cell, key, 0) == SUCCESS) {
    }
  return Rewrite(cell, element, filePos);
}

TableRewrite MoveTableToFolder(ULong filePos, const std::string& oldFolder, const std::string& newFolder) {
  MSElement element;
  if (mdlElement_read(&element, mdlModelRef_getActive(), filePos) != SUCCESS) return TableRewrite::Skipped;
  if (!IsQuorvelleCell(&element)) {
    mdlOutput_printf(MSG_MESSAGE, "%s", kNotATable);
    return TableRewrite::Skipped;
  }
  // A damaged record stops the whole move, which the reader below would only skip.
  XAttributeHandle record;
  if (ReadLinkAttribute(&element, kAttrLink, &record) && record.GetSize() != kLinkRecordSize) {
    ReportCellMessage(kLinkCorrupted, &element);
    return TableRewrite::Stop;
  }
  xlslinkinfo link;
  if (!ReadXlsInfo(&element, &link, false)) return TableRewrite::Skipped;
  if (!StartsWithNoCase(link.Path, oldFolder)) return TableRewrite::Skipped;
  const std::string newPath = newFolder + link.Path.substr(oldFolder.size());
  if (HasLinkRecord(&element)) return Outcome(RewriteLinkRecord(&element, newPath, nullptr, nullptr));
  MSElement cell = element;
  SetTextLinkage(&cell, kKeyPath, newPath, kMaxLinkageChars);
  const TableRewrite rewrite = Rewrite(cell, element, filePos);
  if (rewrite == TableRewrite::Refused)
    mdlOutput_printf(MSG_ERROR, kLinkNotChanged, link.Path.c_str(), newPath.c_str());
  return rewrite;
}
