// Shared test scaffolding: a clean stand-in world per test and scratch folders.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "sim/SimHost.h"
#include "sim/platform/SimPlatform.h"

// A folder of its own for one test, removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// The smallest workbook file Excel opens: one empty sheet, "Sheet1".
void WriteMinimalWorkbook(const std::filesystem::path& path);

// Every test starts from an empty design file, an empty registry in memory, no
// windows and an empty output log.
class HostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  TempDir dir;
};

// A fresh host whose current transformation is the identity in master units, as the
// commands draw.
class MasterUnitsTest : public HostTest {
 protected:
  void SetUp() override;
  void TearDown() override;
};
