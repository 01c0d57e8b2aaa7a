// Processor faults inside the module become win_seh_exception, which the commands'
// handlers report; a dump file is written for the maker first.
#pragma once

#include "platform/seh.h"

// For the calling thread; it stays installed.
void InstallFaultTranslator();

// "MdlQuorvelle.dmp" in the installation folder (the machine-wide "Path" value),
// else in the current folder; skipped when the file cannot be written.
void WriteCrashDump(EXCEPTION_POINTERS* pointers);
