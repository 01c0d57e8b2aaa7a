#include "settings/LevelResolution.h"

#include "host/msmodel.h"
#include "support/TextConvert.h"

namespace {

// Level names are at most 511 characters; one more for the terminator.
constexpr int kMaxLevelNameChars = 512;

LevelID ActiveLevel() {
  LevelID id = LEVEL_DEFAULT_LEVEL_ID;  // every design file has it, should the host not answer
  mdlParams_getActive(&id, ACTIVEPARAM_LEVEL);
  return id;
}

std::string LevelName(LevelID id) {
  MSWChar name[kMaxLevelNameChars] = {};
  if (mdlLevel_getName(name, kMaxLevelNameChars, mdlModelRef_getActive(), id) != SUCCESS) return {};
  return WideToNarrow(name);
}

}  // namespace

void ResolveLevelOption(const std::string& text, LevelOption* option) {
  if (text.empty() || text.find('*') != std::string::npos) {
    option->id = ActiveLevel();
    option->name = LevelName(option->id);
    return;
  }
  option->name = text;
  DgnModelRefP model = mdlModelRef_getActive();
  std::u16string wide = NarrowToWide(text);
  LevelID id = LEVEL_NULL_ID;
  if (mdlLevel_getIdFromName(&id, model, LEVEL_NULL_ID, wide.c_str()) == SUCCESS ||
      mdlLevelLibrary_getIdFromName(&id, model, wide.c_str()) == SUCCESS ||
      mdlLevel_create(&id, model, wide.c_str(), LEVEL_NULL_CODE) == SUCCESS)
    option->id = id;
  else
    option->id = ActiveLevel();
}

void ResolveLevelOptions(QuorvelleSetup& setup) {
  for (LevelOption* option : setup.LevelOptions())
    if (!option->name.empty()) ResolveLevelOption(option->name, option);
}
