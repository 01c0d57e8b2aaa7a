// The command steps. Each runs inside the guard of its command; a step whose command
// this module does not carry out says so in the message field instead of doing
// nothing.
#include "app/AcadFunc.h"

#include <string>

#include "app/CommandGuard.h"
#include "app/AppTexts.h"
#include "app/Lifecycle.h"
#include "app/ModuleTable.h"
#include "app/SignalDlg.h"
#include "support/SupportTexts.h"
#include "app/ModuleState.h"
#include "host/msoutput.h"
#include "host/msstate.h"
#include "output/WorkingView.h"

int CAcadFunc::CreateQuorvelle_Start() {
  RunGuarded({"CAcadFunc::CreateQuorvelle_Start", "Error raise in CreateQuorvelle_Start"},
             [] { CreateQuorvelle_CallBack(); });
  return 1;
}

void CAcadFunc::CreateQuorvelle_CallBack() {
  RunGuarded({"CAcadFunc::CreateQuorvelle_CallBack", "Error raised in CreateQuorvelle_CallBack"}, [] {
    FuncState = kFuncCreate;
    mdlState_setFunction(STATE_DYNAMICS, CreateDynamics);
    mdlAccuSnap_enableSnap(TRUE);
    currentOptionSet = &moduleTable.Setup;
    if (!PrepareEnvironment(&moduleTable)) return;
    moduleTable.Setup.tableScale = {1, 1, 1};
    signalWindow->OpenWorkbookInExcel(nullptr);
  });
}

int CAcadFunc::EditQuorvelle_Accept(DPoint3d*, int view) {
  RunGuarded({"CAcadFunc::EditQuorvelle_Accept", "Error raise in Quorvelle_Edit_Accept"}, [view] {
    workingView = view;
    EditQuorvelle_CallBack();
  });
  return 1;
}


