#include "links/TableLinkRewrite.h"

#include "host/mslinkage.h"
#include "host/msmodel.h"
#include "host/msoutput.h"
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
  return rewrite == LinkRecordRewrite::Damaged ? TableRewrite::Stop : TableRewrite::Done;
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
  mdlElement_rewrite(&cell, &element, filePos);
  return TableRewrite::Done;
}

TableRewrite UnlinkTable(ULong filePos) {
  MSElement element;
  if (mdlElement_read(&element, mdlModelRef_getActive(), filePos) != SUCCESS) return TableRewrite::Skipped;
  MSElement cell = element;
  for (UShort key : {kKeyPath, kKeyWorksheet, kKeyRange, kKeySaveTime})
    while (mdlLinkage_deleteStringLinkage(&cell, key, 0) == SUCCESS) {
    }
  mdlElement_rewrite(&cell, &element, filePos);
  return TableRewrite::Done;
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
  if (link.Path.size() < oldFolder.size() || !EqualsNoCase(link.Path.substr(0, oldFolder.size()), oldFolder))
    return TableRewrite::Skipped;
  const std::string newPath = newFolder + link.Path.substr(oldFolder.size());
  if (HasLinkRecord(&element)) return Outcome(RewriteLinkRecord(&element, newPath, nullptr, nullptr));
  MSElement cell = element;
  SetTextLinkage(&cell, kKeyPath, newPath, kMaxLinkageChars);
  mdlElement_rewrite(&cell, &element, filePos);
  return TableRewrite::Done;
}
