#include "sim/excel/xlsx/XlsxStream.h"

#include <expat.h>

#include <cstring>

#include "sim/excel/xlsx/XlsxLimits.h"
#include "sim/excel/xlsx/XlsxPackage.h"
#include "sim/excel/xlsx/XlsxXml.h"

namespace sim {
namespace {

bool WhitespaceOnly(const std::string& text) {
  return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// Measures the tags, comments, CDATA sections and stretches of text of a part as it
// comes. The parser holds a tag or comment whole until its end (and scans it again
// with every chunk), so none may grow past kMaxXmlTokenBytes.
class TokenMeter {
 public:
  bool Feed(const char* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      if (state_ == State::Text) {
        const void* open = std::memchr(data + i, '<', size - i);
        const std::size_t run = open ? static_cast<std::size_t>(static_cast<const char*>(open) - (data + i)) : size - i;
        length_ += run;
        if (length_ > kMaxXmlTokenBytes) return false;
        if (!open) return true;
        i += run;
        state_ = State::Opening;
        opening_.clear();
        length_ = 1;
        continue;
      }
      Step(data[i]);
      if (++length_ > kMaxXmlTokenBytes) return false;
    }
    return true;
  }

 private:
  enum class State { Text, Opening, Tag, Comment, CData };

  void EndToken() {
    state_ = State::Text;
    length_ = 0;
  }

  void Step(char c) {
    switch (state_) {
      case State::Opening: {
        opening_ += c;
        const std::string_view comment = "!--", cdata = "![CDATA[";
        if (opening_ == comment) {
          state_ = State::Comment;
        } else if (opening_ == cdata) {
          state_ = State::CData;
        } else if (!comment.starts_with(opening_) && !cdata.starts_with(opening_)) {
          state_ = State::Tag;
          quote_ = 0;
          if (c == '"' || c == '\'') quote_ = c;
          if (c == '>') EndToken();
        }
        break;
      }
      case State::Tag:
        if (quote_) {
          if (c == quote_) quote_ = 0;
        } else if (c == '"' || c == '\'') {
          quote_ = c;
        } else if (c == '>') {
          EndToken();
        }
        break;
      case State::Comment:
      case State::CData: {
        const char closing = state_ == State::Comment ? '-' : ']';
        if (c == '>' && last_[0] == closing && last_[1] == closing) EndToken();
        break;
      }
      case State::Text:
        break;
    }
    last_[0] = last_[1];
    last_[1] = c;
  }

  State state_ = State::Text;
  std::size_t length_ = 0;
  std::string opening_;  // what follows '<' until the kind of markup is known
  char quote_ = 0;
  char last_[2] = {0, 0};
};

class Stream {
 public:
  Stream(std::string_view partName, XmlStreamVisitor& visitor)
      : partName_(partName), visitor_(visitor), parser_(XML_ParserCreate(nullptr)) {
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, &Stream::OnStart, &Stream::OnEnd);
    XML_SetCharacterDataHandler(parser_, &Stream::OnText);
    XML_SetEntityDeclHandler(parser_, &Stream::OnEntityDeclaration);
  }
  ~Stream() { XML_ParserFree(parser_); }
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;

  // Parses a chunk of the part (the last one with final set); false with *error set.
  bool Feed(const char* data, std::size_t size, bool final, std::string* error) {
    if (!meter_.Feed(data, size)) {
      *error = "The workbook part " + partName_ + " has an XML tag, comment or text of more than " +
               std::to_string(kMaxXmlTokenBytes >> 20) + " MiB.";
      return false;
    }
    if (XML_Parse(parser_, data, static_cast<int>(size), final ? XML_TRUE : XML_FALSE) == XML_STATUS_OK) return true;
    if (error_.empty())
      error_ = "The workbook part " + partName_ + " is not well-formed XML: " +
               XML_ErrorString(XML_GetErrorCode(parser_)) + " at offset " +
               std::to_string(XML_GetCurrentByteIndex(parser_)) + ".";
    *error = error_;
    return false;
  }

 private:
  void Fail(std::string message) {
    if (error_.empty()) error_ = std::move(message);
    XML_StopParser(parser_, XML_FALSE);
  }

  bool CountNodes(std::size_t added) {
    nodes_ += added;
    if (nodes_ <= kMaxElementNodes) return true;
    Fail("The workbook part " + partName_ + " has an element holding more than " + std::to_string(kMaxElementNodes) +
         " XML nodes.");
    return false;
  }

