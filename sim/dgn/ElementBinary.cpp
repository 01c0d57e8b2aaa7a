#include "sim/dgn/ElementBinary.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

#include "sim/dgn/ElementGeometry.h"

namespace sim {
namespace {

// Members nest at most this deep (cells in cells); deeper is taken as damage.
constexpr int kMaxDepth = 64;
// "QVE1", first in every stored tree, so that a body of another form is told apart.
constexpr std::uint32_t kMagic = 0x31455651;

class Writer {
 public:
  explicit Writer(std::vector<unsigned char>& out) : out_(out) {}
  void U16(std::uint16_t v) { Bytes(v, 2); }
  void U32(std::uint32_t v) { Bytes(v, 4); }
  void I32(std::int32_t v) { Bytes(static_cast<std::uint32_t>(v), 4); }
  void U64(std::uint64_t v) { Bytes(v, 8); }
  void Double(double v) { Bytes(std::bit_cast<std::uint64_t>(v), 8); }
  void Point(const DPoint3d& p) {
    Double(p.x);
    Double(p.y);
    Double(p.z);
  }
  void Text(const std::u16string& text) {
    U32(static_cast<std::uint32_t>(text.size()));
    for (char16_t c : text) U16(c);
  }

 private:
  void Bytes(std::uint64_t v, int count) {
    for (int i = 0; i < count; ++i) out_.push_back(static_cast<unsigned char>(v >> (8 * i)));
  }
  std::vector<unsigned char>& out_;
};

class Reader {
 public:
  Reader(const unsigned char* bytes, std::size_t size) : at_(bytes), end_(bytes + size) {}
  std::uint16_t U16() { return static_cast<std::uint16_t>(Bytes(2)); }
  std::uint32_t U32() { return static_cast<std::uint32_t>(Bytes(4)); }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  std::uint64_t U64() { return Bytes(8); }
  double Double() { return std::bit_cast<double>(Bytes(8)); }
  DPoint3d Point() {
    DPoint3d p;
    p.x = Double();
    p.y = Double();
    p.z = Double();
    return p;
  }
  std::u16string Text() {
    const std::uint32_t length = Count(2);
    std::u16string text(length, u'\0');
    for (char16_t& c : text) c = U16();
    return text;
  }
  // A count of items of at least `itemBytes` bytes each; more than the bytes left
  // could hold is damage, not a reason to allocate.
  std::uint32_t Count(std::size_t itemBytes) {
    const std::uint32_t count = U32();
    if (count > Left() / itemBytes) throw std::runtime_error("a count is larger than the element holds");
    return count;
  }
  std::size_t Left() const { return static_cast<std::size_t>(end_ - at_); }

