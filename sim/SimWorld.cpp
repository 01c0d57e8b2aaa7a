#include "sim/SimWorld.h"

#include <utility>

#include "sim/SimHost.h"
#include "sim/excel/SimExcel.h"
#include "sim/platform/SimPlatform.h"

namespace sim {

void ResetWorld(const std::filesystem::path& scratch) {
  ResetExcel();
  ResetPlatform();
  UseInMemoryRegistry();
  const std::pair<int, const char*> folders[] = {{5, "Documents"}, {26, "AppData"}, {35, "ProgramData"}};
  for (const auto& [csidl, name] : folders) {
    std::filesystem::create_directories(scratch / name);
    SetSpecialFolder(csidl, (scratch / name).string());
  }
  ResetHost();
}

}  // namespace sim
