// Where the font map dialog is shown when a table's map is prepared. The dialog
// works on the map it is given and leaves in it what the user chose; whatever shows
// it registers here. Until a dialog is registered the map comes back as it went in,
// as when the dialog is closed at once.
#pragma once

#include <functional>

class ExcelFontMapArray;

using FontMapDialogRunner = std::function<void(ExcelFontMapArray& map)>;

void SetFontMapDialogRunner(FontMapDialogRunner runner);
void RunFontMapDialog(ExcelFontMapArray& map);
