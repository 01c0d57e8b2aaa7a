// The link data written on a new table cell header: the link, the table properties
// and the font map, as string linkages.
#include "host/msoutput.h"
#include "output/LinkData.h"
#include "output/LinkLayout.h"
#include "output/LinkSettings.h"
#include "output/LinkTexts.h"
#include "output/LinkageText.h"
#include "support/Breadcrumbs.h"

namespace {

void Step(int step) { RecordStep(kSaveLinkOperationName, step); }

// Range, worksheet, save time and path. An update writes the path as the old cell
// held it, so that it keeps its form.
StatusInt AppendLink(MSElement* element, const xlslinkinfo& link, EFuncState mode) {
  if (!link.Range.empty() && AppendTextLinkage(element, kKeyRange, link.Range, kMaxLinkTextChars) != SUCCESS)
    return ERROR;
  if (!link.Worksheet.empty() &&
      AppendTextLinkage(element, kKeyWorksheet, link.Worksheet, kMaxLinkTextChars) != SUCCESS)
    return ERROR;
  if (AppendTextLinkage(element, kKeySaveTime, link.LastSaveTime.Format(), kMaxLinkTextChars) != SUCCESS)
    return ERROR;
  if (mode == kFuncUpdate) return AppendTextLinkage(element, kKeyPath, link.Path, kMaxLinkTextChars);
  if (link.Path.empty()) return SUCCESS;
  return AppendTextLinkage(element, kKeyPath, StoredLinkPath(link.Path), kMaxLinkTextChars);
}

}  // namespace

int SaveXlsInfoToLinkage(MSElement* header, const xlslinkinfo& link, bool withProperties, EFuncState mode) {
  Step(1);
  if (!header) return 0;
  // A path ending in a backslash names a folder, not a workbook.
  if (!link.Path.empty() && link.Path.back() == '\\') {
    mdlOutput_error((kLinkPathIsFolderStart + link.Path + kLinkPathIsFolderEnd).c_str());
    return 0;
  }
  // Written on a copy: a header that cannot take it all keeps no half of it.
  MSElement written = *header;
  Step(2);
  bool complete = AppendLink(&written, link, mode) == SUCCESS;
  Step(3);
  if (complete && withProperties) complete = SaveTableProperties(&written) == SUCCESS;
  Step(4);
  if (complete && KeepsFontMapOnCell()) complete = SaveFontMapToLinkage(&written) == SUCCESS;
  if (!complete) {
    mdlOutput_error(kLinkDataNotWritten);
    return 0;
  }
  *header = std::move(written);
  return 1;
}
