// The large parts of a workbook (worksheets, shared strings) read as a stream: the
// part is inflated and parsed chunk by chunk, and only the elements the reader asks
// for are built, one at a time, as small trees that the pugixml-based helpers of
// XlsxXml.h read. What reading costs thus follows what is kept, not the size of the
// part; the bounds of XlsxLimits.h keep each built element and each tag small.
#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace sim {

class CXlsxPackage;

class XmlStreamVisitor {
 public:
  enum class Take {
    Ignore,   // the element and everything in it pass unseen
    Descend,  // its children are offered in turn
    Whole,    // built with all it holds and handed to Visit at its end
    Start,    // handed to Visit at once with its attributes; its children are offered
    Refuse,   // the reading stops; *error says why
  };

  virtual ~XmlStreamVisitor() = default;
  // An element begins; depth 1 is the document element.
  virtual Take Enter(int depth, std::string_view localName, std::string* error) = 0;
  // An element taken Whole or Start. False stops the reading; *error says why.
  virtual bool Visit(pugi::xml_node element, int depth, std::string* error) = 0;
  // The end of an element taken Descend or Start.
  virtual void Leave(int /*depth*/, std::string_view /*localName*/) {}
};

// Streams the part through the visitor. False with a message naming the part when it
// is missing, past a bound, not well-formed, nested deeper than kMaxXmlDepth,
// declares entities, or when the visitor stops it.
bool StreamXmlPart(CXlsxPackage& package, std::string_view partName, XmlStreamVisitor& visitor, std::string* error);

}  // namespace sim
