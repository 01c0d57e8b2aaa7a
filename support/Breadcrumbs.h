// Breadcrumbs: the operation and step last recorded, quoted by error and crash
// reports. Plain module-wide variables, touched only from the host thread.
#pragma once

#include <string>

extern std::string operationName;
extern int operationStep;
extern std::string crashName;
extern int crashStep;

// Records the step for crash reports (the name only when one is given).
void RecordBreadcrumb(const char* name, int step);
// One step of an instrumented operation: its name and step go to the crash reports'
// breadcrumb and to operationName and operationStep, which error reports quote. The
// name goes with every step, so that an operation called in between does not leave
// the later steps under its own name.
void RecordStep(const char* operation, int step);
