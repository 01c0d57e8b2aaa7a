// Making sure the companion Excel add-in is registered with the system and that
// Excel loads it, at the start of every operation; and telling Excel not to load it
// between operations.
#pragma once

#include <string>

// 1 when the add-in's class is registered (registering its library when it was
// not) and Excel is set to load it; 0, after telling the user why where there is
// something to tell, when it is not.
int EnsureAddinRegistered();

// The full path of the add-in's library in the common application-data folder, or
// "" when that folder cannot be found.
std::string AddinLibraryPath();

// Sets the add-in's load behaviour in Excel to "do not load". False when the value
// could not be written.
bool DisableAddinLoading();
