// The create command as a person runs it: the create key-in, the Excel user making
// a workbook active and sending a range with the add-in (a transcript replayed, or
// the range selected in the workbook read from its file), the message loop, and one
// data point per table (two for a table split into columns).
#pragma once

#include <string>
#include <vector>

#include "host/msgeom.h"
#include "tools/quorvelle/ModuleLoader.h"

struct CreateRequest {
  std::string transcript;          // a Linux path; empty: the add-in sends the selected range
  std::string workbook;            // a Windows or Linux path; empty: Excel's new workbook
  std::string sheet;               // the sheet the range is selected on; empty: the active one
  std::string range;               // an address or a defined name, selected before the add-in sends
  std::vector<DPoint3d> points;    // master units
};

// A path given to the shell as Excel opens it: a Linux path becomes a Windows one.
std::string WindowsPath(const std::string& path);

// Empty on success (a cancelled transfer included), else what went wrong.
std::string RunCreate(ModuleLoader& module, const CreateRequest& request);

class StepRunner;
// The tables the running command holds placed at the points, one a point, following
// the cursor to each first; empty once all were placed, else why not (the command is
// then ended).
std::string PlaceTablesAt(StepRunner& steps, const std::vector<DPoint3d>& points);
