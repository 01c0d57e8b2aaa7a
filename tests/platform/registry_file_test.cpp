#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "TempFolder.h"
#include "platform/registry.h"
#include "sim/platform/SimPlatform.h"

namespace {

class RegistryFileTest : public ::testing::Test {
 protected:
  void SetUp() override { sim::ResetPlatform(); }
  void TearDown() override { sim::ResetPlatform(); }

  static LSTATUS CreateKey(const char* path, HKEY& key) {
    return RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                           nullptr);
  }
  static LSTATUS SetBytes(HKEY key, const char* name, DWORD type, const std::string& bytes) {
    return RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size()));
  }
  static std::optional<std::string> Read(HKEY root, const char* path, const char* name, DWORD expectedType) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<std::string> bytes;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == expectedType) {
      bytes.emplace(size, '\0');
      RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes->data()), &size);
    }
    RegCloseKey(key);
    return bytes;
  }

  TempFolder folder_;
  std::string path_ = folder_ / "registry.json";
};

TEST_F(RegistryFileTest, ChangesSurviveAReopen) {
  ASSERT_TRUE(sim::UseRegistryFile(path_));
  EXPECT_EQ(sim::RegistryFilePath(), path_);
  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);

  HKEY key = nullptr;
  ASSERT_EQ(CreateKey("Software\\Korvu\\KorvuMSV8i\\Quorvelle\\FontMap", key), ERROR_SUCCESS);
  ASSERT_EQ(SetBytes(key, "Arial", REG_SZ, std::string("Liberation Sans\0", 16)), ERROR_SUCCESS);
  ASSERT_EQ(SetBytes(key, "Raw", REG_BINARY, everyByte), ERROR_SUCCESS);
  ASSERT_EQ(SetBytes(key, "NotUtf8", REG_SZ, std::string("\xff\xfe\0", 3)), ERROR_SUCCESS);
  ASSERT_EQ(SetBytes(key, "Gone", REG_DWORD, std::string(4, '\x07')), ERROR_SUCCESS);
  ASSERT_EQ(RegDeleteValueA(key, "Gone"), ERROR_SUCCESS);
  RegCloseKey(key);
  HKEY machine = nullptr;
  ASSERT_EQ(
      RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvu", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &machine, nullptr),
      ERROR_SUCCESS);
  ASSERT_EQ(SetBytes(machine, "", REG_DWORD, std::string("\x2a\0\0\0", 4)), ERROR_SUCCESS);
  RegCloseKey(machine);

  sim::ResetPlatform();  // as if the program had ended
  ASSERT_TRUE(sim::UseRegistryFile(path_)) << sim::RegistryLoadError();
  const char* fontMap = "software\\korvu\\korvumsv8i\\quorvelle\\fontmap";
  EXPECT_EQ(Read(HKEY_CURRENT_USER, fontMap, "arial", REG_SZ), std::string("Liberation Sans\0", 16));
  EXPECT_EQ(Read(HKEY_CURRENT_USER, fontMap, "Raw", REG_BINARY), everyByte);
  EXPECT_EQ(Read(HKEY_CURRENT_USER, fontMap, "NotUtf8", REG_SZ), std::string("\xff\xfe\0", 3));
  EXPECT_EQ(Read(HKEY_CURRENT_USER, fontMap, "Gone", REG_DWORD), std::nullopt);
  EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, "SOFTWARE\\Korvu", nullptr, REG_DWORD), std::string("\x2a\0\0\0", 4));

  // The names keep their spelling and the values their order.
  HKEY reopened = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, fontMap, 0, KEY_READ, &reopened), ERROR_SUCCESS);
  char name[32];
  DWORD size = sizeof name;
  ASSERT_EQ(RegEnumValueA(reopened, 0, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_STREQ(name, "Arial");
  size = sizeof name;
  ASSERT_EQ(RegEnumValueA(reopened, 2, name, &size, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_STREQ(name, "NotUtf8");
  RegCloseKey(reopened);
}

TEST_F(RegistryFileTest, TheFileAndItsFolderAppearWithTheFirstChangeAndNoTemporaryFileStays) {
  std::string nested = folder_ / "config/quorvelle/registry.json";
  ASSERT_TRUE(sim::UseRegistryFile(nested));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(std::filesystem::exists(nested));  // reading writes nothing

  ASSERT_EQ(CreateKey("Software\\Korvu", key), ERROR_SUCCESS);
  for (int i = 0; i < 5; ++i) ASSERT_EQ(SetBytes(key, "Count", REG_BINARY, std::string(i, 'x')), ERROR_SUCCESS);
  RegCloseKey(key);
  std::vector<std::string> entries;
  for (const auto& entry : std::filesystem::directory_iterator(folder_ / "config/quorvelle"))
    entries.push_back(entry.path().filename().string());
  EXPECT_EQ(entries, std::vector<std::string>{"registry.json"});
}

TEST_F(RegistryFileTest, AChangeThatCannotBeSavedIsNotMade) {
  std::string sub = folder_ / "sub";
  std::filesystem::create_directories(sub);
  ASSERT_TRUE(sim::UseRegistryFile(sub + "/registry.json"));
  HKEY key = nullptr;
  ASSERT_EQ(CreateKey("Software\\Korvu", key), ERROR_SUCCESS);
  // The folder is replaced by a file: nothing can be saved there any more.
  std::filesystem::remove_all(sub);
  folder_.Write("sub", "in the way");

  EXPECT_EQ(SetBytes(key, "V", REG_SZ, "x"), ERROR_REGISTRY_IO_FAILED);
  EXPECT_NE(sim::RegistryWriteError().find(sub + "/registry.json"), std::string::npos);
  EXPECT_EQ(Read(HKEY_CURRENT_USER, "Software\\Korvu", "V", REG_SZ), std::nullopt);
  HKEY child = nullptr;
  EXPECT_EQ(CreateKey("Software\\Korvu\\Child", child), ERROR_REGISTRY_IO_FAILED);
  EXPECT_EQ(RegOpenKeyExA(key, "Child", 0, KEY_READ, &child), ERROR_FILE_NOT_FOUND);
  RegCloseKey(key);
}

TEST_F(RegistryFileTest, ADamagedOrForeignFileIsLeftUntouchedAndNothingIsWritten) {
  auto document = [](const std::string& currentUser) {
    return R"({"format":"Quorvelle registry","version":1,"roots":{"HKEY_CURRENT_USER":)" + currentUser + "}}";
  };
  std::string deepKey = R"({"name":"k","lastWrite":0,"values":[],"keys":[]})";
  for (int i = 0; i < 600; ++i) deepKey = R"({"name":"k","lastWrite":0,"values":[],"keys":[)" + deepKey + "]}";
  std::string deepDocument = document(R"({"lastWrite":0,"values":[],"keys":[)" + deepKey + "]}");
  auto withValue = [&](const std::string& value) {
    return document(R"({"lastWrite":0,"values":[)" + value + R"(],"keys":[]})");
  };
  const std::pair<const char*, std::string> cases[] = {
      {"empty", ""},
      {"not JSON", "{\"format\": \"Quorvelle registry\", "},
      {"another program's JSON", R"({"windowSize": [800, 600]})"},
      {"a later version", R"({"format":"Quorvelle registry","version":2,"roots":{}})"},
      {"an unknown root", R"({"format":"Quorvelle registry","version":1,"roots":{"HKEY_USERS":{}}})"},
      {"data not hexadecimal", withValue(R"({"name":"a","type":3,"data":"zz"})")},
      {"an odd number of digits", withValue(R"({"name":"a","type":3,"data":"abc"})")},
      {"a number of three bytes", withValue(R"({"name":"a","type":4,"data":"010203"})")},
      {"a text without its NUL", withValue(R"({"name":"a","type":1,"data":"41"})")},
      {"a value twice", withValue(R"({"name":"a","type":3,"data":""},{"name":"A","type":3,"data":""})")},
      {"a type that is text", withValue(R"({"name":"a","type":"REG_SZ","data":"4100"})")},
      {"keys twice", document(R"({"lastWrite":0,"values":[],"keys":[)"
                              R"({"name":"K","lastWrite":0,"values":[],"keys":[]},)"
                              R"({"name":"k","lastWrite":0,"values":[],"keys":[]}]})")},
      {"a key name with a backslash", document(R"({"lastWrite":0,"values":[],"keys":[)"
                                               R"({"name":"a\\b","lastWrite":0,"values":[],"keys":[]}]})")},
      {"keys nested too deep", deepDocument},
  };
  for (const auto& [what, content] : cases) {
    SCOPED_TRACE(what);
    sim::ResetPlatform();
    folder_.Write("registry.json", content);

    EXPECT_FALSE(sim::UseRegistryFile(path_));
    std::string error = sim::RegistryLoadError();
    EXPECT_NE(error.find(path_), std::string::npos) << error;
    EXPECT_NE(error.find("left untouched"), std::string::npos) << error;

    HKEY key = nullptr;
    EXPECT_EQ(CreateKey("Software\\Korvu", key), ERROR_REGISTRY_CORRUPT);
    EXPECT_EQ(SetBytes(HKEY_CURRENT_USER, "V", REG_SZ, "x"), ERROR_REGISTRY_CORRUPT);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(TempFolder::Read(path_), content);
  }
}

TEST_F(RegistryFileTest, AnOversizedFileIsRefusedUnread) {
  folder_.Write("registry.json", "{}");
  ASSERT_EQ(::truncate(path_.c_str(), 65 * 1024 * 1024), 0);  // sparse: costs no disk
  EXPECT_FALSE(sim::UseRegistryFile(path_));
  EXPECT_NE(sim::RegistryLoadError().find("MiB"), std::string::npos) << sim::RegistryLoadError();
  EXPECT_EQ(std::filesystem::file_size(path_), 65u * 1024 * 1024);
}

TEST_F(RegistryFileTest, APipeInThePlaceOfTheFileIsRefusedWithoutWaiting) {
  ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0);
  EXPECT_FALSE(sim::UseRegistryFile(path_));
  EXPECT_NE(sim::RegistryLoadError().find("not a regular file"), std::string::npos) << sim::RegistryLoadError();
}

TEST_F(RegistryFileTest, TheDefaultFileComesFromTheEnvironment) {
  struct Case {
    const char* registry;
    const char* configHome;
    const char* home;
    std::string expected;
  };
  const Case cases[] = {
      {"/srv/reg.json", "/cfg", "/home/ana", "/srv/reg.json"},
      {"", "/cfg", "/home/ana", "/cfg/quorvelle/registry.json"},
      {nullptr, nullptr, "/home/ana", "/home/ana/.config/quorvelle/registry.json"},
      {nullptr, "relative/cfg", "/home/ana", "/home/ana/.config/quorvelle/registry.json"},
  };
  auto saved = [](const char* name) -> std::optional<std::string> {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  };
  auto set = [](const char* name, const char* value) {
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  };
  const char* names[] = {"QUORVELLE_REGISTRY", "XDG_CONFIG_HOME", "HOME"};
  std::optional<std::string> before[3];
  for (int i = 0; i < 3; ++i) before[i] = saved(names[i]);
  for (const Case& c : cases) {
    set(names[0], c.registry);
    set(names[1], c.configHome);
    set(names[2], c.home);
    EXPECT_EQ(sim::DefaultRegistryPath(), c.expected);
  }
  for (int i = 0; i < 3; ++i) set(names[i], before[i] ? before[i]->c_str() : nullptr);
}

}  // namespace
