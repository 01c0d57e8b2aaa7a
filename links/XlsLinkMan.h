// The links of the tables a person picked, one entry per workbook range with the file
// positions of every table that uses it.
#pragma once

#include <string>
#include <vector>

#include "output/LinkData.h"

// Two links name the same workbook range when path, worksheet and range are the same
// texts, letter case aside.
bool SameLinkKey(const xlslinkinfo& a, const xlslinkinfo& b);

class CXlsLinkMan {
 public:
  virtual ~CXlsLinkMan() = default;

  // Adds the table at the file position to the entry of its link, or a new entry. A
  // link without a path, or file position 0, is left out.
  void AddLink(const xlslinkinfo& link, ULong filePos);
  // Re-points every table of the old key to the new one; the entries take the new key.
  // False for an empty path on either side, when a table's legacy link record is
  // damaged, or when the host refused to rewrite a table (tables already re-pointed
  // stay so).
  bool UpdateLink(const xlslinkinfo& newKey, const xlslinkinfo& oldKey);
  // Removes the link from every table of the key, and the entries. False for an empty
  // path.
  bool BreakLink(const xlslinkinfo& key);
  // The entries whose path begins with the old folder (letter case aside) have it
  // replaced by the new one. Only the list changes; the tables are rewritten by the
  // folder replacement over the design file.
  void ReplaceFolder(const std::string& oldFolder, const std::string& newFolder);

  const std::vector<xlslinkinfo>& Links() const { return links_; }

 private:
  std::vector<xlslinkinfo> links_;
};
