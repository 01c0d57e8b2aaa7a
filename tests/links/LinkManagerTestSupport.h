// Tables with links placed for the link manager, and the manager's dialog run on the
// tables selected, with the person's actions scripted.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/Exports.h"
#include "host/msscan.h"
#include "links/XlsLinkManDlg.h"
#include "platform/msgbox.h"
#include "sim/SimDialogs.h"
#include "tests/linkdata/LinkDataTestSupport.h"

class LinkManagerTest : public LinkDataTest {
 protected:
  using Dlg = CXlsLinkManDlg;

  static ULong FilePosOf(const MSElement& placed) {
    const ElementRef ref = dgnCache_findElemByID(mdlModelRef_getCache(mdlModelRef_getActive()), placed.id);
    return elementRef_getFilePos(ref);
  }

  // The placed cell as the design file holds it now.
  static MSElement ReadBack(const MSElement& placed) {
    MSElement now;
    EXPECT_EQ(SUCCESS, mdlElement_read(&now, mdlModelRef_getActive(), FilePosOf(placed)));
    return now;
  }

  static xlslinkinfo LinkOf(const MSElement& placed) {
    const MSElement now = ReadBack(placed);
    xlslinkinfo link;
    ReadXlsInfo(&now, &link, false);
    return link;
  }

  static std::string KeyOf(const MSElement& placed) {
    const xlslinkinfo link = LinkOf(placed);
    return link.Path + "|" + link.Worksheet + "|" + link.Range;
  }

  static MSElement PlaceLink(const std::string& path, const std::string& sheet = "Sheet1",
                             const std::string& range = "$A$1:$C$3") {
    return PlaceWithLinkages({{4, path}, {5, sheet}, {2, range}, {3, "01/02/2020 03:04:05"}});
  }

  // Runs the link manager command on the tables selected, with the script as the
  // person at its dialog; the rows the dialog showed when the script ended.
  static std::vector<std::vector<std::string>> RunManager(const std::vector<MSElement>& selected,
                                                         const std::function<void(IDialogPresenter&)>& script) {
    mdlSelect_freeAll();
    for (const MSElement& table : selected) mdlSelect_addElement(FilePosOf(table), mdlModelRef_getActive(), 0);
    std::vector<std::vector<std::string>> rows;
    sim::PushDialogScript([&](IDialogPresenter& dialog) {
      script(dialog);
      rows = dialog.ListRows(Dlg::IDC_LINKS);
    });
    Quorvelle_ManageLink();
    return rows;
  }

  static std::vector<std::string> BoxTexts() { return sim::OutputTexts(sim::OutputKind::WindowsMessageBox); }

  static void SelectAndType(IDialogPresenter& d, int row, const std::string& path, const std::string& sheet,
                            const std::string& range) {
    sim::SelectRows(d, Dlg::IDC_LINKS, {row});
    sim::TypeInto(d, Dlg::IDC_WORKBOOK, path);
    sim::TypeInto(d, Dlg::IDC_WORKSHEET, sheet);
    sim::TypeInto(d, Dlg::IDC_SELECTION, range);
  }
};
