// How a test or a person tells the add-in library stand-in to misbehave: a value of
// the registry in use, or an environment variable. Read by the library when its
// DllRegisterServer runs, written by sim::SetAddinRegistration.
#pragma once

namespace sim {

// Under HKEY_CURRENT_USER; 32-bit values, 1 = on.
constexpr char kStandInSwitchesKey[] = "Software\\Korvu\\StandIns\\QuorvelleV8i";
// DllRegisterServer fails (E_FAIL) without registering anything.
constexpr char kFailRegistrationValue[] = "FailRegistration";
// DllRegisterServer reports success but registers nothing.
constexpr char kRegisterNothingValue[] = "RegisterNothing";

// "fail" or "nothing": the same as the values above, for a whole run.
constexpr char kRegistrationVariable[] = "QUORVELLE_ADDIN_REGISTRATION";

}  // namespace sim
