// The option set a table was drawn with, as string linkages on its cell: one key per
// option, in ascending key order.
#include <cstdarg>
#include <cstdio>
#include <string>

#include "host/mslinkage.h"
#include "output/LinkData.h"
#include "output/LinkLayout.h"
#include "output/LinkTexts.h"
#include "output/LinkageText.h"
#include "output/TablePropertyKeys.h"
#include "support/TextConvert.h"

namespace {

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  return text;
}

// Names and short texts are cut; the size tables are written whole, however long.
std::u16string PropertyText(const QuorvelleSetup& setup, const TablePropertyMember& member) {
  if (auto number = std::get_if<int QuorvelleSetup::*>(&member)) return NarrowToWide(Printf("%d", setup.**number));
  if (auto real = std::get_if<double QuorvelleSetup::*>(&member)) return NarrowToWide(Printf("%g", setup.**real));
  if (auto level = std::get_if<LevelOption QuorvelleSetup::*>(&member))
    return CutToChars(NarrowToWide((setup.**level).name), kMaxNameChars);
  return NarrowToWide(setup.*std::get<std::string QuorvelleSetup::*>(member));
}

std::u16string SplitDataText(const QuorvelleSetup& setup) {
  return CutToChars(NarrowToWide(Printf("%d;%f;%f;%f;%f", setup.SplitRowsToColumns, setup.firstColumnOrigin.x,
                                        setup.firstColumnOrigin.y, setup.secondColumnOrigin.x,
                                        setup.secondColumnOrigin.y)),
                    kMaxNameChars);
}

}  // namespace

StatusInt SaveTableProperties(MSElement* element) {
  if (!element) return ERROR;
  if (!currentOptionSet) return SUCCESS;
  const QuorvelleSetup& setup = *currentOptionSet;
  if (AppendTextLinkage(element, kKeyPropertiesVersion, kTablePropertiesVersion, kMaxNameChars) != SUCCESS)
    return ERROR;
  for (const TableProperty& property : kTableProperties) {
    std::u16string text = PropertyText(setup, property.member);
    if (mdlLinkage_appendStringLinkage(element, property.key, text.c_str()) != SUCCESS) return ERROR;
  }
  std::u16string split = SplitDataText(setup);
  return mdlLinkage_appendStringLinkage(element, kKeySplitData, split.c_str());
}
