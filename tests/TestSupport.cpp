#include "tests/TestSupport.h"

#include <cstdlib>
#include <random>

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

void HostTest::SetUp() {
  sim::ResetPlatform();
  sim::UseInMemoryRegistry();
  sim::ResetHost();
}

void HostTest::TearDown() {
  sim::ResetHost();
  sim::ResetPlatform();
}
