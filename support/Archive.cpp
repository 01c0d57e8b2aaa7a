#include "support/Archive.h"

#include <cstring>

#include "support/TextConvert.h"

const std::uint8_t* CArchiveReader::Take(std::size_t n) {
  if (n > Remaining()) throw CArchiveException("the archive ends early");
  const std::uint8_t* p = bytes_.data() + position_;
  position_ += n;
  return p;
}

std::uint8_t CArchiveReader::ReadByte() { return *Take(1); }

std::uint16_t CArchiveReader::ReadUInt16() {
  const std::uint8_t* p = Take(2);
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t CArchiveReader::ReadUInt32() {
  const std::uint8_t* p = Take(4);
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int32_t CArchiveReader::ReadInt32() { return static_cast<std::int32_t>(ReadUInt32()); }

double CArchiveReader::ReadDouble() {
  std::uint64_t bits = ReadUInt32();
  bits |= static_cast<std::uint64_t>(ReadUInt32()) << 32;
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

std::size_t CArchiveReader::ReadLength() {
  std::uint8_t b = ReadByte();
  if (b < 0xFF) return b;
  std::uint16_t w = ReadUInt16();
  if (w < 0xFFFF) return w;
  return ReadUInt32();
}

std::string CArchiveReader::ReadString() {
  std::uint8_t b = ReadByte();
  if (b < 0xFF) return std::string(reinterpret_cast<const char*>(Take(b)), b);
  std::uint16_t w = ReadUInt16();
  if (w == 0xFFFE) {
    std::size_t units = ReadLength();
    if (units > Remaining() / 2) throw CArchiveException("a wide string is longer than the archive");
    const std::uint8_t* p = Take(units * 2);
    std::u16string wide(units, u'\0');
    for (std::size_t i = 0; i < units; ++i) wide[i] = static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
    return WideToNarrow(wide);
  }
  std::size_t length = w < 0xFFFF ? w : ReadUInt32();
  return std::string(reinterpret_cast<const char*>(Take(length)), length);
}

std::size_t CArchiveReader::ReadCount(std::size_t minimumItemSize) {
  std::int32_t count = ReadInt32();
  if (count < 0 || (minimumItemSize > 0 && static_cast<std::size_t>(count) > Remaining() / minimumItemSize))
    throw CArchiveException("the archive cannot hold the count it gives");
  return static_cast<std::size_t>(count);
}

void CArchiveWriter::WriteUInt16(std::uint16_t v) {
  bytes_.push_back(static_cast<std::uint8_t>(v));
  bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void CArchiveWriter::WriteUInt32(std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void CArchiveWriter::WriteInt32(std::int32_t v) { WriteUInt32(static_cast<std::uint32_t>(v)); }

void CArchiveWriter::WriteDouble(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  WriteUInt32(static_cast<std::uint32_t>(bits));
  WriteUInt32(static_cast<std::uint32_t>(bits >> 32));
}

void CArchiveWriter::WriteLength(std::size_t length) {
  if (length < 0xFF) {
    WriteByte(static_cast<std::uint8_t>(length));
  } else if (length < 0xFFFE) {
    WriteByte(0xFF);
    WriteUInt16(static_cast<std::uint16_t>(length));
  } else {
    WriteByte(0xFF);
    WriteUInt16(0xFFFF);
    WriteUInt32(static_cast<std::uint32_t>(length));
  }
}

void CArchiveWriter::WriteString(const std::string& text) {
  WriteLength(text.size());
  bytes_.insert(bytes_.end(), text.begin(), text.end());
}

void CArchiveWriter::WriteWideString(const std::u16string& text) {
  WriteByte(0xFF);
  WriteUInt16(0xFFFE);
  WriteLength(text.size());
  for (char16_t c : text) WriteUInt16(static_cast<std::uint16_t>(c));
}
