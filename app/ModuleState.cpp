#include "app/ModuleState.h"

#include "app/ModuleTable.h"

int FuncState = kFuncCreate;
int moduleIdle = 1;
int workingView = -1;
int listImportMode = 0;
CSignalDlg* signalWindow = nullptr;
MSElementDescr* pendingTableCell = nullptr;
HANDLE exchangeMapping = nullptr;
MSElement patternTemplate;
CQuorvelle moduleTable;
