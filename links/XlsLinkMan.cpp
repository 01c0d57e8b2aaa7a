#include "links/XlsLinkMan.h"

#include <algorithm>

#include "links/TableLinkRewrite.h"
#include "support/TextCompare.h"

bool SameLinkKey(const xlslinkinfo& a, const xlslinkinfo& b) {
  return EqualsNoCase(a.Path, b.Path) && EqualsNoCase(a.Worksheet, b.Worksheet) && EqualsNoCase(a.Range, b.Range);
}

void CXlsLinkMan::AddLink(const xlslinkinfo& link, ULong filePos) {
  if (link.Path.empty() || filePos == 0) return;
  auto entry = std::find_if(links_.begin(), links_.end(), [&](const xlslinkinfo& l) { return SameLinkKey(l, link); });
  if (entry == links_.end()) {
    xlslinkinfo added;
    added.Path = link.Path;
    added.Worksheet = link.Worksheet;
    added.Range = link.Range;
    added.LastSaveTime = link.LastSaveTime;
    added.elements.push_back(filePos);
    links_.push_back(std::move(added));
  } else if (std::find(entry->elements.begin(), entry->elements.end(), filePos) == entry->elements.end()) {
    entry->elements.push_back(filePos);
  }
}

bool CXlsLinkMan::UpdateLink(const xlslinkinfo& newKey, const xlslinkinfo& oldKey) {
  if (newKey.Path.empty() || oldKey.Path.empty()) return false;
  if (SameLinkKey(newKey, oldKey)) return true;
  // A table the host would not rewrite keeps the old link: the update is not reported
  // as done, and the entry keeps the old key so that the list still shows it.
  bool all = true;
  for (xlslinkinfo& entry : links_) {
    if (!SameLinkKey(entry, oldKey)) continue;
    bool entryDone = true;
    for (ULong filePos : entry.elements) {
      const TableRewrite rewrite = RelinkTable(filePos, newKey);
      if (rewrite == TableRewrite::Stop) return false;
      if (rewrite == TableRewrite::Refused) entryDone = false;
    }
    if (!entryDone) {
      all = false;
      continue;
    }
    entry.Path = newKey.Path;
    entry.Worksheet = newKey.Worksheet;
    entry.Range = newKey.Range;
  }
  return all;
}

bool CXlsLinkMan::BreakLink(const xlslinkinfo& key) {
  if (key.Path.empty()) return false;
  for (std::size_t i = links_.size(); i-- > 0;) {
    if (!SameLinkKey(links_[i], key)) continue;
    for (ULong filePos : links_[i].elements) UnlinkTable(filePos);
    links_.erase(links_.begin() + static_cast<std::ptrdiff_t>(i));
  }
  return true;
}

void CXlsLinkMan::ReplaceFolder(const std::string& oldFolder, const std::string& newFolder) {
  for (xlslinkinfo& entry : links_)
    if (StartsWithNoCase(entry.Path, oldFolder))
      entry.Path = newFolder + entry.Path.substr(oldFolder.size());
}
