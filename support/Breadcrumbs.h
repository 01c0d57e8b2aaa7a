// Breadcrumbs: the operation and step last recorded, quoted by error and crash
// reports. Plain module-wide variables, touched only from the host thread.
#pragma once

#include <string>

extern std::string operationName;
extern int operationStep;
extern std::string crashName;
extern int crashStep;

// Records the step for crash reports (the name only when one is given); callers then
// store the same step in operationStep.
void RecordBreadcrumb(const char* name, int step);
