// The edit command as a person runs it: the table at a point is picked, its workbook
// opens in Excel at its range, the Excel user types the changes and sends the range
// again, and the table is replaced where it stands.
#pragma once

#include <string>
#include <vector>

#include "host/msgeom.h"
#include "tools/quorvelle/ModuleLoader.h"

struct EditRequest {
  DPoint3d point;                    // master units
  std::vector<std::string> changes;  // "B3=text" or "Sheet!B3=12.5"; an empty value clears the cell
  std::string script;                // a file of such changes, one a line ("#" starts a comment)
};

// Empty when the table was replaced, else why not.
std::string RunEdit(ModuleLoader& module, const EditRequest& request);
