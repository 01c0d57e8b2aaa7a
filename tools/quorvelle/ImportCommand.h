// The import of several ranges in one run, and the remembered import list, as a person
// uses them in the module's dialog "Import Multiple Ranges":
//   import LIST.qvxls --at X,Y ...     load the list file, import, place the tables
//   importlist list [--json]           the remembered list
//   importlist add BOOK SHEET [RANGE]  add an item (the workbook's sheets read in Excel)
//   importlist remove N                remove the N-th item (asked first; --yes)
//   importlist save FILE | load FILE   write the list to a file, or replace it by one
#pragma once

#include <string>
#include <vector>

#include "host/msgeom.h"
#include "tools/quorvelle/ModuleLoader.h"

struct ImportRequest {
  std::string listFile;           // import: the list file (a Linux or Windows path)
  std::vector<DPoint3d> points;   // import: master units, one a table
  std::vector<std::string> words; // importlist
  bool json = false;
  bool yes = false;
};

// Empty when every table was imported and placed, else why not.
std::string RunImport(ModuleLoader& module, const ImportRequest& request);
// Empty when done, else why not.
std::string RunImportList(ModuleLoader& module, const ImportRequest& request);
