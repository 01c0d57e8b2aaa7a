// The commands that keep placed tables in step with their workbooks as a person runs
// them: the tables redrawn from their workbooks (those out of date, all, the ones
// named, or the one picked), the automatic update a host runs when it opens a design
// file while the user's AutoUpdateAll setting is on, and links moved to another
// folder.
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

// Runs the key-in that re-points the links under one folder ("OLD|NEW"); empty unless
// the text was refused or a table could not be changed.
std::string RunReplaceLink(ModuleLoader& module, const std::string& text);

// When the user's AutoUpdateAll is on, redraws the tables of the active model that
// are out of date and says which; empty unless some could not be.
std::string RunAutoUpdate(ModuleLoader& module);
