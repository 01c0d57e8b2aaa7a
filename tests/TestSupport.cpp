#include "tests/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <random>

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
  sim::ResetExcel();
  sim::ResetPlatform();
  sim::UseInMemoryRegistry();
  // The user's own folders are never touched by a test: each test has its own.
  const std::pair<int, const char*> folders[] = {{5, "Documents"}, {26, "AppData"}, {35, "ProgramData"}};
  for (const auto& [csidl, name] : folders) {
    std::filesystem::create_directories(dir.path() / name);
    sim::SetSpecialFolder(csidl, (dir.path() / name).string());
  }
  sim::ResetHost();
}

void HostTest::TearDown() {
  sim::ResetHost();
  sim::ResetPlatform();
}
