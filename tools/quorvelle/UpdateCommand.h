// The update commands as a person runs them: the tables of the design file redrawn
// from their workbooks (those out of date, all, the ones named, or the one picked),
// and the automatic update a host runs when it opens a design file while the user's
// AutoUpdateAll setting is on.
#pragma once

#include <string>
#include <vector>

#include "host/msgeom.h"
#include "tools/quorvelle/ModuleLoader.h"

struct UpdateRequest {
  enum class Which { OutOfDate, All, Selected, Picked };
  Which which = Which::OutOfDate;
  std::vector<unsigned long long> ids;  // the tables' element identifiers, for Selected
  DPoint3d point;                        // master units, for Picked
};

// Empty when every table asked for was redrawn or found up to date, else why not; the
// module's own messages say more.
std::string RunUpdate(ModuleLoader& module, const UpdateRequest& request);

// When the user's AutoUpdateAll is on, redraws the tables of the active model that
// are out of date and says which; empty unless some could not be.
std::string RunAutoUpdate(ModuleLoader& module);
