#include "model/CAutoCell.h"

void CAutoCell::SetText(std::u16string_view text) {
  if (text.empty())
    Text.reset();
  else
    Text.emplace(text);
}

void CAutoCell::RemoveText() {
  Text.reset();
  TextInfo1.clear();
  TextInfo2.clear();
}