  // Text inside a built element becomes its node when it is more than the whitespace
  // between elements (whitespace alone stays when it is all the element holds).
  void FlushText(bool atEnd) {
    if (text_.empty()) return;
    if (!WhitespaceOnly(text_) || (atEnd && !current_.first_child())) {
      if (CountNodes(1)) current_.append_child(pugi::node_pcdata).set_value(text_.c_str());
    }
    text_.clear();
  }

  pugi::xml_node Build(pugi::xml_node parent, const char* name, const char** attributes) {
    pugi::xml_node element = parent.append_child(name);
    std::size_t count = 1;
    for (const char** a = attributes; a[0]; a += 2, ++count) element.append_attribute(a[0]).set_value(a[1]);
    CountNodes(count);
    return element;
  }

  void Start(const char* name, const char** attributes) {
    if (++depth_ > kMaxXmlDepth) {
      Fail("The workbook part " + partName_ + " nests XML elements more than " + std::to_string(kMaxXmlDepth) +
           " levels deep.");
      return;
    }
    if (ignoredFrom_) return;
    if (builtFrom_) {
      FlushText(false);
      current_ = Build(current_, name, attributes);
      return;
    }
    std::string error;
    switch (visitor_.Enter(depth_, LocalName(name), &error)) {
      case XmlStreamVisitor::Take::Refuse:
        Fail(std::move(error));
        break;
      case XmlStreamVisitor::Take::Ignore:
        ignoredFrom_ = depth_;
        break;
      case XmlStreamVisitor::Take::Descend:
        break;
      case XmlStreamVisitor::Take::Whole:
        document_.reset();
        nodes_ = 0;
        text_.clear();
        current_ = Build(document_, name, attributes);
        builtFrom_ = depth_;
        break;
      case XmlStreamVisitor::Take::Start: {
        document_.reset();
        nodes_ = 0;
        pugi::xml_node element = Build(document_, name, attributes);
        if (!visitor_.Visit(element, depth_, &error)) Fail(std::move(error));
        break;
      }
    }
  }

  void End(const char* name) {
    const int depth = depth_--;
    if (ignoredFrom_) {
      if (depth == ignoredFrom_) ignoredFrom_ = 0;
      return;
    }
    if (builtFrom_) {
      FlushText(true);
      if (depth > builtFrom_) {
        current_ = current_.parent();
        return;
      }
      builtFrom_ = 0;
      std::string error;
      if (!visitor_.Visit(current_, depth, &error)) Fail(std::move(error));
      return;
    }
    visitor_.Leave(depth, LocalName(name));
  }

  static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** attributes) {
    static_cast<Stream*>(self)->Start(name, attributes);
  }
  static void XMLCALL OnEnd(void* self, const XML_Char* name) { static_cast<Stream*>(self)->End(name); }
  static void XMLCALL OnText(void* self, const XML_Char* text, int length) {
    auto* stream = static_cast<Stream*>(self);
    if (stream->builtFrom_ && !stream->ignoredFrom_) stream->text_.append(text, static_cast<std::size_t>(length));
  }
  // Entities a document declares for itself could expand without end; no workbook
  // program writes them.
  static void XMLCALL OnEntityDeclaration(void* self, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
                                          const XML_Char*, const XML_Char*, const XML_Char*) {
    auto* stream = static_cast<Stream*>(self);
    stream->Fail("The workbook part " + stream->partName_ + " declares XML entities, which no workbook does.");
  }

  std::string partName_;
  XmlStreamVisitor& visitor_;
  XML_Parser parser_;
  std::string error_;
  TokenMeter meter_;
  int depth_ = 0;
  int ignoredFrom_ = 0;  // the depth of the element being ignored, 0 none
  int builtFrom_ = 0;    // the depth of the element being built, 0 none
  pugi::xml_document document_;
  pugi::xml_node current_;
  std::size_t nodes_ = 0;
  std::string text_;
};

}  // namespace

bool StreamXmlPart(CXlsxPackage& package, std::string_view partName, XmlStreamVisitor& visitor, std::string* error) {
  Stream stream(partName, visitor);
  // Once parsing has failed the rest is still inflated, unparsed: a damaged archive
  // shows only at the end of the part, and that is the better reason to give.
  std::string parseError;
  const auto feed = [&](const char* data, std::size_t size) {
    if (parseError.empty()) stream.Feed(data, size, false, &parseError);
    return true;
  };
  if (!package.ReadStream(partName, feed, error)) return false;
  if (parseError.empty()) stream.Feed("", 0, true, &parseError);
  if (parseError.empty()) return true;
  *error = parseError;
  return false;
}

}  // namespace sim
