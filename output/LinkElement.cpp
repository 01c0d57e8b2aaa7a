#include "output/LinkElement.h"

#include <cstdint>
#include <cstdio>

#include "host/msmodel.h"
#include "host/msoutput.h"
#include "output/LinkLayout.h"

bool ReadLinkAttribute(const MSElement* cell, UInt32 attributeId, XAttributeHandle* attribute) {
  ElementRef ref = dgnCache_findElemByID(mdlModelRef_getCache(mdlModelRef_getActive()), mdlElement_getID(cell));
  if (!ref) return false;
  return attribute->Init(ref, XAttributeHandlerId(kLinkHandlerMajor, kLinkHandlerMinor), attributeId) == SUCCESS;
}

void ReportCellMessage(const char* format, const MSElement* cell) {
  // Messages name elements by the low 32 bits of their identifier, as signed numbers.
  const auto id = static_cast<std::int32_t>(static_cast<std::uint32_t>(mdlElement_getID(cell)));
  char text[256];
  std::snprintf(text, sizeof text, format, static_cast<long>(id));
  mdlDialog_openMessageBox(DIALOGID_MsgBoxOK, text, MSGBOX_ICON_INFORMATION);
}
