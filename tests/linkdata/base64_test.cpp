// Base64 of the font map kept on a table: the standard alphabet in 8-bit and UTF-16
// text, and texts whose length does not add up.
#include <cstdint>
#include <string>
#include <vector>

#include "output/Base64.h"
#include "sim/SimOutput.h"
#include "sim/Strings.h"
#include "tests/TestSupport.h"

namespace {

class Base64Test : public HostTest {};

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST_F(Base64Test, StandardVectorsInBothTextForms) {
  const std::pair<const char*, const char*> vectors[] = {
      {"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},        {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
  };
  for (const auto& [plain, encoded] : vectors) {
    const std::string bytes = plain;
    EXPECT_EQ(encoded, CBase64::Encode(bytes.data(), bytes.size()));
    EXPECT_EQ(sim::Utf8ToUtf16(encoded), CBase64::EncodeWide(bytes.data(), bytes.size()));
    std::vector<std::uint8_t> narrow, wide;
    EXPECT_TRUE(CBase64::Decode(std::string_view(encoded), &narrow)) << encoded;
    EXPECT_TRUE(CBase64::Decode(sim::Utf8ToUtf16(encoded), &wide)) << encoded;
    EXPECT_EQ(Bytes(plain), narrow);
    EXPECT_EQ(Bytes(plain), wide);
  }

  std::vector<std::uint8_t> all(256);
  for (int i = 0; i < 256; ++i) all[i] = static_cast<std::uint8_t>(255 - i);
  std::vector<std::uint8_t> back;
  ASSERT_TRUE(CBase64::Decode(CBase64::EncodeWide(all.data(), all.size()), &back));
  EXPECT_EQ(all, back);
  EXPECT_TRUE(sim::OutputLog().empty());
}

TEST_F(Base64Test, TextsPromisingMoreOrFewerBytesFailWithTheMessage) {
  const char* texts[] = {
      "Zm9vY",      // five characters promise six bytes, hold three
      "Zm9vYg=",    // one "=" promises five bytes, holds four
      "Zm9v!!!!",   // characters outside the alphabet count but decode to nothing
      "Zm9vYmFy\n", // a line break is one character too many
  };
  for (const char* text : texts) {
    sim::ClearOutputLog();
    std::vector<std::uint8_t> bytes = {1, 2, 3};
    EXPECT_FALSE(CBase64::Decode(std::string_view(text), &bytes)) << text;
    EXPECT_TRUE(bytes.empty()) << text;
    EXPECT_EQ(std::vector<std::string>{"Miscalculated data length in CBase64::decode."},
              sim::OutputTexts(sim::OutputKind::HostMessageBox))
        << text;
  }
}

}  // namespace
