#include "app/TableCell.h"

#include <cstdio>

#include "app/AppTexts.h"
#include "app/ModuleState.h"
#include "host/mslinkage.h"
#include "host/msmodel.h"
#include "host/mssystem.h"
#include "host/msoutput.h"
#include "host/msxattr.h"
#include "output/LinkLayout.h"
#include "output/LinkTexts.h"
#include "output/MasterUnitsScope.h"
#include "platform/paths.h"
#include "support/SupportTexts.h"
#include "support/TextCompare.h"
#include "support/TextConvert.h"

MSElement MakeTableHeader(const xlslinkinfo& link, bool withProperties) {
  MSElement header;
  std::u16string name = NarrowToWide(kTableCellName);
  mdlCell_create(&header, name.c_str(), nullptr, 0);
  SaveXlsInfoToLinkage(&header, link, withProperties, FuncState);
  return header;
}

void ReadWorkbookSaveTime(xlslinkinfo& link) {
  if (!ReadFileModificationTime(link.Path, &link.LastSaveTime))
    mdlOutput_printf(MSG_MESSAGE, kSaveTimeUnreadable, link.Path.c_str());
}

DPoint3d TakePlacementOf(const MSElement& cell, QuorvelleSetup& setup) {
  DPoint3d origin{};
  {
    CMasterUnitsScope masterUnits;
    mdlCell_extract(&origin, nullptr, &setup.rotation, &setup.tableScale, nullptr, 0, &cell);
  }
  const double k = setup.PlacementScale();
  setup.tableScale.x /= k;
  setup.tableScale.y /= k;
  return origin;
}

bool IsLocalLinkPath(const std::string& path) {
  return path.find('*') == std::string::npos && path.find("https://") == std::string::npos;
}

bool WorkbookOfLinkFound(const xlslinkinfo& link) {
  if (!IsLocalLinkPath(link.Path) || PathFileExistsA(ResolveLinkPath(link.Path).c_str())) return true;
  char text[1024];
  std::snprintf(text, sizeof text, kCannotFindWorkbook, link.Path.c_str());
  mdlDialog_openAdvisoryBox(DIALOGID_MsgBoxOK, kProductTitle, text, MSGBOX_ICON_WARNING);
  return false;
}
