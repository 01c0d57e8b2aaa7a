#include "support/Breadcrumbs.h"

std::string operationName;
int operationStep = 0;
std::string crashName;
int crashStep = 0;

void RecordBreadcrumb(const char* name, int step) {
  if (name) crashName = name;
  crashStep = step;
}

void RecordStep(const char* operation, int step) {
  operationName = operation;
  RecordBreadcrumb(operation, step);
  operationStep = step;
}
