// The module-wide state shared by the commands, touched only from the host thread.
#pragma once

#include "settings/OperationMode.h"

class CSignalDlg;
struct MSElementDescr;

// The mode of the running operation.
extern EFuncState FuncState;
extern int moduleIdle;
extern int listImportMode;
extern CSignalDlg* signalWindow;
extern MSElementDescr* pendingTableCell;
