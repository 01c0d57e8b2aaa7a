// The module-wide state shared by the commands, touched only from the host thread.
#pragma once

#include "host/mselement.h"
#include "platform/wintypes.h"

class CSignalDlg;
struct MSElementDescr;

// Modes of the running operation (FuncState).
constexpr int kFuncCreate = 0;  // also the import of several ranges
constexpr int kFuncEdit = 1;
constexpr int kFuncUpdate = 2;

extern int FuncState;
extern int moduleIdle;
extern int workingView;
extern int listImportMode;
extern CSignalDlg* signalWindow;
extern MSElementDescr* pendingTableCell;
extern HANDLE exchangeMapping;
// A line used as the symbology template of hatch patterns; lives as long as the module.
extern MSElement patternTemplate;
