#include "platform/registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "sim/SimFailures.h"
#include "sim/platform/SimPlatform.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::ResetPlatform();
    sim::ClearFailures();
  }
  void TearDown() override { sim::ClearFailures(); }

  static HKEY Create(const char* path, HKEY root = HKEY_CURRENT_USER) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    return key;
  }
  static LSTATUS SetBytes(HKEY key, const char* name, DWORD type, const std::string& bytes) {
    return RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size()));
  }
  static LSTATUS SetDword(HKEY key, const char* name, DWORD value) {
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  }
  // The value's type and bytes, or the failure.
  static LSTATUS Query(HKEY key, const char* name, DWORD& type, std::string& bytes) {
    DWORD size = 0;
    if (LSTATUS status = RegQueryValueExA(key, name, nullptr, &type, nullptr, &size)) return status;
    bytes.assign(size, '\0');
    return RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
  }
  static std::vector<std::string> SubkeyNames(HKEY key) {
    std::vector<std::string> names;
    char name[256];
    for (DWORD i = 0;; ++i) {
      DWORD size = sizeof name;
      LSTATUS status = RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr);
      if (status == ERROR_NO_MORE_ITEMS) break;
      EXPECT_EQ(status, ERROR_SUCCESS);
      names.emplace_back(name, size);
    }
    return names;
  }
  static std::vector<std::string> ValueNames(HKEY key) {
    std::vector<std::string> names;
    char name[256];
    for (DWORD i = 0;; ++i) {
      DWORD size = sizeof name;
      LSTATUS status = RegEnumValueA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr);
      if (status == ERROR_NO_MORE_ITEMS) break;
      EXPECT_EQ(status, ERROR_SUCCESS);
      names.emplace_back(name, size);
    }
    return names;
  }
};

TEST_F(RegistryTest, NamesMatchWithoutRegardToCaseAndKeepTheirSpelling) {
  HKEY created = Create("Software\\Korvu\\KorvuMSV8i\\Quorvelle");
  ASSERT_EQ(SetDword(created, "LinkPathType", 1), ERROR_SUCCESS);
  ASSERT_EQ(SetDword(created, "LINKPATHTYPE", 2), ERROR_SUCCESS);  // the same value
  HKEY umlaut = Create("Software\\Übersicht");
  RegCloseKey(umlaut);

  HKEY opened = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\korvu\\korvumsv8i\\QUORVELLE", 0, KEY_READ, &opened),
            ERROR_SUCCESS);
  DWORD type = 0;
  std::string bytes;
  ASSERT_EQ(Query(opened, "linkpathtype", type, bytes), ERROR_SUCCESS);
  EXPECT_EQ(bytes, std::string("\x02\0\0\0", 4));
  EXPECT_EQ(ValueNames(opened), std::vector<std::string>{"LinkPathType"});

  HKEY software = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "software", 0, KEY_READ, &software), ERROR_SUCCESS);
  EXPECT_EQ(SubkeyNames(software), (std::vector<std::string>{"Korvu", "Übersicht"}));
  HKEY lower = nullptr;
  EXPECT_EQ(RegOpenKeyExA(software, "übersicht", 0, KEY_READ, &lower), ERROR_SUCCESS);
  for (HKEY key : {created, opened, software, lower}) EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(RegistryTest, ValuesKeepTheirKindAndBytes) {
  struct Case {
    const char* name;
    DWORD type;
    std::string written;
    std::string read;  // texts always come back terminated
  };
  const Case cases[] = {
      {"Text", REG_SZ, std::string("Book1\0", 6), std::string("Book1\0", 6)},
      {"Unterminated", REG_SZ, "Book1", std::string("Book1\0", 6)},
      {"Empty", REG_SZ, "", std::string("\0", 1)},
      {"Expand", REG_EXPAND_SZ, std::string("%TEMP%\\x\0", 9), std::string("%TEMP%\\x\0", 9)},
      {"List", REG_MULTI_SZ, std::string("a\0bc\0", 5), std::string("a\0bc\0\0", 6)},
      {"Binary", REG_BINARY, std::string("\0\xff\x01\x80", 4), std::string("\0\xff\x01\x80", 4)},
      {"Number", REG_DWORD, std::string("\x03\0\0\0", 4), std::string("\x03\0\0\0", 4)},
      {"", REG_SZ, std::string("default\0", 8), std::string("default\0", 8)},
  };
  HKEY key = Create("Software\\Kinds");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(SetBytes(key, c.name, c.type, c.written), ERROR_SUCCESS);
    DWORD type = 0;
    std::string bytes;
    ASSERT_EQ(Query(key, c.name, type, bytes), ERROR_SUCCESS);
    EXPECT_EQ(type, c.type);
    EXPECT_EQ(bytes, c.read);
  }
  // NULL and "" both name the default value.
  DWORD type = 0, size = 0;
  EXPECT_EQ(RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 8u);
  RegCloseKey(key);
}

