// Re-pointing the legacy link record of a table cell: the link attribute that tables
// placed by earlier versions carry instead of (or beside) the link's string linkages.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "host/msmodel.h"
#include "host/msoutput.h"
#include "output/LinkData.h"
#include "output/LinkElement.h"
#include "output/LinkLayout.h"
#include "output/LinkTexts.h"
#include "output/LinkageText.h"
#include "support/TextConvert.h"

namespace {

// The text as UTF-16 in a slot, cut to leave room for its NUL, the rest zero.
void PutSlot(std::vector<std::uint8_t>& record, std::size_t offset, const std::string& text) {
  std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(offset), kLinkSlotSize, 0);
  const std::u16string wide = CutToChars(NarrowToWide(text), kMaxNameChars - 1);
  for (std::size_t i = 0; i < wide.size(); ++i) {
    record[offset + 2 * i] = static_cast<std::uint8_t>(wide[i] & 0xFF);
    record[offset + 2 * i + 1] = static_cast<std::uint8_t>(wide[i] >> 8);
  }
}

void ReportStatus(const char* format, StatusInt status) {
  char text[256];
  std::snprintf(text, sizeof text, format, static_cast<long>(status));
  mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, text, MSGBOX_ICON_INFORMATION);
}

}  // namespace

LinkRecordRewrite RewriteLinkRecord(const MSElement* cell, const std::string& path, const std::string* worksheet,
                                    const std::string* range) {
  XAttributeHandle old;
  if (!cell || !ReadLinkAttribute(cell, kAttrLink, &old)) return LinkRecordRewrite::NoRecord;
  if (old.GetSize() != kLinkRecordSize) {
    ReportCellMessage(kLinkCorrupted, cell);
    return LinkRecordRewrite::Damaged;
  }
  // Start from the old record: every slot not written again keeps its bytes.
  const auto* oldBytes = static_cast<const std::uint8_t*>(old.PeekData());
  std::vector<std::uint8_t> record(oldBytes, oldBytes + kLinkRecordSize);
  PutSlot(record, kSlotPath, path);
  if (worksheet) PutSlot(record, kSlotWorksheet, *worksheet);
  if (range) PutSlot(record, kSlotRange, *range);
  const ElementRef ref = dgnCache_findElemByID(mdlModelRef_getCache(mdlModelRef_getActive()), mdlElement_getID(cell));
  EditElemHandle edit(ref, mdlModelRef_getActive());
  LinkRecordRewrite written = LinkRecordRewrite::Rewritten;
  if (StatusInt status = edit.ScheduleWriteXAttribute(XAttributeHandlerId(kLinkHandlerMajor, kLinkHandlerMinor),
                                                      kAttrLink, kLinkRecordSize, record.data());
      status != SUCCESS) {
    ReportStatus(kScheduleWriteFailed, status);
    written = LinkRecordRewrite::Refused;
  }
  if (StatusInt status = edit.ReplaceInModel(ref); status != SUCCESS) {
    ReportStatus(kCannotModifyPath, status);
    written = LinkRecordRewrite::Refused;
  }
  return written;
}
