#include "sim/excel/DispatchArguments.h"

#include "sim/excel/ExcelErrors.h"

namespace sim {

void ExpectArgumentCount(const std::vector<ExcelVariant>& arguments, std::size_t least, std::size_t most) {
  if (arguments.size() < least || arguments.size() > most) Raise(kBadParamCount, "Invalid number of parameters.");
}

int IntegerArgument(const ExcelVariant& argument) {
  if (const int* number = std::get_if<int>(&argument)) return *number;
  if (const bool* flag = std::get_if<bool>(&argument)) return *flag ? -1 : 0;
  Raise(kTypeMismatch, "Type mismatch.");
}

std::string TextArgument(const ExcelVariant& argument) {
  if (const std::string* text = std::get_if<std::string>(&argument)) return *text;
  Raise(kTypeMismatch, "Type mismatch.");
}

void RaiseMemberNotFound() { Raise(kMemberNotFound, "Member not found."); }

}  // namespace sim
