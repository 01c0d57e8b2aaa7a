// Changing the link of one placed table, found at its file position in the active
// model: re-pointed to another workbook range, removed, or moved to another folder.
#pragma once

#include <string>

#include "host/mstypes.h"
#include "output/LinkData.h"

enum class TableRewrite {
  Done,     // written, or nothing to change
  Skipped,  // not read: not there, not a table, or without a link
  Refused,  // the host refused to write it (the other tables go on)
  Stop      // its legacy link record is damaged (the user is told): stop here
};

// The link becomes the key's path, worksheet and range: in the legacy link record
// when the table has one (which readers prefer), else in its string linkages, which
// also take the moment of the change as save time.
TableRewrite RelinkTable(ULong filePos, const xlslinkinfo& key);
// The link's string linkages removed. A legacy link record is not touched.
TableRewrite UnlinkTable(ULong filePos);
// A stored path under the old folder (letter case aside) moves under the new one; in
// the legacy link record when the table has one, else in its path linkage. Cell
// headers that are not tables are reported in the message field.
TableRewrite MoveTableToFolder(ULong filePos, const std::string& oldFolder, const std::string& newFolder);
