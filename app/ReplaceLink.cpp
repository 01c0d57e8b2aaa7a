// Re-pointing the links of every table under one folder to another, by a key-in:
// "OLD|NEW", either part in double quotes.
#include <cstdio>
#include <string>

#include "app/AcadFunc.h"
#include "app/AppTexts.h"
#include "app/CommandGuard.h"
#include "app/Exports.h"
#include "app/ModuleStateScope.h"
#include "host/mslinkage.h"
#include "host/msmodel.h"
#include "host/msoutput.h"
#include "links/CellHeaderScan.h"
#include "links/LinkManTexts.h"
#include "output/LinkData.h"
#include "output/LinkTexts.h"
#include "output/LinkLayout.h"
#include "output/LinkageText.h"
#include "support/SehException.h"
#include "support/SupportTexts.h"
#include "support/TextCompare.h"

namespace {

constexpr std::size_t kMaxPathUnits = 259;

std::string WithoutQuotes(std::string text) {
  const std::size_t first = text.find_first_not_of('"');
  if (first == std::string::npos) return "";
  const std::size_t last = text.find_last_not_of('"');
  return text.substr(first, last - first + 1);
}

void Report(const char* format, const std::string& from, const std::string& to) {
  char text[1200];
  std::snprintf(text, sizeof text, format, from.c_str(), to.c_str());
  mdlOutput_message(text);
}

// The table's link with the new path: its string linkage, and the legacy link record
// when the table keeps its link there, which readers prefer.
void Replace(ULong filePos, const std::string& oldPrefix, const std::string& newPrefix) {
  MSElement element;
  if (mdlElement_read(&element, mdlModelRef_getActive(), filePos) != SUCCESS) return;
  if (!IsQuorvelleCell(&element)) {
    mdlOutput_printf(MSG_MESSAGE, "%s", kNotATable);
    return;
  }
  MSElement cell = element;  // changed and written over the element as read
  xlslinkinfo link;
  if (!ReadXlsInfo(&cell, &link, false)) return;
  const std::size_t n = oldPrefix.size();
  if (!EqualsNoCase(link.Path.substr(0, n), oldPrefix)) return;
  const std::string newPath = newPrefix + link.Path.substr(std::min(n, link.Path.size()));
  SetTextLinkage(&cell, kKeyPath, newPath, kMaxPathUnits);
  bool rewritten = mdlElement_rewrite(&cell, &element, filePos) != 0;
  if (rewritten) {
    const LinkRecordRewrite record = RewriteLinkRecord(&cell, newPath, nullptr, nullptr);
    rewritten = record == LinkRecordRewrite::Rewritten || record == LinkRecordRewrite::NoRecord;
  }
  Report(rewritten ? kLinkChanged : kLinkNotChanged, link.Path, newPath);
}

}  // namespace

int CAcadFunc::ReplaceAllLink(const std::string& oldPrefix, const std::string& newPrefix) {
  try {
    for (ULong filePos : CellHeaderPositions()) Replace(filePos, oldPrefix, newPrefix);
    return 1;
  } catch (win_seh_exception& e) {
    ShowFaultReport(e.report("CAcadFunc::ReplaceAllLink"));
  } catch (...) {
    mdlDialog_openAdvisoryBox(DIALOGID_MsgBoxOK, kProductTitle, kReplaceAllLinkFailed, MSGBOX_ICON_INFORMATION);
  }
  return 0;
}

void Quorvelle_ReplaceLink(const char* commandText) {
  ModuleStateScope scope;
  if (!commandText) return mdlOutput_message(kReplacePathNull);
  const std::string text = commandText;
  if (text.empty()) return mdlOutput_message(kReplacePathEmpty);
  const std::size_t bar = text.find('|');
  if (bar == std::string::npos || bar == 0 || bar + 1 == text.size()) return mdlOutput_message(kReplacePathInvalid);
  CAcadFunc::ReplaceAllLink(WithoutQuotes(text.substr(0, bar)), WithoutQuotes(text.substr(bar + 1)));
}
