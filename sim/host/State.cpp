// Command states and locate.
#include "host/msoutput.h"
#include "host/msstate.h"
#include "sim/host/HostState.h"

using sim::Host;

namespace {

// Ends the running command: its clean-up runs once, after the state is already the
// default one, so that a clean-up that starts the default command again ends there.
void EndCommand() {
  StateFunc_NoArgs cleanup = Host().command.cleanup;
  Host().command = sim::CommandState{};
  if (cleanup) cleanup();
}

void Start(sim::CommandState next) {
  EndCommand();
  Host().command = std::move(next);
  if (!Host().command.prompt.empty()) mdlOutput_prompt(Host().command.prompt.c_str());
}

}  // namespace

void mdlState_startDefaultCommand() { EndCommand(); }

void mdlState_startPrimitive(StateFunc_DataPoint dataPoint, StateFunc_NoArgs reset, const char* commandName,
                             const char* prompt) {
  sim::CommandState s;
  s.name = commandName ? commandName : "primitive";
  s.prompt = prompt ? prompt : "";
  s.dataPoint = dataPoint;
  s.reset = reset;
  Start(std::move(s));
}

void mdlState_startModifyCommand(StateFunc_NoArgs reset, StateFunc_DataPoint accept, StateFunc_Dynamics dynamics,
                                 StateFunc_NoArgs cleanup, const char* commandName, const char* prompt, int, int) {
  sim::CommandState s;
  s.name = commandName ? commandName : "modify";
  s.prompt = prompt ? prompt : "";
  s.dataPoint = accept;
  s.reset = reset;
  s.dynamics = dynamics;
  s.cleanup = cleanup;
  s.locates = true;
  Start(std::move(s));
}

void mdlState_setFunction(int type, StateFunc_NoArgs function) {
  if (type == STATE_RESET) Host().command.reset = function;
  if (type == STATE_CLEANUP) Host().command.cleanup = function;
}

void mdlState_setFunction(int type, StateFunc_Dynamics function) {
  if (type == STATE_DYNAMICS) Host().command.dynamics = function;
}

void mdlAccuSnap_enableSnap(int on) { Host().accuSnap = on != 0; }

void mdlLocate_init() {
  Host().command.filter = nullptr;
  Host().command.notFound = nullptr;
}

void mdlLocate_normal() { Host().command.locates = true; }

void mdlLocate_setFunction(int type, LocateFunc_Filter function) {
  if (type == LOCATE_POSTLOCATE) Host().command.filter = function;
}

void mdlLocate_setFunction(int type, LocateFunc_NotFound function) {
  if (type == LOCATE_NOTFOUND) Host().command.notFound = function;
}

void mdlAutoLocate_enable(int enable, int, int) { Host().autoLocate = enable; }
