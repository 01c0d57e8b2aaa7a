#include "tests/app/AppTestSupport.h"

#include "app/Exports.h"
#include "settings/Profile.h"

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
