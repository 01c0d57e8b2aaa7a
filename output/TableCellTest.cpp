// Recognising a placed table among the cell headers of a model.
#include "host/mslinkage.h"
#include "host/msmodel.h"
#include "host/mssystem.h"
#include "host/msxattr.h"
#include "output/LinkData.h"
#include "output/LinkLayout.h"
#include "output/LinkTexts.h"
#include "support/TextCompare.h"

int IsQuorvelleCell(const MSElement* element) {
  if (!element || mdlElement_getType(element) != CELL_HEADER_ELM) return 0;
  MSWChar wide[261] = {};
  char name[1024] = {};
  if (mdlCell_extractName(wide, 261, element) != SUCCESS) return 0;
  mdlCnv_convertUnicodeToMultibyte(wide, -1, name, sizeof name);
  if (!EqualsNoCase(name, kTableCellName)) return 0;
  ElementRef ref = dgnCache_findElemByID(mdlModelRef_getCache(mdlModelRef_getActive()), mdlElement_getID(element));
  if (ref && XAttributeHandle(ref, XAttributeHandlerId(kLinkHandlerMajor, kLinkHandlerMinor), kAttrLink).IsValid()) return 1;
  UShort key = 0;
  for (int i = 0; mdlLinkage_extractStringLinkageByIndex(&key, nullptr, 0, i, element) == SUCCESS; ++i)
    if (key == kKeyPath) return 1;
  return 0;
}
