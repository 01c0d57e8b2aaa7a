// The start and end of every operation.
#pragma once

class CQuorvelle;

// Prepares an operation: settings for the add-in, the add-in registered and enabled,
// the signal window, the exchange mapping. 1 ready, 0 failed (the module then stays
// busy until CleanUpEnvironment).
int InitEnvironment(CQuorvelle* table);
// InitEnvironment with its signal window; false, with the user told and the operation
// cleaned up, when either cannot be had.
bool PrepareEnvironment(CQuorvelle* table);
// A new Excel for the signal window; false, with the user told why and the operation
// cleaned up, when it cannot be started.
bool LaunchSignalExcel();
// Ends the operation, whatever state it is in; 1.
int CleanUpEnvironment();
// Ends the operation and returns the host to its default command.
void CleanUpAndEnd();