 private:
  std::uint64_t Bytes(int count) {
    if (Left() < static_cast<std::size_t>(count)) throw std::runtime_error("the element is cut short");
    std::uint64_t v = 0;
    for (int i = 0; i < count; ++i) v |= static_cast<std::uint64_t>(at_[i]) << (8 * i);
    at_ += count;
    return v;
  }
  const unsigned char* at_;
  const unsigned char* end_;
};

void WriteElement(Writer& w, const MSElement& el) {
  w.I32(el.type);
  w.U64(el.id);
  w.U32(el.level);
  w.U32(el.color);
  w.U32(el.weight);
  w.I32(el.style);
  w.I32(el.elementClass);
  w.U32(el.graphicGroup);
  w.I32(el.locked);
  w.I32(el.viewIndependent);
  w.I32(el.solidHole);
  w.U32(static_cast<std::uint32_t>(el.points.size()));
  for (const DPoint3d& p : el.points) w.Point(p);
  w.I32(el.fillMode);
  w.Point(el.origin);
  for (const auto& row : el.matrix.form3d)
    for (double v : row) w.Double(v);
  w.Double(el.primary);
  w.Double(el.secondary);
  w.Double(el.start);
  w.Double(el.sweep);
  w.Text(el.name);
  w.Text(el.text);
  w.Double(el.height);
  w.Double(el.width);
  const TextParamWide& t = el.textParams;
  w.U32(t.font);
  w.I32(t.just);
  w.Double(t.lineSpacing);
  w.U32(t.flags);
  w.U32(t.exFlags);
  w.Double(t.underlineSpacing);
  w.I32(t.nodeNumber);
  w.I32(t.viewIndependent);
  w.U32(static_cast<std::uint32_t>(el.linkages.size()));
  for (const StringLinkage& l : el.linkages) {
    w.U16(l.key);
    w.Text(l.text);
  }
}

MSElement ReadElement(Reader& r) {
  MSElement el;
  el.type = r.I32();
  el.id = r.U64();
  el.level = r.U32();
  el.color = r.U32();
  el.weight = r.U32();
  el.style = r.I32();
  el.elementClass = r.I32();
  el.graphicGroup = r.U32();
  el.locked = r.I32();
  el.viewIndependent = r.I32();
  el.solidHole = r.I32();
  el.points.resize(r.Count(24));
  for (DPoint3d& p : el.points) p = r.Point();
  el.fillMode = r.I32();
  el.origin = r.Point();
  for (auto& row : el.matrix.form3d)
    for (double& v : row) v = r.Double();
  el.primary = r.Double();
  el.secondary = r.Double();
  el.start = r.Double();
  el.sweep = r.Double();
  el.name = r.Text();
  el.text = r.Text();
  el.height = r.Double();
  el.width = r.Double();
  TextParamWide& t = el.textParams;
  t.font = r.U32();
  t.just = r.I32();
  t.lineSpacing = r.Double();
  t.flags = r.U32();
  t.exFlags = r.U32();
  t.underlineSpacing = r.Double();
  t.nodeNumber = r.I32();
  t.viewIndependent = r.I32();
  el.linkages.resize(r.Count(6));
  for (StringLinkage& l : el.linkages) {
    l.key = r.U16();
    l.text = r.Text();
  }
  if (const char* problem = GeometryProblem(el)) throw std::runtime_error(problem);
  return el;
}

// The bytes WriteElement writes for the element.
std::size_t ElementBytes(const MSElement& el) {
  std::size_t bytes = 4 + 8 + 9 * 4 + 4 + 24 * el.points.size() + 4 + 24 + 72 + 4 * 8 + 4 + 2 * el.name.size() + 4 +
                      2 * el.text.size() + 2 * 8 + 4 + 4 + 8 + 4 + 4 + 8 + 4 + 4 + 4;
  for (const StringLinkage& l : el.linkages) bytes += 2 + 4 + 2 * l.text.size();
  return bytes;
}

std::size_t NodeBytes(const ElementNode& node) {
  std::size_t bytes = ElementBytes(node.el) + 4;
  for (const ElementNode& m : node.members) bytes += NodeBytes(m);
  return bytes;
}

void WriteNode(Writer& w, const ElementNode& node) {
  WriteElement(w, node.el);
  w.U32(static_cast<std::uint32_t>(node.members.size()));
  for (const ElementNode& m : node.members) WriteNode(w, m);
}

// The smallest element takes more than this many bytes.
constexpr std::size_t kMinElementBytes = 64;

ElementNode ReadNode(Reader& r, int depth) {
  if (depth > kMaxDepth) throw std::runtime_error("members nest too deep");
  ElementNode node{ReadElement(r), {}};
  const std::uint32_t members = r.Count(kMinElementBytes);
  if (members > 0 && node.el.type != CELL_HEADER_ELM && node.el.type != TEXT_NODE_ELM)
    throw std::runtime_error("a simple element has members");
  node.members.reserve(members);
  for (std::uint32_t i = 0; i < members; ++i) node.members.push_back(ReadNode(r, depth + 1));
  return node;
}

}  // namespace

std::vector<unsigned char> EncodeNode(const ElementNode& node) {
  // Sized first: a table's tree takes tens of megabytes, which growing by doubling
  // would hold twice over.
  std::vector<unsigned char> out;
  out.reserve(4 + NodeBytes(node));
  Writer w(out);
  w.U32(kMagic);
  WriteNode(w, node);
  return out;
}

ElementNode DecodeNode(const unsigned char* bytes, std::size_t size) {
  Reader r(bytes, size);
  if (r.U32() != kMagic) throw std::runtime_error("it is not a stored element");
  ElementNode node = ReadNode(r, 0);
  if (r.Left() != 0) throw std::runtime_error("bytes follow the element");
  return node;
}

}  // namespace sim
