// The start and end of every operation.
#pragma once

class CQuorvelle;

// Prepares an operation: settings for the add-in, the add-in registered and enabled,
// the signal window, the exchange mapping. 1 ready, 0 failed (the module then stays
// busy until CleanUpEnvironment).
int InitEnvironment(CQuorvelle* table);
// Ends the operation, whatever state it is in; 1.
int CleanUpEnvironment();
// Ends the operation and returns the host to its default command.
void CleanUpAndEnd();
