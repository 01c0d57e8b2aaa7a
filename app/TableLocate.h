// The modify command that asks the person to identify one placed table, shared by the
// commands that work on a picked table.
#pragma once

#include "host/msstate.h"

// Starts the command named `commandName`: the prompt, the module's locate filter,
// reset and clean-up, automatic locate, and "No Quorvelles Found." when a point finds
// nothing. `accept` runs with the located table current.
void StartTableLocate(const char* commandName, StateFunc_DataPoint accept);
