// The import list's file lines and registry list: how a line becomes an item, the
// bytes a list is written as, and list files that are no lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "settings/ImportList.h"
#include "settings/Profile.h"
#include "tests/TestSupport.h"

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::vector<std::string> Keys(const std::vector<std::uint8_t>& bytes, std::size_t* leftOut = nullptr) {
  std::vector<std::string> keys;
  ForEachImportLine(
      bytes,
      [&](const ImportItem& item) {
        keys.push_back(ImportItemKey(item));
        return true;
      },
      leftOut);
  return keys;
}

TEST(ImportListTest, ALineBecomesAnItemByItsFields) {
  struct Case {
    const char* line;
    const char* key;  // nullptr: no item
  } cases[] = {
      {"Book.xls*Sheet1*A1:B2", "Book.xls*Sheet1*A1:B2"},
      {"Book.xls*Sheet1*", "Book.xls*Sheet1*"},
      {"Book.xls**A1:B2", "Book.xls*A1:B2*"},               // empty fields vanish
      {"*Book.xls*Sheet1", "Book.xls*Sheet1*"},             // a leading "*" is skipped
      {"  C:\\My Data\\Book.xls *  Sheet 1 * A1 \r", "C:\\My Data\\Book.xls*Sheet 1*A1"},
      {"Book.xls*Sheet1*A1*more*fields", "Book.xls*Sheet1*A1"},
      {"Book.xls* *A1", nullptr},                           // a blank worksheet
      {"Book.xls", nullptr},
      {"", nullptr},
      {"***", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    ImportItem item;
    const bool parsed = ParseImportLine(c.line, &item);
    EXPECT_EQ(c.key != nullptr, parsed);
    if (c.key) {
      EXPECT_EQ(c.key, ImportItemKey(item));
    }
  }
}

TEST(ImportListTest, AListIsWrittenWithItsOwnLineEndsAndReadsBack) {
  const std::vector<ImportItem> items = {{"C:\\A.xls", "Sheet1", ""}, {"C:\\B.xls", "Doors", "A1:B2"}};
  const std::vector<std::uint8_t> bytes = FormatImportList(items);
  EXPECT_EQ(Bytes("C:\\A.xls*Sheet1*\r\r\nC:\\B.xls*Doors*A1:B2\r\r\n"), bytes);
  EXPECT_EQ((std::vector<std::string>{"C:\\A.xls*Sheet1*", "C:\\B.xls*Doors*A1:B2"}), Keys(bytes));
  // LF alone, CR LF, and a last line without an end.
  EXPECT_EQ((std::vector<std::string>{"a*b*", "c*d*", "e*f*"}), Keys(Bytes("a*b\nc*d\r\ne*f")));
}

TEST(ImportListTest, LinesThatAreNoTextOfAListAreLeftOutAndCounted) {
  std::string text = "ok.xls*Sheet1\n";
  text += std::string(5000, 'x') + "*Sheet1\n";          // far longer than any item
  text += std::string("bin\0ary.xls*Sheet1\n", 19);       // a NUL byte
  text += "\x01\x02\x03*\x04\n";
  text += "also.xls*Sheet2\n";
  std::size_t leftOut = 0;
  EXPECT_EQ((std::vector<std::string>{"ok.xls*Sheet1*", "also.xls*Sheet2*"}), Keys(Bytes(text), &leftOut));
  EXPECT_EQ(3u, leftOut);

  // The reader stops where its taker says: a million lines cost no more than those read.
  std::string many;
  for (int i = 0; i < 1000000; ++i) many += "b.xls*S" + std::to_string(i) + "\n";
  int taken = 0;
  ForEachImportLine(Bytes(many), [&](const ImportItem&) { return ++taken < 10; }, nullptr);
  EXPECT_EQ(10, taken);
}

class ImportRegistryListTest : public HostTest {};

TEST_F(ImportRegistryListTest, TheRegistryListKeepsOneValuePerItem) {
  ASSERT_TRUE(WriteRegistryImportItem({"C:\\A.xls", "Sheet1", ""}));
  ASSERT_TRUE(WriteRegistryImportItem({"C:\\B.xls", "Doors", "A1:B2"}));
  // A name longer than the registry lets a reader take back is not read.
  ASSERT_TRUE(WriteRegistryImportItem({"C:\\" + std::string(300, 'x') + ".xls", "Sheet1", ""}));
  std::vector<std::string> keys;
  for (const ImportItem& item : ReadRegistryImportList()) keys.push_back(ImportItemKey(item));
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ((std::vector<std::string>{"C:\\A.xls*Sheet1*", "C:\\B.xls*Doors*A1:B2"}), keys);
  std::string data = "unset";
  EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, "Software\\Korvu\\KorvuMSV8i\\Quorvelle\\MultiImportList",
                                 "C:\\A.xls*Sheet1*", &data));
  EXPECT_EQ("", data);

  ASSERT_TRUE(DeleteRegistryImportItem({"C:\\A.xls", "Sheet1", ""}));
  EXPECT_EQ(1u, ReadRegistryImportList().size());
  ASSERT_TRUE(DeleteRegistryImportList());
  EXPECT_TRUE(ReadRegistryImportList().empty());
  EXPECT_TRUE(DeleteRegistryImportList());  // already gone
}

}  // namespace
