// The link manager's move of links from one folder to another over the design file.
#include "host/msoutput.h"
#include "links/CellHeaderScan.h"
#include "links/LinkManTexts.h"
#include "links/TableLinkRewrite.h"
#include "links/XlsLinkManDlg.h"
#include "platform/msgbox.h"
#include "support/SehException.h"
#include "support/TextCompare.h"

bool CXlsLinkManDlg::ReplaceAllLink(const std::string& oldFolder, const std::string& newFolder) {
  if (EqualsNoCase(oldFolder, newFolder)) return true;
  try {
    // A table the host would not rewrite keeps its folder: the move is not reported as
    // done, though the other tables move.
    bool all = true;
    for (ULong filePos : CellHeaderPositions()) {
      const TableRewrite rewrite = MoveTableToFolder(filePos, oldFolder, newFolder);
      if (rewrite == TableRewrite::Stop) return false;
      if (rewrite == TableRewrite::Refused) all = false;
    }
    return all;
  } catch (win_seh_exception& e) {
    ShowFaultReport(e.report(kReplaceAllLinkOperation));
  } catch (...) {
    MessageBoxA(nullptr, kReplaceLinkFailed, kLinkManBoxTitle, MB_OK | MB_ICONINFORMATION);
  }
  return false;
}
