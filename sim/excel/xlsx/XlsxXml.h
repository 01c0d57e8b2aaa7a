// XML parts of a workbook parsed with pugixml, and access to their elements and
// attributes by local name: the same part may come with SpreadsheetML's usual
// default namespace, with prefixes ("x:row"), or in the Strict namespaces, and the
// reader treats them alike.
#pragma once

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace sim {

class CXlsxPackage;

// A parsed part; the document points into its bytes.
struct XmlPart {
  std::string bytes;
  pugi::xml_document doc;
};

// Reads and parses the part; false with a message naming the part when it is
// missing, past a bound, malformed or nested deeper than kMaxXmlDepth.
bool ReadXmlPart(CXlsxPackage& package, std::string_view partName, XmlPart* out, std::string* error);
bool ParseXmlPart(std::string bytes, std::string_view partName, XmlPart* out, std::string* error);

std::string_view LocalName(const char* qualifiedName);
// The document element.
pugi::xml_node Root(const XmlPart& part);
pugi::xml_node Child(pugi::xml_node node, std::string_view localName);
pugi::xml_attribute Attr(pugi::xml_node node, std::string_view localName);

// The element children of a node with a local name, for range-for.
class ChildRange {
 public:
  class iterator {
   public:
    iterator(pugi::xml_node node, std::string_view name) : node_(node), name_(name) { Skip(); }
    pugi::xml_node operator*() const { return node_; }
    iterator& operator++() {
      node_ = node_.next_sibling();
      Skip();
      return *this;
    }
    bool operator!=(const iterator& other) const { return node_ != other.node_; }

   private:
    void Skip();
    pugi::xml_node node_;
    std::string_view name_;
  };
  ChildRange(pugi::xml_node parent, std::string_view name) : parent_(parent), name_(name) {}
  iterator begin() const { return iterator(parent_.first_child(), name_); }
  iterator end() const { return iterator(pugi::xml_node(), name_); }

 private:
  pugi::xml_node parent_;
  std::string_view name_;
};
inline ChildRange Children(pugi::xml_node parent, std::string_view localName) { return {parent, localName}; }

// The value of a hexadecimal digit, -1 for any other character.
int HexDigit(char c);

// xsd:boolean: "1" and "true" are true; an absent attribute gives the default.
bool BoolAttr(pugi::xml_node node, std::string_view localName, bool absent);
// A boolean property element such as <b/> or <b val="0"/>: absent is false.
bool BoolElement(pugi::xml_node parent, std::string_view localName);
// A number as XML writes it ("1.5", "-2E-3"); none for anything else.
std::optional<double> ParseXmlNumber(std::string_view text);
std::optional<double> NumberAttr(pugi::xml_node node, std::string_view localName);
// An integer within [low, high]; none when absent, not a number or out of range.
std::optional<long long> IntAttr(pugi::xml_node node, std::string_view localName, long long low, long long high);

}  // namespace sim
