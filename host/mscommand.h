// The key-in table of an application: which exported function each key-in runs.
// The host reads it when it loads the application and calls the functions by it.
#pragma once

#include "host/msgeom.h"

enum class MdlCommandKind {
  NoArgs,     // int function()
  NoResult,   // void function()
  DataPoint,  // int function(DPoint3d* point, int view): a data point step
  Text,       // void function(const char* text): the rest of the key-in
};

struct MdlCommandEntry {
  const char* keyin;        // what the user types, upper case
  const char* exportName;   // the exported function it runs
  MdlCommandKind kind;
  void* function;
};

// Exported by an application under this name: its table and the number of entries.
using MdlCommandTableFunc = const MdlCommandEntry* (*)(int* count);
constexpr const char* kMdlCommandTableExport = "mdlApplication_commandTable";
