#include "app/ModuleStateScope.h"

namespace {
int depth = 0;
}

ModuleStateScope::ModuleStateScope() { ++depth; }
ModuleStateScope::~ModuleStateScope() { --depth; }
int ModuleStateScope::Depth() { return depth; }
