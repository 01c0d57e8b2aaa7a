#include "sim/platform/SimPlatform.h"

#include "sim/platform/DriveMap.h"
#include "sim/platform/FileMapping.h"
#include "sim/platform/ItemIdLists.h"
#include "sim/platform/KernelObjects.h"
#include "sim/platform/LoadedLibraries.h"
#include "sim/platform/MessageQueue.h"
#include "sim/platform/SpecialFolderTable.h"
#include "sim/platform/WindowTable.h"

namespace sim {

void ResetPlatform() {
  UseInMemoryRegistry();
  ResetMessageQueue();
  ResetWindows();
  CloseAllKernelObjects();
  ResetFileMappings();
  ResetDriveMap();
  ResetSpecialFolders();
  FreeAllItemIdLists();
  FreeAllLibraries();
  SetSystemVersion({});
  ClearShellExecutions();
}

}  // namespace sim
