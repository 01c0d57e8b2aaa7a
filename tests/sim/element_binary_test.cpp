// The compact stored form of element trees: every field kept, and damaged bytes
// refused with a reason, never read past their end nor made into huge allocations.
#include <cstring>
#include <stdexcept>

#include "sim/dgn/ElementBinary.h"
#include "sim/dgn/ElementJson.h"
#include "tests/TestSupport.h"

namespace {

// A cell with a text and a shape, every field of each away from its default.
ElementNode Sample() {
  MSElement cell;
  cell.type = CELL_HEADER_ELM;
  cell.id = 0x1234567890ULL;
  cell.level = 7;
  cell.name = u"Cell_Quorvelle";
  cell.matrix.form3d[0][0] = 2;
  cell.origin = {1.5, -2.25, 0};
  cell.linkages = {{4, u"C:\\Data\\Book1.xlsx"}, {5, std::u16string{u'a', char16_t(0xD800), u'b'}}};

  MSElement text;
  text.type = TEXT_ELM;
  text.id = 0x1234567891ULL;
  text.color = 3;
  text.weight = 2;
  text.style = -1;
  text.elementClass = 1;
  text.graphicGroup = 9;
  text.locked = 1;
  text.viewIndependent = 1;
  text.text = u"12,345.25 \u00C5";
  text.origin = {10, 20, 0};
  text.height = 2.5;
  text.width = 2.25;
  text.textParams = {5, TXTJUST_RB, 0.5, TXTFLAG_ITALICS, TXTEXFLAG_BOLD, 0.25, 3, 1};

  MSElement shape;
  shape.type = SHAPE_ELM;
  shape.id = 0x1234567892ULL;
  shape.fillMode = FILL_OPAQUE;
  shape.solidHole = 1;
  shape.points = {{0, 0, 0}, {4, 0, 0}, {4, 3, 0}, {0, 0, 0}};
  return ElementNode{cell, {ElementNode{text, {}}, ElementNode{shape, {}}}};
}

std::string Dump(const ElementNode& node) { return sim::StoredNode(node).dump(); }

std::string ProblemOf(const std::vector<unsigned char>& bytes) {
  try {
    sim::DecodeNode(bytes.data(), bytes.size());
    return "";
  } catch (const std::runtime_error& e) {
    return e.what();
  }
}

TEST(ElementBinaryTest, EveryFieldComesBackAsItWas) {
  const ElementNode sample = Sample();
  const std::vector<unsigned char> bytes = sim::EncodeNode(sample);
  EXPECT_EQ(Dump(sample), Dump(sim::DecodeNode(bytes.data(), bytes.size())));
  EXPECT_LT(bytes.size(), Dump(sample).size());
}

TEST(ElementBinaryTest, DamagedBytesAreRefusedWithTheirReason) {
  const std::vector<unsigned char> good = sim::EncodeNode(Sample());
  // Cut anywhere, the bytes are refused.
  for (std::size_t size = 0; size < good.size(); ++size)
    EXPECT_NE("", ProblemOf({good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size)})) << size;

  std::vector<unsigned char> trailing = good;
  trailing.push_back(0);
  std::vector<unsigned char> otherForm = good;
  otherForm[0] = '{';
  // The cell's point count (after the magic, type, identifier and nine 32-bit
  // fields) claims four billion points.
  std::vector<unsigned char> hugeCount = good;
  std::memset(hugeCount.data() + 4 + 4 + 8 + 9 * 4, 0xFF, 4);
  // The text (first member) given members of its own.
  const std::vector<unsigned char> text = sim::EncodeNode(ElementNode{Sample().members[0].el, {}});
  std::vector<unsigned char> textWithMember = text;
  textWithMember.resize(textWithMember.size() - 4);
  const std::uint32_t one = 1;
  textWithMember.insert(textWithMember.end(), reinterpret_cast<const unsigned char*>(&one),
                        reinterpret_cast<const unsigned char*>(&one) + 4);
  textWithMember.insert(textWithMember.end(), text.begin() + 4, text.end());

  const std::pair<std::vector<unsigned char>, const char*> cases[] = {
      {trailing, "bytes follow the element"},
      {otherForm, "not a stored element"},
      {hugeCount, "count is larger than the element holds"},
      {textWithMember, "a simple element has members"},
  };
  for (const auto& [bytes, reason] : cases) {
    const std::string problem = ProblemOf(bytes);
    EXPECT_NE(std::string::npos, problem.find(reason)) << problem;
  }
}

}  // namespace
