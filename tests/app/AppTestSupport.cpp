#include "tests/app/AppTestSupport.h"

#include "app/Exports.h"
#include "host/msstate.h"
#include "settings/Profile.h"
#include "sim/SimHost.h"
#include "sim/platform/SimPlatform.h"

void ModuleTest::SetUp() {
  HostTest::SetUp();
  InitApplicationDll();
}

void ModuleTest::TearDown() {
  UnloadApplicationDll();
  HostTest::TearDown();
}

void ModuleTest::RegisterAddinClass() {
  WriteRegistryString(HKEY_CLASSES_ROOT, "CLSID\\{8E236125-FF40-49f4-9636-45EB1BEB6272}", "", "QuorvelleV8i");
}

void CreateCommandTest::SetUp() {
  ModuleTest::SetUp();
  RegisterAddinClass();
  sim::NewDesignFile(dir.File("Plan.dgn"));
}

void CreateCommandTest::StartCreate() {
  mdlState_startPrimitive(Quorvelle_Create_Accept, Quorvelle_Reset, "QUORVELLE CREATE", nullptr);
  mdlState_setFunction(STATE_CLEANUP, Quorvelle_CleanUp);
  Quorvelle_Create_Start();
  sim::PumpMessages();
}

nlohmann::json CreateCommandTest::Elements() { return nlohmann::json::parse(sim::DumpDesignFile())["elements"]; }
