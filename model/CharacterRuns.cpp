#include "model/CharacterRuns.h"

CCharMultiFont BuildCharacterRuns(std::string_view description, std::u16string_view text,
                                  const QuorvelleSetup& setup) {
  if (text.empty()) return {};
  if (!description.empty()) return RunsFromDescription(description, text, setup);
  if (text.find(u'/') != std::u16string_view::npos) return StackFractions(text);
  return {};
}
