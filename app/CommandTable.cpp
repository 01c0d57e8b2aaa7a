// The key-in table: which export each key-in runs, and for the commands that take
// data points, where the host sends them.
#include "app/AppTexts.h"
#include "app/Exports.h"
#include "host/mscommand.h"

namespace {

template <typename F>
void* Fn(F* function) {
  return reinterpret_cast<void*>(function);
}

}  // namespace

extern "C" const MdlCommandEntry* mdlApplication_commandTable(int* count) {
  static const MdlCommandEntry table[] = {
      {"QUORVELLE CREATE", "Quorvelle_Create_Start", MdlCommandKind::NoArgs, Fn(Quorvelle_Create_Start),
       Fn(Quorvelle_Create_Accept), Fn(Quorvelle_Reset), Fn(Quorvelle_CleanUp), nullptr, nullptr},
      {"QUORVELLE EDIT", "", MdlCommandKind::NoArgs, nullptr, Fn(Quorvelle_Edit_Accept), Fn(Quorvelle_Reset),
       Fn(Quorvelle_CleanUp), Fn(Quorvelle_Filter), kPromptIdentifyTable},
      {"QUORVELLE UPDATE", "Quorvelle_Update_Start", MdlCommandKind::NoResult, Fn(Quorvelle_Update_Start)},
      {"QUORVELLE UPDATE ALL", "Quorvelle_Update_All", MdlCommandKind::NoResult, Fn(Quorvelle_Update_All)},
      {"QUORVELLE UPDATE SELECTED", "Quorvelle_Update_Selected", MdlCommandKind::NoResult,
       Fn(Quorvelle_Update_Selected)},
      {"QUORVELLE IMPORT", "Quorvelle_ImportMultiTables_Start", MdlCommandKind::NoArgs,
       Fn(Quorvelle_ImportMultiTables_Start)},
      {"QUORVELLE RESET", "Quorvelle_Reset", MdlCommandKind::NoArgs, Fn(Quorvelle_Reset)},
      {"QUORVELLE CLEANUP", "Quorvelle_CleanUp", MdlCommandKind::NoArgs, Fn(Quorvelle_CleanUp)},
      {"QUORVELLE AUTOUPDATE", "Quorvelle_TurnAutoUpdate", MdlCommandKind::NoArgs, Fn(Quorvelle_TurnAutoUpdate)},
      {"QUORVELLE AUTOUPDATE STATE", "IsAutoUpdate", MdlCommandKind::Query, Fn(IsAutoUpdate)},
      {"QUORVELLE MENU STATE", "IsAttachAppMenu", MdlCommandKind::Query, Fn(IsAttachAppMenu)},
      {"QUORVELLE FONTMAP", "Quorvelle_ManageFontMap", MdlCommandKind::NoResult, Fn(Quorvelle_ManageFontMap)},
      {"QUORVELLE LINKS", "Quorvelle_ManageLink", MdlCommandKind::NoResult, Fn(Quorvelle_ManageLink)},
      {"QUORVELLE REPLACELINK", "Quorvelle_ReplaceLink", MdlCommandKind::Text, Fn(Quorvelle_ReplaceLink)},
      {"QUORVELLE HELP", "Product_Help", MdlCommandKind::NoArgs, Fn(Product_Help)},
      {"QUORVELLE SUPPORT", "Product_Support", MdlCommandKind::NoResult, Fn(Product_Support)},
      {"QUORVELLE ABOUT", "Product_About", MdlCommandKind::NoArgs, Fn(Product_About)},
      {"QUORVELLE CHECKUPDATE", "Product_CheckUpdate", MdlCommandKind::NoArgs, Fn(Product_CheckUpdate)},
      {"QUORVELLE DEMO", "Product_Demo", MdlCommandKind::NoArgs, Fn(Product_Demo)},
  };
  if (count) *count = static_cast<int>(sizeof table / sizeof table[0]);
  return table;
}