TEST_F(RegistryTest, AReaderExpectingANumberSeesTheTypeOfAString) {
  HKEY key = Create("Software\\Kinds");
  ASSERT_EQ(SetBytes(key, "Weight", REG_SZ, "3"), ERROR_SUCCESS);
  DWORD type = 0, number = 0, size = sizeof number;
  LSTATUS status = RegQueryValueExA(key, "Weight", nullptr, &type, reinterpret_cast<BYTE*>(&number), &size);
  EXPECT_EQ(status, ERROR_SUCCESS);
  EXPECT_EQ(type, REG_SZ);  // not REG_DWORD: the caller can tell it is the wrong kind
  EXPECT_EQ(size, 2u);
  RegCloseKey(key);
}

TEST_F(RegistryTest, QueryFollowsTheBufferSizeProtocol) {
  HKEY key = Create("Software\\Sizes");
  ASSERT_EQ(SetBytes(key, "Path", REG_SZ, std::string("C:\\Data\0", 8)), ERROR_SUCCESS);

  DWORD type = 0, size = 0;
  EXPECT_EQ(RegQueryValueExA(key, "Path", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 8u);  // the NUL counts

  char buffer[16];
  std::memset(buffer, 'x', sizeof buffer);
  size = 7;  // room for the text but not its NUL
  EXPECT_EQ(RegQueryValueExA(key, "Path", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 8u);
  EXPECT_EQ(buffer[0], 'x');  // nothing half-written

  size = 8;
  EXPECT_EQ(RegQueryValueExA(key, "Path", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size), ERROR_SUCCESS);
  EXPECT_STREQ(buffer, "C:\\Data");

  EXPECT_EQ(RegQueryValueExA(key, "Missing", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegQueryValueExA(key, "Path", nullptr, &type, reinterpret_cast<BYTE*>(buffer), nullptr),
            ERROR_INVALID_PARAMETER);
  RegCloseKey(key);
}

TEST_F(RegistryTest, NumbersMustHaveTheirSize) {
  HKEY key = Create("Software\\Kinds");
  EXPECT_EQ(SetBytes(key, "Short", REG_DWORD, std::string("\x01\x02", 2)), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegSetValueExA(key, "NoData", 0, REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER);
  DWORD type = 0, size = 0;
  EXPECT_EQ(RegQueryValueExA(key, "Short", nullptr, &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
  RegCloseKey(key);
}

TEST_F(RegistryTest, EnumerationOrder) {
  HKEY key = Create("Software\\Order");
  // Subkeys sort alphabetically, upper-cased as Windows compares them ("_" after "Z").
  for (const char* name : {"b_x", "beta", "BZ", "Alpha"}) RegCloseKey(Create(name, key));
  EXPECT_EQ(SubkeyNames(key), (std::vector<std::string>{"Alpha", "beta", "BZ", "b_x"}));
  // Values come in the order they were created; rewriting one keeps its place.
  for (const char* name : {"Zeta", "Alpha", "Mid"}) ASSERT_EQ(SetDword(key, name, 1), ERROR_SUCCESS);
  ASSERT_EQ(SetDword(key, "zeta", 2), ERROR_SUCCESS);
  EXPECT_EQ(ValueNames(key), (std::vector<std::string>{"Zeta", "Alpha", "Mid"}));
  RegCloseKey(key);
}

TEST_F(RegistryTest, EnumerationReportsBuffersTooSmall) {
  HKEY key = Create("Software\\Sizes");
  RegCloseKey(Create("Subkey", key));
  ASSERT_EQ(SetBytes(key, "Name", REG_BINARY, "12345"), ERROR_SUCCESS);

  char name[8];
  DWORD nameSize = 4;  // "Name" needs 5 with its NUL
  EXPECT_EQ(RegEnumValueA(key, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
  EXPECT_EQ(nameSize, 4u);
  nameSize = 5;
  BYTE data[8];
  DWORD dataSize = 4;
  EXPECT_EQ(RegEnumValueA(key, 0, name, &nameSize, nullptr, nullptr, data, &dataSize), ERROR_MORE_DATA);
  EXPECT_EQ(dataSize, 5u);
  nameSize = 5;
  dataSize = 5;
  DWORD type = 0;
  EXPECT_EQ(RegEnumValueA(key, 0, name, &nameSize, nullptr, &type, data, &dataSize), ERROR_SUCCESS);
  EXPECT_EQ(std::string(name, nameSize), "Name");
  EXPECT_EQ(type, REG_BINARY);
  EXPECT_EQ(RegEnumValueA(key, 1, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);

  nameSize = 6;  // "Subkey" needs 7
  EXPECT_EQ(RegEnumKeyExA(key, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
  nameSize = 7;
  EXPECT_EQ(RegEnumKeyExA(key, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(nameSize, 6u);
  RegCloseKey(key);
}

TEST_F(RegistryTest, QueryInfoGivesCountsAndLongestLengths) {
  HKEY key = Create("Software\\Info");
  RegCloseKey(Create("Short", key));
  RegCloseKey(Create("MuchLongerName", key));
  ASSERT_EQ(SetBytes(key, "A", REG_BINARY, std::string(300, 'x')), ERROR_SUCCESS);
  ASSERT_EQ(SetBytes(key, "LongestValueName", REG_SZ, "t"), ERROR_SUCCESS);
  DWORD subkeys = 0, longestSubkey = 0, values = 0, longestName = 0, largestData = 0;
  FILETIME written{};
  ASSERT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, &longestSubkey, nullptr, &values, &longestName,
                             &largestData, nullptr, &written),
            ERROR_SUCCESS);
  EXPECT_EQ(subkeys, 2u);
  EXPECT_EQ(longestSubkey, 14u);
  EXPECT_EQ(values, 2u);
  EXPECT_EQ(longestName, 16u);
  EXPECT_EQ(largestData, 300u);
  EXPECT_NE(written.dwHighDateTime, 0u);
  RegCloseKey(key);
}

TEST_F(RegistryTest, CreatingMakesTheKeysAboveAndTellsWhatItDid) {
  HKEY key = nullptr;
  DWORD disposition = 0;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\A\\B\\C", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, &key, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
  RegCloseKey(key);
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "software\\a\\b\\c", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, &key, &disposition),
            ERROR_SUCCESS);
  EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
  RegCloseKey(key);
  HKEY middle = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\A\\B", 0, KEY_READ, &middle), ERROR_SUCCESS);
  RegCloseKey(middle);
  // The roots are separate trees.
  EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\A", 0, KEY_READ, &middle), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, MalformedKeyPathsAreRefused) {
  HKEY key = nullptr;
  for (std::string path : {std::string("\\Software"), std::string("Software\\\\A"), std::string(256, 'k')}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_BAD_PATHNAME);
    EXPECT_EQ(key, nullptr);
  }
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Missing", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryTest, DeletingValuesAndKeys) {
  HKEY parent = Create("Software\\Del");
  HKEY leaf = Create("Leaf", parent);
  ASSERT_EQ(SetDword(leaf, "V", 1), ERROR_SUCCESS);

  EXPECT_EQ(RegDeleteValueA(leaf, "v"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueA(leaf, "v"), ERROR_FILE_NOT_FOUND);
  ASSERT_EQ(SetDword(leaf, "V", 1), ERROR_SUCCESS);

  // Only a key without subkeys can go, and never a root.
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Del"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, ""), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteKeyA(parent, "Missing"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKeyA(parent, "LEAF"), ERROR_SUCCESS);
  EXPECT_TRUE(SubkeyNames(parent).empty());

  // The handle still open on the deleted key fails cleanly.
  DWORD type = 0, size = 0;
  EXPECT_EQ(RegQueryValueExA(leaf, "V", nullptr, &type, nullptr, &size), ERROR_KEY_DELETED);
  EXPECT_EQ(SetDword(leaf, "V", 2), ERROR_KEY_DELETED);
  EXPECT_EQ(RegCloseKey(leaf), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Del"), ERROR_SUCCESS);
  RegCloseKey(parent);
}

TEST_F(RegistryTest, HandlesOpenedForReadingCannotWrite) {
  RegCloseKey(Create("Software\\Rights"));
  HKEY reading = nullptr, writing = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Rights", 0, KEY_READ, &reading), ERROR_SUCCESS);
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Rights", 0, KEY_WRITE, &writing), ERROR_SUCCESS);

  EXPECT_EQ(SetDword(reading, "V", 1), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteValueA(reading, "V"), ERROR_ACCESS_DENIED);
  HKEY sub = nullptr;
  EXPECT_EQ(RegCreateKeyExA(reading, "Sub", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr),
            ERROR_ACCESS_DENIED);

  EXPECT_EQ(SetDword(writing, "V", 1), ERROR_SUCCESS);
  DWORD type = 0, size = 0;
  EXPECT_EQ(RegQueryValueExA(writing, "V", nullptr, &type, nullptr, &size), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegQueryValueExA(reading, "V", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  RegCloseKey(reading);
  RegCloseKey(writing);
}

TEST_F(RegistryTest, HandlesThatAreNotOpenFailWithoutHarm) {
  HKEY closed = Create("Software\\Gone");
  ASSERT_EQ(RegCloseKey(closed), ERROR_SUCCESS);
  const HKEY bad[] = {nullptr, closed, reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0xDEADBEEF))};
  for (HKEY key : bad) {
    SCOPED_TRACE(reinterpret_cast<ULONG_PTR>(key));
    HKEY result = nullptr;
    DWORD type = 0, size = 0, count = 0;
    char name[16];
    DWORD nameSize = sizeof name;
    EXPECT_EQ(RegOpenKeyExA(key, "x", 0, KEY_READ, &result), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCreateKeyExA(key, "x", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &result, nullptr),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryValueExA(key, "x", nullptr, &type, nullptr, &size), ERROR_INVALID_HANDLE);
    EXPECT_EQ(SetDword(key, "x", 1), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegDeleteValueA(key, "x"), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegDeleteKeyA(key, "x"), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegEnumValueA(key, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegEnumKeyExA(key, 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
  }
  EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);  // the roots stay open
}

TEST_F(RegistryTest, InjectedFailuresChangeNothing) {
  HKEY key = Create("Software\\Fail");
  ASSERT_EQ(SetDword(key, "V", 1), ERROR_SUCCESS);
  sim::FailOperation("RegSetValueExA");
  EXPECT_EQ(SetDword(key, "V", 2), ERROR_ACCESS_DENIED);
  sim::FailOperation("RegCreateKeyExA");
  HKEY sub = nullptr;
  EXPECT_EQ(RegCreateKeyExA(key, "Sub", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr), ERROR_ACCESS_DENIED);
  DWORD type = 0;
  std::string bytes;
  ASSERT_EQ(Query(key, "V", type, bytes), ERROR_SUCCESS);
  EXPECT_EQ(bytes, std::string("\x01\0\0\0", 4));
  EXPECT_TRUE(SubkeyNames(key).empty());
  RegCloseKey(key);
}

}  // namespace
