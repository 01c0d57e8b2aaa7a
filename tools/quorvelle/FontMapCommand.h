// The font map from the host shell, through the module's dialogs as a person uses
// them:
//   fontmap list [--json]                 the stored map and the settings
//   fontmap add FACE STYLE FONT [--yes]   map an Excel face and style ("Arial" "Bold")
//                                         to a MicroStation font ("(SHX) romans")
//   fontmap remove FACE STYLE [--yes]     remove a mapping
//   fontmap save FILE | load [FILE]       a ".afm" file; load without one takes the
//                                         one picked on the ProjectWise server
//   fontmap options [NAME VALUE]...       same-font (a font, or "off"), show-dialog,
//                                         auto-load (on/off), width-factor (a number)
// and the answers to the font map dialog shown while a table is placed.
#pragma once

#include <string>
#include <vector>

#include "tools/quorvelle/ModuleLoader.h"

struct FontMapRequest {
  std::vector<std::string> words;
  bool json = false;
  bool yes = false;
};

std::string RunFontMapCommand(ModuleLoader& module, const FontMapRequest& request);

// While tables are placed, the font map dialog maps the faces given ("FACE|STYLE=FONT")
// and, on a terminal, asks for the others; then it is closed with OK. Empty
// mappings off a terminal leave the dialog to close as it opened.
std::string AnswerPlacingFontMap(const std::vector<std::string>& mappings);
