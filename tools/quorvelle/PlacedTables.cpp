#include "tools/quorvelle/PlacedTables.h"

#include "host/mselement.h"
#include "sim/Strings.h"
#include "sim/host/HostState.h"

namespace {

constexpr char16_t kTableCellName[] = u"Cell_Quorvelle";
// The legacy link record: four slots of 261 UTF-16 units (path, worksheet, range,
// save time) under the link handler.
constexpr UInt16 kLinkHandler = 3900;
constexpr std::size_t kRecordSize = 2088;
constexpr std::size_t kSlotBytes = 522;

std::string Slot(const std::vector<unsigned char>& record, int slot) {
  std::u16string text;
  for (std::size_t at = slot * kSlotBytes; at + 1 < (slot + 1) * kSlotBytes; at += 2) {
    const char16_t unit = static_cast<char16_t>(record[at] | (record[at + 1] << 8));
    if (unit == 0) break;
    text.push_back(unit);
  }
  return sim::Utf16ToUtf8(text);
}

std::string Linkage(const MSElement& element, UShort key) {
  for (const StringLinkage& linkage : element.linkages)
    if (linkage.key == key) return sim::Utf16ToUtf8(linkage.text);
  return "";
}

}  // namespace

std::vector<PlacedTable> PlacedTables() {
  std::vector<PlacedTable> tables;
  for (const auto& [filePos, record] : sim::Model().elements) {
    const MSElement& element = record->node.el;
    if (record->deleted || element.type != CELL_HEADER_ELM || element.name != kTableCellName) continue;
    PlacedTable table;
    table.id = element.id;
    table.filePos = filePos;
    for (const auto& attribute : record->xattributes)
      if (attribute.major == kLinkHandler && attribute.minor == 0 && attribute.id == 0 &&
          attribute.data.size() == kRecordSize) {
        table.legacy = true;
        table.path = Slot(attribute.data, 0).substr(0, Slot(attribute.data, 0).find('|'));
        table.worksheet = Slot(attribute.data, 1);
        table.range = Slot(attribute.data, 2);
        table.saveTime = Slot(attribute.data, 3);
      }
    if (!table.legacy) {
      const std::string path = Linkage(element, 4);
      table.path = path.substr(0, path.find('|'));
      table.worksheet = Linkage(element, 5);
      table.range = Linkage(element, 2);
      table.saveTime = Linkage(element, 3);
    }
    tables.push_back(std::move(table));
  }
  return tables;
}
