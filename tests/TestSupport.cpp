#include "tests/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <random>

#include "host/msmodel.h"
#include "sim/SimWorld.h"
#include "sim/excel/SimExcel.h"
#include "sim/excel/xlsx/MinimalWorkbook.h"

TempDir::TempDir() {
  std::random_device rd;
  auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = base / ("quorvelle-test-" + std::to_string(rd()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot make a scratch folder");
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void WriteMinimalWorkbook(const std::filesystem::path& path) {
  std::string error;
  std::string bytes = sim::MakeZipArchive(sim::MinimalWorkbookEntries({}), &error);
  if (bytes.empty()) throw std::runtime_error("cannot make a workbook: " + error);
  std::ofstream(path, std::ios::binary) << bytes;
}

void HostTest::SetUp() {
  // The user's own folders are never touched by a test: each test has its own.
  sim::ResetWorld(dir.path());
}

void HostTest::TearDown() {
  sim::ResetHost();
  sim::ResetPlatform();
}

void MasterUnitsTest::SetUp() {
  HostTest::SetUp();
  mdlCurrTrans_begin();
  mdlCurrTrans_masterUnitsIdentity(0);
}

void MasterUnitsTest::TearDown() {
  mdlCurrTrans_end();
  HostTest::TearDown();
}
