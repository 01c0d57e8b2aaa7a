// What the running operation does with a table. The options, the font map and the
// link data are read and written differently by each; the caller says which runs.
#pragma once

enum EFuncState : int {
  kFuncCreate = 0,  // also the import of several ranges
  kFuncEdit = 1,
  kFuncUpdate = 2,
};
