#include "support/TextCompare.h"

namespace {
char Fold(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }
}  // namespace

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Fold(a[i]) != Fold(b[i])) return false;
  return true;
}

int CompareNoCase(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c); };
  for (size_t i = 0; i < a.size() && i < b.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return lower(a[i]) < lower(b[i]) ? -1 : 1;
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

size_t FindNoCase(std::string_view haystack, std::string_view needle) {
  if (needle.size() > haystack.size()) return std::string::npos;
  for (size_t i = 0; i + needle.size() <= haystack.size(); ++i)
    if (EqualsNoCase(haystack.substr(i, needle.size()), needle)) return i;
  return std::string::npos;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Fold(c);
  return out;
}
