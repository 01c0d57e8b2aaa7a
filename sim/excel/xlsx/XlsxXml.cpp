#include "sim/excel/xlsx/XlsxXml.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "sim/excel/xlsx/XlsxLimits.h"
#include "sim/excel/xlsx/XlsxPackage.h"

namespace sim {
namespace {

// Walks the tree without recursion, so that a deep document cannot exhaust the stack
// while it is measured.
bool DeeperThan(pugi::xml_node top, int limit) {
  int depth = 0;
  pugi::xml_node node = top.first_child();
  while (node) {
    if (node.type() == pugi::node_element && depth + 1 > limit) return true;
    if (node.first_child()) {
      node = node.first_child();
      ++depth;
      continue;
    }
    while (node && !node.next_sibling()) {
      node = node.parent();
      --depth;
      if (node == top) return false;
    }
    if (node) node = node.next_sibling();
  }
  return false;
}

}  // namespace

std::optional<double> ParseXmlNumber(std::string_view text) {
  // Numbers in the file never follow the locale of the process.
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

bool ParseXmlPart(std::string bytes, std::string_view partName, XmlPart* out, std::string* error) {
  out->bytes = std::move(bytes);
  // Whitespace-only text stays when it is an element's only content: <t> </t> is a space.
  pugi::xml_parse_result result = out->doc.load_buffer_inplace(out->bytes.data(), out->bytes.size(),
                                                               pugi::parse_default | pugi::parse_ws_pcdata_single);
  if (!result) {
    *error = "The workbook part " + std::string(partName) + " is not well-formed XML: " + result.description() +
             " at offset " + std::to_string(result.offset) + ".";
    return false;
  }
  if (DeeperThan(out->doc, kMaxXmlDepth)) {
    *error = "The workbook part " + std::string(partName) + " nests XML elements more than " +
             std::to_string(kMaxXmlDepth) + " levels deep.";
    return false;
  }
  if (!Root(*out)) {
    *error = "The workbook part " + std::string(partName) + " has no XML content.";
    return false;
  }
  return true;
}

bool ReadXmlPart(CXlsxPackage& package, std::string_view partName, XmlPart* out, std::string* error) {
  std::optional<std::string> bytes = package.Read(partName, error);
  return bytes && ParseXmlPart(std::move(*bytes), partName, out, error);
}

std::string_view LocalName(const char* qualifiedName) {
  std::string_view name(qualifiedName);
  size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Root(const XmlPart& part) { return part.doc.document_element(); }

pugi::xml_node Child(pugi::xml_node node, std::string_view localName) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element && LocalName(child.name()) == localName) return child;
  return {};
}

pugi::xml_attribute Attr(pugi::xml_node node, std::string_view localName) {
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
    if (LocalName(a.name()) == localName) return a;
  return {};
}

void ChildRange::iterator::Skip() {
  while (node_ && (node_.type() != pugi::node_element || LocalName(node_.name()) != name_)) node_ = node_.next_sibling();
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool BoolAttr(pugi::xml_node node, std::string_view localName, bool absent) {
  pugi::xml_attribute a = Attr(node, localName);
  if (!a) return absent;
  std::string_view v = a.value();
  return v == "1" || v == "true" || v == "on";
}

bool BoolElement(pugi::xml_node parent, std::string_view localName) {
  pugi::xml_node element = Child(parent, localName);
  return element && BoolAttr(element, "val", true);
}

std::optional<double> NumberAttr(pugi::xml_node node, std::string_view localName) {
  pugi::xml_attribute a = Attr(node, localName);
  if (!a || !*a.value()) return std::nullopt;
  return ParseXmlNumber(a.value());
}

std::optional<long long> IntAttr(pugi::xml_node node, std::string_view localName, long long low, long long high) {
  std::optional<double> value = NumberAttr(node, localName);
  if (!value || *value < static_cast<double>(low) || *value > static_cast<double>(high)) return std::nullopt;
  return static_cast<long long>(*value);
}

}  // namespace sim
