// The module's entry points as the host loads and unloads it.
#include "host/mscommand.h"

extern "C" {

int InitApplicationDll() { return 0; }

int UnloadApplicationDll() { return 0; }

const MdlCommandEntry* mdlApplication_commandTable(int* count) {
  static const MdlCommandEntry table[] = {
      {"QUORVELLE UNLOAD", "UnloadApplicationDll", MdlCommandKind::NoArgs, reinterpret_cast<void*>(&UnloadApplicationDll)},
  };
  if (count) *count = static_cast<int>(sizeof table / sizeof table[0]);
  return table;
}

}  // extern "C"
