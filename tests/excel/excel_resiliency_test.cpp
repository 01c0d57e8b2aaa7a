#include "excel/ExcelResiliency.h"

#include <string>
#include <vector>

#include "RegistrySnapshot.h"
#include "RegistryValues.h"
#include "sim/SimFailures.h"
#include "tests/TestSupport.h"

namespace {

using test_registry::SetValue;
using test_registry::ValueNames;

const char* const kExcelLists[] = {
    "Software\\Microsoft\\Office\\14.0\\Excel\\Resiliency\\DisabledItems",
    "Software\\Microsoft\\Office\\15.0\\Excel\\Resiliency\\DisabledItems",
    "Software\\Microsoft\\Office\\16.0\\Excel\\Resiliency\\DisabledItems",
    "Software\\Microsoft\\Office\\17.0\\Excel\\Resiliency\\DisabledItems",
    "Software\\Microsoft\\Office\\14.0\\Excel\\Resiliency\\StartupItems",
    "Software\\Microsoft\\Office\\15.0\\Excel\\Resiliency\\StartupItems",
    "Software\\Microsoft\\Office\\16.0\\Excel\\Resiliency\\StartupItems",
    "Software\\Microsoft\\Office\\17.0\\Excel\\Resiliency\\StartupItems",
};
const char kDisabledItems16[] = "Software\\Microsoft\\Office\\16.0\\Excel\\Resiliency\\DisabledItems";

std::string Utf16(const std::string& ascii) {
  std::string bytes;
  for (char c : ascii) bytes += std::string{c, '\0'};
  return bytes + std::string(2, '\0');
}

std::string Dword(DWORD value) { return std::string(reinterpret_cast<const char*>(&value), sizeof value); }

// A disabled item as Excel records it: kind, the sizes of the path and of the
// name, then both as UTF-16 text.
std::string ExcelDisabledItem(const std::string& path, const std::string& name) {
  return Dword(1) + Dword(static_cast<DWORD>(Utf16(path).size())) + Dword(static_cast<DWORD>(Utf16(name).size())) +
         Utf16(path) + Utf16(name);
}

struct Value {
  std::string name;
  DWORD type;
  std::string data;
  bool deleted;
};

class ExcelResiliencyTest : public HostTest {
 protected:
  static void Write(const std::string& keyPath, const std::vector<Value>& values) {
    for (const Value& value : values) ASSERT_TRUE(SetValue(HKEY_CURRENT_USER, keyPath, value.name, value.type, value.data));
  }
  static std::vector<std::string> Kept(const std::vector<Value>& values) {
    std::vector<std::string> names;
    for (const Value& value : values)
      if (!value.deleted) names.push_back(value.name);
    return names;
  }
};

TEST_F(ExcelResiliencyTest, ValuesNamingTheTextAreDeletedFromEveryList) {
  const std::vector<Value> values = {
      {"path", REG_SZ, "C:\\ProgramData\\Microsoft\\AddIns\\QuorvelleV8i.dll", true},
      {"binary lower case", REG_BINARY, std::string("\x02\0\0\0add-in quorvelle\0", 22), true},
      {"upper case at the very end", REG_BINARY, std::string("\x01\0\0\0", 4) + "QUORVELLE", true},
      {"mixed case", REG_EXPAND_SZ, "qUoRvElLe", true},
      {"as Excel writes it", REG_BINARY,
       ExcelDisabledItem("C:\\ProgramData\\Microsoft\\AddIns\\QuorvelleV8i.dll", "QuorvelleV8i"), true},
      {"fills the whole buffer", REG_BINARY, std::string(1015, 'x') + "quorvelle", true},
      {"cut short", REG_BINARY, "Quorvell", false},
      {"split by a NUL", REG_BINARY, std::string("Quor\0velle", 10), false},
      {"UTF-16 split by a NUL character", REG_BINARY, Utf16("Quor") + Utf16("velle"), false},
      {"other add-in", REG_SZ, "C:\\AddIns\\Other.xll", false},
      {"other add-in as Excel writes it", REG_BINARY, ExcelDisabledItem("C:\\AddIns\\Other.xll", "Other"), false},
      {"number", REG_DWORD, Dword(3), false},
      {"empty", REG_BINARY, "", false},
  };
  for (const char* list : kExcelLists) Write(list, values);

  ClearExcelResiliency("Quorvelle");

  for (const char* list : kExcelLists) EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, list), Kept(values)) << list;
}

TEST_F(ExcelResiliencyTest, ValuesTooLargeToExamineDoNotStopTheOthers) {
  const std::vector<Value> values = {
      {"too much data", REG_BINARY, std::string(1016, 'x') + "quorvelle", false},
      {std::string(260, 'n'), REG_SZ, "Quorvelle", false},
      {std::string(259, 'n'), REG_SZ, "Quorvelle", true},
      {"after them", REG_SZ, "Quorvelle", true},
  };
  Write(kDisabledItems16, values);
  ClearExcelResiliency("Quorvelle");
  EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, kDisabledItems16), Kept(values));
}

TEST_F(ExcelResiliencyTest, OtherVersionsProgramsAndRootsAreUntouched) {
  const char* const others[] = {
      "Software\\Microsoft\\Office\\13.0\\Excel\\Resiliency\\DisabledItems",
      "Software\\Microsoft\\Office\\18.0\\Excel\\Resiliency\\StartupItems",
      "Software\\Microsoft\\Office\\16.0\\Word\\Resiliency\\DisabledItems",
      "Software\\Microsoft\\Office\\16.0\\Excel\\Resiliency\\DocumentRecovery",
      "Software\\Microsoft\\Office\\Excel\\Resiliency\\DisabledItems",
      "Software\\Microsoft\\Office\\16.0\\Excel\\Resiliency\\DisabledItems\\Nested",
  };
  for (const char* key : others) ASSERT_TRUE(SetValue(HKEY_CURRENT_USER, key, "entry", REG_SZ, "Quorvelle"));
  ASSERT_TRUE(SetValue(HKEY_LOCAL_MACHINE, kDisabledItems16, "entry", REG_SZ, "Quorvelle"));
  registry_snapshot::Snapshot before = registry_snapshot::Take();

  ClearExcelResiliency("Quorvelle");

  EXPECT_EQ(registry_snapshot::Changes(before, registry_snapshot::Take()), std::vector<std::string>{});
}

TEST_F(ExcelResiliencyTest, MissingListsARefusedDeletionAndAnEmptyTextChangeNothingElse) {
  registry_snapshot::Snapshot empty = registry_snapshot::Take();
  ClearExcelResiliency("Quorvelle");
  EXPECT_EQ(registry_snapshot::Changes(empty, registry_snapshot::Take()), std::vector<std::string>{});  // none created

  const std::vector<Value> values = {{"first", REG_SZ, "Quorvelle", false}, {"second", REG_SZ, "Quorvelle", true}};
  Write(kDisabledItems16, values);
  ClearExcelResiliency("");
  EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, kDisabledItems16), (std::vector<std::string>{"first", "second"}));

  sim::FailOperation("RegDeleteValueA");
  ClearExcelResiliency("Quorvelle");
  EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, kDisabledItems16), Kept(values));
}

}  // namespace
