// Control of the add-in library stand-in, for tests and the host shell: putting the
// built library where the module looks for it, and choosing how its
// self-registration behaves.
#pragma once

#include <string>

namespace sim {

// The Linux path of <common application-data folder>\Microsoft\AddIns\QuorvelleV8i.dll,
// or "" when that folder is unavailable (see sim::SetSpecialFolder).
std::string AddinLibraryInstallPath();

// Copies the built library to that path, creating the folders on the way, as an
// installer would. A copy already there is replaced whole, so a
// process that has it loaded keeps running. "" on success, else why it failed.
std::string InstallAddinLibraryStandIn();

enum class AddinRegistration {
  Registers,         // DllRegisterServer registers the class and returns S_OK
  Fails,             // returns E_FAIL and registers nothing
  RegistersNothing,  // returns S_OK and registers nothing
};
// Kept in the registry in use; false when it could not be written.
bool SetAddinRegistration(AddinRegistration behaviour);

}  // namespace sim
