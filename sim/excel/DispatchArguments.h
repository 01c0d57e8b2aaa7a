// Arguments of calls by DISPID on add-in objects, checked and coerced as automation
// does before the method sees them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "automation/ExcelObjectModel.h"

namespace sim {

// DISP_E_BADPARAMCOUNT unless there are between `least` and `most` arguments.
void ExpectArgumentCount(const std::vector<ExcelVariant>& arguments, std::size_t least, std::size_t most);
// A number, or a boolean (true is -1); DISP_E_TYPEMISMATCH for anything else.
int IntegerArgument(const ExcelVariant& argument);
// A text; DISP_E_TYPEMISMATCH for anything else.
std::string TextArgument(const ExcelVariant& argument);
[[noreturn]] void RaiseMemberNotFound();

}  // namespace sim
