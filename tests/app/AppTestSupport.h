// Scaffolding for tests of the commands: the module loaded (its exports called as
// the host calls them) with the add-in's class already registered.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

#include "automation/ExcelObjectModel.h"
#include "host/msgeom.h"
#include "tests/TestSupport.h"

class ModuleTest : public HostTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The class key of the companion add-in, as its installation leaves it.
  static void RegisterAddinClass();
};

// The create command in a design file of its own, started as the host runs its
// key-in: a placement command, then the start, with the window messages pumped.
class CreateCommandTest : public ModuleTest {
 protected:
  void SetUp() override;
  void StartCreate();
  // The elements of the design file's dump.
  static nlohmann::json Elements();
};

// A table placed by the create command from a range of a workbook, and what the
// edit and update commands need to find it again.
class PlacedTableTest : public CreateCommandTest {
 protected:
  // Places the range of the workbook's opening sheet at (10, 20).
  void PlaceTable(const std::string& workbook, const std::string& range = "A1:C4");
  // A point on the table, within its range: the middle of its members' points.
  static DPoint3d PointOn(const nlohmann::json& cell);
  // A workbook of one sheet whose A1 to B2 hold the texts, written to the path.
  static void WriteWorkbook(const std::string& path, const std::string& sheet, const std::string& a1);
};

// An Excel that records what the module asks of it.
class RecordingExcel : public ExcelApplication {
 public:
  void SetDisplayAlerts(bool on) override { calls += on ? "alerts on;" : "alerts off;"; }
  void Quit() override { calls += "quit;"; }
  std::string Version() override { return "16.0"; }
  bool Visible() override { return false; }
  void SetVisible(bool) override {}
  void SetInteractive(bool) override {}
  void SetScreenUpdating(bool) override {}
  int Hwnd() override { return 0; }
  std::shared_ptr<ExcelWorkbooks> Workbooks() override { return nullptr; }
  std::shared_ptr<ExcelWorkbook> ActiveWorkbook() override { return nullptr; }
  std::shared_ptr<ExcelWorksheet> ActiveSheet() override { return nullptr; }
  std::shared_ptr<ExcelAddIns> AddIns() override { return nullptr; }
  std::shared_ptr<ExcelComAddIns> COMAddIns() override { return nullptr; }
  std::string calls;
};
