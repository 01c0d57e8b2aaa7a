#include "tests/app/AppTestSupport.h"

#include <fstream>

#include "app/Exports.h"
#include "host/msstate.h"
#include "settings/Profile.h"
#include "sim/SimHost.h"
#include "sim/excel/SimExcel.h"
#include "sim/excel/xlsx/MinimalWorkbook.h"
#include "sim/platform/SimPlatform.h"

void ModuleTest::SetUp() {
  HostTest::SetUp();
  InitApplicationDll();
}

void ModuleTest::TearDown() {
  UnloadApplicationDll();
  HostTest::TearDown();
}

void ModuleTest::RegisterAddinClass() {
  WriteRegistryString(HKEY_CLASSES_ROOT, "CLSID\\{8E236125-FF40-49f4-9636-45EB1BEB6272}", "", "QuorvelleV8i");
}

void CreateCommandTest::SetUp() {
  ModuleTest::SetUp();
  RegisterAddinClass();
  sim::NewDesignFile(dir.File("Plan.dgn"));
}

void CreateCommandTest::StartCreate() {
  mdlState_startPrimitive(Quorvelle_Create_Accept, Quorvelle_Reset, "QUORVELLE CREATE", nullptr);
  mdlState_setFunction(STATE_CLEANUP, Quorvelle_CleanUp);
  Quorvelle_Create_Start();
  sim::PumpMessages();
}

nlohmann::json CreateCommandTest::Elements() { return nlohmann::json::parse(sim::DumpDesignFile())["elements"]; }

void PlacedTableTest::PlaceTable(const std::string& workbook, const std::string& range) {
  StartCreate();
  ExcelApplicationPtr excel = sim::LastStartedExcel();
  ASSERT_EQ("", sim::OpenAsUser(*excel, sim::ToWindowsPath(workbook)));
  ASSERT_EQ("", sim::SelectAsUser(*excel, sim::ActiveSheetName(*excel), range));
  ASSERT_EQ("", sim::SendAsUser(*excel));
  sim::PumpMessages();
  sim::SendDataPoint({10, 20, 0});
}

DPoint3d PlacedTableTest::PointOn(const nlohmann::json& cell) {
  double x = 0, y = 0;
  int n = 0;
  for (const auto& m : cell["members"])
    for (const auto& p : m.contains("points") ? m["points"] : nlohmann::json::array({m["origin"]})) {
      x += p[0].get<double>(), y += p[1].get<double>();
      ++n;
    }
  return n ? DPoint3d{x / n, y / n, 0} : DPoint3d{};
}

void PlacedTableTest::WriteWorkbook(const std::string& path, const std::string& sheet, const std::string& a1) {
  sim::MinimalWorkbookParts parts;
  parts.sheetName = sheet;
  parts.sheetData = "<row r='1'><c r='A1' t='inlineStr'><is><t>" + a1 +
                    "</t></is></c><c r='B1'><v>1</v></c></row><row r='2'><c r='A2'><v>2</v></c><c r='B2'><v>3</v></c></row>";
  std::string error;
  const std::string bytes = sim::MakeZipArchive(sim::MinimalWorkbookEntries(parts), &error);
  ASSERT_EQ("", error);
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
