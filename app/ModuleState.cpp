#include "app/ModuleState.h"

#include "app/ModuleTable.h"

EFuncState FuncState = kFuncCreate;
int moduleIdle = 1;
int listImportMode = 0;
CSignalDlg* signalWindow = nullptr;
MSElementDescr* pendingTableCell = nullptr;
CQuorvelle moduleTable;
