#include "app/TableLocate.h"

#include "app/AppTexts.h"
#include "app/Exports.h"
#include "app/ModuleStateScope.h"
#include "host/msoutput.h"

namespace {

void NoTablesFound() {
  ModuleStateScope scope;
  mdlOutput_printf(MSG_MESSAGE, "%s", kNoTablesFound);
}

}  // namespace

void StartTableLocate(const char* commandName, StateFunc_DataPoint accept) {
  mdlState_startModifyCommand(Quorvelle_Reset, accept, nullptr, nullptr, commandName, kPromptIdentifyTable, 0, 1);
  mdlOutput_prompt(kPromptIdentifyTable);
  mdlState_setFunction(STATE_CLEANUP, Quorvelle_CleanUp);
  mdlAutoLocate_enable(1, 1, 1);
  mdlLocate_normal();
  mdlLocate_setFunction(LOCATE_POSTLOCATE, Quorvelle_Filter);
  mdlState_setFunction(STATE_RESET, Quorvelle_Reset);
  mdlLocate_setFunction(LOCATE_NOTFOUND, NoTablesFound);
  mdlLocate_init();
}
