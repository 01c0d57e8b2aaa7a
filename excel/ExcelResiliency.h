// Excel's crash-recovery lists: after a crash Excel records the add-ins it was
// running and may refuse to load them again. Clearing the add-in's entries lets
// Excel load it once more.
#pragma once

#include <string>

// Deletes, from the disabled-items and start-up-items lists of Office versions 14.0
// to 17.0, every value whose data contains `searchText` without regard to letter case. Lists
// that are missing or cannot be opened are passed over. An empty text matches
// nothing.
void ClearExcelResiliency(const std::string& searchText);
