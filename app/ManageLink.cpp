// The link manager command: the links of the selected tables, or of one identified
// table, in the link manager's dialog.
#include "app/AppTexts.h"
#include "app/CommandGuard.h"
#include "app/Exports.h"
#include "app/ModuleStateScope.h"
#include "app/TableLocate.h"
#include "host/msmodel.h"
#include "host/msoutput.h"
#include "host/msscan.h"
#include "host/msstate.h"
#include "links/XlsLinkManDlg.h"
#include "output/LinkData.h"
#include "output/LinkTexts.h"

namespace {

const CommandGuard kGuard{"Quorvelle_ManageLink", kManageLinkFailed};

// The table at the file position of the active model joins the list.
void AddTable(CXlsLinkMan& links, ULong filePos) {
  MSElement cell;
  if (mdlElement_read(&cell, mdlModelRef_getActive(), filePos) != SUCCESS) return;
  xlslinkinfo link;
  if (ReadXlsInfo(&cell, &link, false)) links.AddLink(link, filePos);
}

void ShowDialog(const CXlsLinkMan& links) {
  CXlsLinkManDlg dialog(links, 0);
  dialog.DoModal();
  mdlState_startDefaultCommand();
}

int AcceptLocatedTable(DPoint3d*, int) {
  ModuleStateScope scope;
  RunGuarded(kGuard, [] {
    CXlsLinkMan links;
    AddTable(links, mdlElement_getFilePos(FILEPOS_CURRENT, nullptr));
    ShowDialog(links);
  });
  return 1;
}

}  // namespace

void Quorvelle_ManageLink() {
  ModuleStateScope scope;
  RunGuarded(kGuard, [] {
    if (!mdlSelect_isActive()) return StartTableLocate("QUORVELLE LINKS", AcceptLocatedTable);
    CXlsLinkMan links;
    for (int i = 0; i < mdlSelect_numSelected(); ++i) {
      ULong filePos = 0;
      DgnModelRefP model = nullptr;
      if (mdlSelect_getElement(i, &filePos, &model) != SUCCESS) continue;
      MSElement element;
      if (mdlElement_read(&element, model, filePos) != SUCCESS) continue;
      if (!IsQuorvelleCell(&element)) {
        mdlOutput_printf(MSG_MESSAGE, "%s", kNotATable);
        continue;
      }
      AddTable(links, filePos);
    }
    mdlSelect_freeAll();
    ShowDialog(links);
  });
}
