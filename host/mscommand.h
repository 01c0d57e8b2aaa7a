// The key-in table of an application: which exported functions each key-in runs.
// The host reads it when it loads the application. A key-in may start a command
// that takes data points (a primitive, or a locate when it has a filter); the host
// starts that command first and then calls the key-in's function.
#pragma once

#include "host/msgeom.h"

enum class MdlCommandKind {
  NoArgs,    // int function()
  NoResult,  // void function()
  Query,     // int function(): the host shows the result (menu state queries)
  Text,      // void function(const char* text): the rest of the key-in, or null
};

struct MdlCommandEntry {
  const char* keyin;       // what the user types, upper case
  const char* exportName;  // the exported function it runs (may be empty: only a command)
  MdlCommandKind kind;
  void* function;          // may be null
  void* dataPoint;         // int(DPoint3d*, int view): where the command's data points go, or null
  void* reset;             // int(): the reset button of that command
  void* cleanup;           // int(): run when that command ends
  void* filter;            // int(int, int, DgnModelRefP, ULong): locate filter; makes it a locate
  const char* prompt;      // the locate's prompt
};

// Exported by an application under this name: its table and the number of entries.
using MdlCommandTableFunc = const MdlCommandEntry* (*)(int* count);
constexpr const char* kMdlCommandTableExport = "mdlApplication_commandTable";
