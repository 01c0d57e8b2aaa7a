// The create command as a person runs it: the create key-in, the Excel user making
// a workbook active and sending a range with the add-in (a transcript replayed), the
// message loop, and one data point per table (two for a table split into columns).
#pragma once

#include <string>
#include <vector>

#include "host/msgeom.h"
#include "tools/quorvelle/ModuleLoader.h"

struct CreateRequest {
  std::string transcript;          // a Linux path
  std::string workbook;            // a Windows or Linux path; empty: Excel's new workbook
  std::vector<DPoint3d> points;    // master units
};

// Empty on success (a cancelled transfer included), else what went wrong.
std::string RunCreate(ModuleLoader& module, const CreateRequest& request);
