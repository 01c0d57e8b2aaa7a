#include "settings/FontMapDialogSeam.h"

namespace {
FontMapDialogRunner& Runner() {
  static FontMapDialogRunner runner;
  return runner;
}
}  // namespace

void SetFontMapDialogRunner(FontMapDialogRunner runner) { Runner() = std::move(runner); }

void RunFontMapDialog(ExcelFontMapArray& map) {
  if (Runner()) Runner()(map);
}
