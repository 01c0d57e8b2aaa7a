// Scaffolding for the option set's tests: an option set in force, an operation in a
// chosen mode, and the registry values the add-in leaves, written and read raw.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "host/msview.h"
#include "platform/registry.h"
#include "settings/OperationMode.h"
#include "settings/Profile.h"
#include "settings/QuorvelleSetup.h"
#include "tests/TestSupport.h"

class OptionsTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    tcbP->lstvw = 0;
    currentOptionSet = &setup;
  }
  void TearDown() override {
    currentOptionSet = nullptr;
    tcbP->lstvw = 0;
    HostTest::TearDown();
  }

  static void PutNumber(const std::string& section, const std::string& name, int value) {
    ASSERT_TRUE(WriteProfileInt(section, name, value)) << section << "\\" << name;
  }
  static void PutText(const std::string& section, const std::string& name, const std::string& value) {
    ASSERT_TRUE(WriteProfileString(section, name, value)) << section << "\\" << name;
  }
  // A value as stored: "D 12" for a 32-bit value, "S text" for a string, "missing".
  static std::string Stored(const std::string& section, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ProfileKeyPath(section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
      return "missing";
    char data[4096] = {};
    DWORD type = 0, size = sizeof data - 1;
    LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return "missing";
    if (type == REG_DWORD) {
      std::int32_t number = 0;
      std::memcpy(&number, data, sizeof number);
      return "D " + std::to_string(number);
    }
    return type == REG_SZ ? "S " + std::string(data) : "type " + std::to_string(type);
  }

  QuorvelleSetup setup;
  // The mode of the operation the options are read or written for.
  EFuncState mode = kFuncCreate;
};
