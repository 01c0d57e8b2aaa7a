// The start and end of an operation, and the exchange mapping for the add-in.
#include <cstring>

#include "app/Exports.h"
#include "app/Lifecycle.h"
#include "app/ModuleState.h"
#include "output/WorkingView.h"
#include "app/ModuleTable.h"
#include "app/SignalDlg.h"
#include "automation/AddinContract.h"
#include "excel/ExcelUtils.h"
#include "excel/ExchangeMapping.h"
#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "host/mssystem.h"
#include "sim/SimFailures.h"
#include "platform/filemapping.h"
#include "platform/handles.h"
#include "platform/windows.h"
#include "settings/Profile.h"
#include "sim/SimOutput.h"
#include "sim/excel/SimExcel.h"
#include "sim/platform/SimPlatform.h"
#include "tests/app/AppTestSupport.h"

namespace {

class LifecycleTest : public ModuleTest {};

const char kAddinKey[] = "Software\\Microsoft\\Office\\Excel\\Addins\\QuorvelleV8i.XQVAddinMS";

std::string MappedText() {
  HANDLE h = OpenFileMappingA(FILE_MAP_READ, FALSE, kExchangeMappingName);
  if (!h) return "<no mapping>";
  const char* view = static_cast<const char*>(MapViewOfFile(h, FILE_MAP_READ, 0, 0, 0));
  std::string text = view ? std::string(view) : "<no view>";
  if (view) UnmapViewOfFile(view);
  CloseHandle(h);
  return text;
}

TEST_F(LifecycleTest, AnOperationStartsWithSettingsWindowAndMappingAndEndsWithoutThem) {
  RegisterAddinClass();
  sim::NewDesignFile(dir.File("Plans.dgn"));
  sim::DefineCfgVar("_USTN_USERNAME", "ana");
  sim::DefineCfgVar("KORVU_QV_AFM", "$(ROOT)\\fonts.afm");
  sim::DefineCfgVar("ROOT", "C:\\Maps");
  WriteProfileString("Quorvelle", "QuorvelleOptFile", "stale.opt");
  FuncState = kFuncEdit;

  ASSERT_EQ(1, InitEnvironment(&moduleTable));
  EXPECT_EQ(0, moduleIdle);
  EXPECT_EQ(sim::ToWindowsPath(dir.path().string()) + "\\", GetProfileString("Quorvelle", "CurDrawingFolder"));
  EXPECT_EQ(kFuncEdit, GetProfileInt("Quorvelle", "FuncState", -1));
  EXPECT_EQ("ana", GetProfileString("Quorvelle", "CurWorkspaceName"));
  EXPECT_EQ("C:\\Maps\\fonts.afm", GetProfileString("Quorvelle", "QuorvelleAfmFile"));
  EXPECT_EQ("", GetProfileString("Quorvelle", "QuorvelleOptFile", "absent"));  // emptied: variable not defined
  DWORD loadBehavior = 0;
  ASSERT_TRUE(ReadRegistryDword(HKEY_CURRENT_USER, kAddinKey, "LoadBehavior", &loadBehavior));
  EXPECT_EQ(3u, loadBehavior);
  ASSERT_NE(nullptr, signalWindow);
  HWND window = FindWindowA(nullptr, kSignalWindowCaption);
  EXPECT_EQ(signalWindow->GetSafeHwnd(), window);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(mdlNativeWindow_getMainHandle(0), GetParent(window));
  EXPECT_EQ(&moduleTable, signalWindow->currentTable);
  EXPECT_EQ(0, signalWindow->noAutoOutput);
  EXPECT_NE(std::string::npos, MappedText().find("*Default|"));

  MSElement header;
  mdlCell_create(&header, u"Cell_Quorvelle", nullptr, 0);
  mdlElmdscr_new(&pendingTableCell, nullptr, &header);
  ASSERT_EQ(1, CleanUpEnvironment());
  EXPECT_EQ(1, moduleIdle);
  EXPECT_EQ(kFuncCreate, FuncState);
  EXPECT_EQ(-1, workingView);
  EXPECT_EQ(nullptr, signalWindow);
  EXPECT_EQ(nullptr, FindWindowA(nullptr, kSignalWindowCaption));
  EXPECT_EQ(nullptr, pendingTableCell);
  EXPECT_EQ("<no mapping>", MappedText());
  DWORD load = 9;
  ASSERT_TRUE(ReadRegistryDword(HKEY_CURRENT_USER, kAddinKey, "LoadBehavior", &load));
  EXPECT_EQ(0u, load);
}

TEST_F(LifecycleTest, AnUpdatePublishesNoMappingAndDrawsForItself) {
  RegisterAddinClass();
  FuncState = kFuncUpdate;
  ASSERT_EQ(1, InitEnvironment(nullptr));
  EXPECT_EQ("<no mapping>", MappedText());
  EXPECT_EQ(1, signalWindow->noAutoOutput);
  EXPECT_EQ(nullptr, signalWindow->currentTable);
}

TEST_F(LifecycleTest, AnUnregisteredAddinFailsTheStartAndLeavesTheModuleBusy) {
  // No class key and no add-in library: registration cannot happen.
  EXPECT_EQ(0, InitEnvironment(&moduleTable));
  EXPECT_EQ(0, moduleIdle);
  EXPECT_EQ(nullptr, signalWindow);
  Quorvelle_CleanUp();
  EXPECT_EQ(1, moduleIdle);
}

TEST_F(LifecycleTest, CleanUpWhileACreateWaitsQuitsItsExcelAndEndsTheOperation) {
  RegisterAddinClass();
  ASSERT_EQ(1, InitEnvironment(&moduleTable));
  auto excel = std::make_shared<RecordingExcel>();
  signalWindow->excelApp = excel;
  signalWindow->furtherTables.push_back(std::make_unique<CQuorvelle>());
  moduleTable.RangeAddress = "$A$1:$B$2";
  ASSERT_EQ(1, Quorvelle_CleanUp());
  EXPECT_EQ("alerts on;quit;", excel->calls);
  EXPECT_EQ(1, moduleIdle);
  EXPECT_EQ(nullptr, signalWindow);
  EXPECT_EQ(1u, sim::WindowCount());  // only the host's main window is left
  EXPECT_TRUE(moduleTable.RangeAddress.empty());
  EXPECT_EQ(nullptr, currentOptionSet);
}

TEST_F(LifecycleTest, UnloadingWithNoOperationLeavesTheAddinUnloaded) {
  // An Excel a flow reached stays open for the user; the module only lets go of it.
  ASSERT_EQ(1, ExcelUtils::StartExcel(false));
  ExcelApplicationPtr excel = ExcelUtils::Application();
  EXPECT_EQ(0, UnloadApplicationDll());
  EXPECT_FALSE(ExcelUtils::Application());
  EXPECT_FALSE(sim::ExcelQuitCalled(*excel));
  DWORD load = 9;
  ASSERT_TRUE(ReadRegistryDword(HKEY_CURRENT_USER, kAddinKey, "LoadBehavior", &load));
  EXPECT_EQ(0u, load);
  EXPECT_EQ(1, moduleIdle);
}

// The colour of each index of the default table as red + 256 green + 65536 blue.
long Packed(int r, int g, int b) { return r + 256L * g + 65536L * b; }

TEST_F(LifecycleTest, TheExchangeMappingTextIsExactForThreeLevelsAndTheDefaultColours) {
  RegisterAddinClass();
  sim::AddLevel(u"Walls");
  LevelID doors = sim::AddLevel(u"Doors");
  LevelID walls = sim::AddLevel(u"Walls");
  (void)doors;
  ASSERT_EQ(SUCCESS, mdlParams_setActive(&walls, ACTIVEPARAM_LEVEL));

  std::string expected = "9E8AD1F9-1A5E-48c9-BB9E-20FBA39AA9DB|Default|*Walls|Doors|\n";
  expected += "0D48CF1C-0FF1-4e58-B770-C6D63E9BF408|";
  const long firstTen[] = {Packed(255, 255, 255), Packed(0, 0, 255), Packed(0, 255, 0),   Packed(255, 0, 0),
                           Packed(255, 255, 0),   Packed(255, 0, 255), Packed(255, 127, 0), Packed(0, 255, 255),
                           Packed(64, 64, 64),    Packed(192, 192, 192)};
  for (long v : firstTen) expected += std::to_string(v) + "|";
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b) expected += std::to_string(Packed(51 * r, 51 * g, 51 * b)) + "|";
  for (int k = 1; k <= 29; ++k) expected += std::to_string(Packed(8 * k, 8 * k, 8 * k)) + "|";
  expected += std::to_string(Packed(255, 255, 255)) + "|\n";

  ASSERT_EQ(1, InitEnvironment(&moduleTable));
  HANDLE h = OpenFileMappingA(FILE_MAP_READ, FALSE, kExchangeMappingName);
  ASSERT_NE(nullptr, h);
  const char* view = static_cast<const char*>(MapViewOfFile(h, FILE_MAP_READ, 0, 0, expected.size() + 1));
  ASSERT_NE(nullptr, view);
  EXPECT_EQ(expected, std::string(view, expected.size()));
  EXPECT_EQ('\0', view[expected.size()]);
  UnmapViewOfFile(view);
  CloseHandle(h);
}

TEST_F(LifecycleTest, AMappingThatCannotBeMadeIsReported) {
  RegisterAddinClass();
  sim::FailOperation("CreateFileMappingA");
  ASSERT_EQ(1, InitEnvironment(&moduleTable));
  auto boxes = sim::OutputTexts(sim::OutputKind::HostMessageBox);
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ(0u, boxes[0].find("Failed to create file-mapping object: ExchangeMapping.cpp: ")) << boxes[0];
}

}  // namespace
