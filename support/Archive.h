// The archive form of the settings files and of the font map kept on a table:
// little-endian numbers and length-prefixed strings. A string's length is one byte
// when below 255, else the byte 0xFF and a 16-bit length when below 0xFFFE, else
// 0xFF, 0xFFFF and a 32-bit length; the characters follow without terminator. A
// wide string starts with 0xFF and 0xFFFE, then its length in UTF-16 units in the
// same form, then the units.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Raised when an archive ends early or holds something it cannot hold.
class CArchiveException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CArchiveReader {
 public:
  explicit CArchiveReader(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  std::uint8_t ReadByte();
  std::uint16_t ReadUInt16();
  std::int32_t ReadInt32();
  std::uint32_t ReadUInt32();
  double ReadDouble();
  // A string in the system code page; a wide string is converted.
  std::string ReadString();
  // A count of items each at least `minimumItemSize` bytes long; refused when the
  // archive cannot hold that many, so that a damaged count never sizes anything.
  std::size_t ReadCount(std::size_t minimumItemSize);
  std::size_t Remaining() const { return bytes_.size() - position_; }

 private:
  const std::uint8_t* Take(std::size_t n);
  std::size_t ReadLength();
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

class CArchiveWriter {
 public:
  void WriteByte(std::uint8_t value) { bytes_.push_back(value); }
  void WriteUInt16(std::uint16_t value);
  void WriteInt32(std::int32_t value);
  void WriteUInt32(std::uint32_t value);
  void WriteDouble(double value);
  // In the 8-bit form.
  void WriteString(const std::string& text);
  // In the wide form (UTF-16 units).
  void WriteWideString(const std::u16string& text);
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  void WriteLength(std::size_t length);
  std::vector<std::uint8_t> bytes_;
};
