// Handing the options of the table being edited or updated to the add-in.
#pragma once

#include <optional>
#include <string>

#include "settings/OperationMode.h"

// Writes currentOptionSet to the key of the current options, where the add-in and
// the next ReadOptions find it. In update mode only ImportObj and OnlyPrintArea are
// written; in edit mode every option the user can change, and UseRangeName when
// the table's link is given (`linkRange`: the link's range text). Nothing is written
// in create mode or while no option set is current. False when a value could not be
// written (the others still are).
bool SaveCurrentOptions(EFuncState mode, const std::optional<std::string>& linkRange);
