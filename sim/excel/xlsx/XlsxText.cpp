#include "sim/excel/xlsx/XlsxText.h"

#include "sim/Strings.h"
#include "sim/excel/xlsx/XlsxLimits.h"
#include "sim/excel/xlsx/XlsxStream.h"
#include "sim/excel/xlsx/XlsxStyles.h"
#include "sim/excel/xlsx/XlsxXml.h"

namespace sim {
namespace {

// The code unit of an _xHHHH_ at the start of text, or -1.
long EscapeAt(std::string_view text) {
  if (text.size() < 7 || text.substr(0, 2) != "_x" || text[6] != '_') return -1;
  long value = 0;
  for (char c : text.substr(2, 4)) {
    int digit = HexDigit(c);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

std::string TextOf(pugi::xml_node t) { return DecodeEscapedText(t.child_value()); }

}  // namespace

std::string DecodeEscapedText(std::string_view text) {
  if (text.find("_x") == std::string_view::npos) return std::string(text);
  std::string out;
  // Escaped code units are gathered, so that a surrogate pair written as two escapes
  // becomes one character (and half a pair U+FFFD).
  std::u16string units;
  for (size_t i = 0; i < text.size();) {
    long unit = text[i] == '_' ? EscapeAt(text.substr(i)) : -1;
    // No cell text holds a NUL, which would end the text where the add-in sends it.
    if (unit == 0) {
      i += 7;
      continue;
    }
    if (unit >= 0) {
      units += static_cast<char16_t>(unit);
      i += 7;
      continue;
    }
    out += Utf16ToUtf8(units);
    units.clear();
    out += text[i++];
  }
  return out + Utf16ToUtf8(units);
}

std::shared_ptr<const CellText> ReadCellText(pugi::xml_node element, const WorkbookColors& colors,
                                             const FontData& defaultFont) {
  auto text = std::make_shared<CellText>();
  if (pugi::xml_node t = Child(element, "t")) text->text = TextOf(t);
  for (pugi::xml_node r : Children(element, "r")) {
    TextRun run;
    run.text = TextOf(Child(r, "t"));
    if (pugi::xml_node properties = Child(r, "rPr")) run.font = ReadFont(properties, colors, defaultFont);
    text->text += run.text;
    text->runs.push_back(std::move(run));
  }
  return text;
}

bool ReadSharedStrings(CXlsxPackage& package, std::string_view partName, const WorkbookColors& colors,
                       const FontData& defaultFont, const std::vector<bool>& wanted, std::size_t* count,
                       std::vector<std::shared_ptr<const CellText>>* texts, std::string* error) {
  class Visitor : public XmlStreamVisitor {
   public:
    Visitor(const WorkbookColors& colors, const FontData& font, const std::vector<bool>& wanted, std::size_t* count,
            std::vector<std::shared_ptr<const CellText>>* texts)
        : colors_(colors), font_(font), wanted_(wanted), count_(*count), texts_(*texts) {}
    Take Enter(int depth, std::string_view name, std::string* error) override {
      if (depth == 1) return Take::Descend;
      if (depth > 2 || name != "si") return Take::Ignore;
      if (count_ >= kMaxSharedStrings) {
        *error = "The workbook has more than " + std::to_string(kMaxSharedStrings) + " shared strings.";
        return Take::Refuse;
      }
      const std::size_t index = count_++;
      return index < wanted_.size() && wanted_[index] ? Take::Whole : Take::Ignore;
    }
    bool Visit(pugi::xml_node si, int, std::string*) override {
      texts_.push_back(ReadCellText(si, colors_, font_));
      return true;
    }

   private:
    const WorkbookColors& colors_;
    const FontData& font_;
    const std::vector<bool>& wanted_;
    std::size_t& count_;
    std::vector<std::shared_ptr<const CellText>>& texts_;
  };
  *count = 0;
  texts->clear();
  Visitor visitor(colors, defaultFont, wanted, count, texts);
  return StreamXmlPart(package, partName, visitor, error);
}

}  // namespace sim
