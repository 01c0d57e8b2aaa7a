#include "host/msfont.h"
#include "host/mstext.h"
#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"
#include "output/CellTextDrawing.h"

namespace {

std::u16string TrimSpaces(std::u16string line) {
  const size_t first = line.find_first_not_of(u' ');
  if (first == std::u16string::npos) return {};
  return line.substr(first, line.find_last_not_of(u' ') - first + 1);
}

int AppendElement(const std::u16string& line, const CCellTextSetting& text, MSElementDescr* cellDscr) {
  MSElement element;
  if (mdlText_createWide(&element, nullptr, line.c_str(), &text.origin, &text.rotation, &text.size,
                         &text.params, nullptr, nullptr) != SUCCESS)
    return 0;
  mdlElement_setSymbology(&element, &text.color, nullptr, &text.weight);
  mdlElement_setProperties(&element, &text.level, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  return mdlElmdscr_appendElement(cellDscr, &element) == SUCCESS ? 1 : 0;
}

int AppendNode(std::vector<std::u16string>& lines, const CCellTextSetting& text, MSElementDescr* cellDscr) {
  // Fonts without a byte-order mark of their own would show it.
  if (!mdlFontMgr_isTrueTypeFont(text.params.font) && lines[0].starts_with(kByteOrderMark)) lines[0].erase(0, 1);
  std::vector<const MSWChar*> strings;
  for (auto& line : lines) {
    line = TrimSpaces(std::move(line));
    strings.push_back(line.c_str());
  }
  MSElementDescr* node = nullptr;
  if (mdlTextNode_createWithStringsWide(&node, strings.data(), static_cast<int>(strings.size()), nullptr, &text.origin,
                                        &text.rotation, &text.size, &text.params, nullptr) != SUCCESS)
    return 0;
  mdlElmdscr_setSymbology(node, &text.color, nullptr, &text.weight, nullptr);
  mdlElmdscr_setProperties(node, &text.level, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  if (mdlElmdscr_appendDscr(cellDscr, node) != SUCCESS) {
    mdlElmdscr_freeAll(&node);
    return 0;
  }
  return 1;
}

}  // namespace

int AppendTextLines(std::vector<std::u16string> lines, const CCellTextSetting& text, MSElementDescr* cellDscr) {
  if (lines.empty()) return 0;
  if (lines.size() == 1) return AppendElement(lines[0], text, cellDscr);
  return AppendNode(lines, text, cellDscr);
}

int DrawPlainCellText(const CAutoCell& cell, const CCellTextSetting& text, MSElementDescr* cellDscr) {
  std::vector<std::u16string> lines = CQVUtiMStation::SplitCellText(cell, text.size, text.params, text.rotated);
  if (text.clipped) {
    bool anything = false;
    for (auto& line : lines) {
      line = TextThatFits(line, text.size, text.params, text.room, text.keep);
      anything = anything || line.find_first_not_of(kByteOrderMark) != std::u16string::npos;
    }
    if (!anything) return 0;
  }
  return AppendTextLines(std::move(lines), text, cellDscr);
}
