// Control of the stand-in host.
#include "sim/SimHost.h"

#include "host/msgeom.h"
#include "host/mssystem.h"
#include "platform/windows.h"
#include "sim/SimDialogs.h"
#include "sim/SimFailures.h"
#include "sim/SimOutput.h"
#include "sim/dgn/DgnDump.h"
#include "sim/dgn/DgnStore.h"
#include "sim/dgn/ElementGeometry.h"
#include "sim/host/HostState.h"

namespace sim {

namespace {

constexpr char kMainWindowClass[] = "MicroStationMainFrame";

LRESULT MainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND& MainWindow() {
  static HWND window = nullptr;
  return window;
}

void ReplaceModel(std::unique_ptr<DgnModel> model, const std::string& linuxPath) {
  HostState& h = Host();
  h.model = std::move(model);
  h.linuxPath = linuxPath;
  h.selection.clear();
  h.currentElement = 0;
  SyncTcb();
}

}  // namespace

void ResetHost() {
  Host() = HostState{};
  SyncTcb();
  ClearOutputLog();
  ClearBoxAnswers();
  ClearDialogScripts();
  ClearFailures();
}

void NewDesignFile(const std::string& linuxPath) { ReplaceModel(std::make_unique<DgnModel>(), linuxPath); }

std::string OpenDesignFile(const std::string& linuxPath) {
  std::string error;
  auto model = LoadModel(linuxPath, error);
  if (!model) return error;
  ReplaceModel(std::move(model), linuxPath);
  return "";
}

std::string SaveDesignFile(const std::string& linuxPath) {
  std::string path = linuxPath.empty() ? Host().linuxPath : linuxPath;
  std::string error = SaveModel(Model(), path);
  if (error.empty() && path != Host().linuxPath) {
    Host().linuxPath = path;
    SyncTcb();
  }
  return error;
}

std::string DesignFilePath() { return Host().linuxPath; }

std::string DumpDesignFile(int indent) { return DumpModel(Model()).dump(indent); }

void SetUnits(double uorPerMaster, double subPerMaster, int masterStandardUnit, int subStandardUnit) {
  DgnModel& m = Model();
  if (uorPerMaster > 0) m.uorPerMaster = uorPerMaster;
  if (subPerMaster > 0) m.subPerMaster = subPerMaster;
  StandardUnit(masterStandardUnit, &m.masterUnit);
  StandardUnit(subStandardUnit, &m.subUnit);
}

LevelID AddLevel(const std::u16string& name) {
  DgnModel& m = Model();
  if (const LevelRecord* l = m.FindLevelByName(name)) return l->id;
  LevelID id = m.nextLevelId++;
  m.levels.push_back({id, name});
  return id;
}

void AddLibraryLevel(const std::u16string& name) { Model().levelLibrary.push_back(name); }

void SetColor(int index, RGBColorDef rgb) {
  if (index >= 0 && index < 256) Model().colors[index] = rgb;
}

void SetViewRotation(int view, double radians) {
  if (view >= 0 && view < MAX_VIEWS) mdlRMatrix_fromAngle(&Host().views[view].rotation, radians);
}

void DefineCfgVar(const std::string& name, const std::string& value) { Host().cfgVars[name] = value; }
void UndefineCfgVar(const std::string& name) { Host().cfgVars.erase(name); }

bool Undo() { return Model().UndoLast(); }
int DisplayCount() { return Host().displayCount; }

std::size_t ElementCount() {
  std::size_t count = 0;
  for (const auto& [position, record] : Model().elements) count += record->deleted ? 0 : 1;
  return count;
}

namespace {

DPoint3d StoragePoint(const DPoint3d& master) {
  double u = Model().uorPerMaster;
  return {master.x * u, master.y * u, master.z * u};
}

// The topmost element under the point that the command's filter accepts.
ULong Locate(const DPoint3d& storagePoint) {
  const CommandState& c = Host().command;
  DgnModel& m = Model();
  double tolerance = m.uorPerMaster * 1e-6;
  for (auto it = m.elements.rbegin(); it != m.elements.rend(); ++it) {
    const ElementRefRecord& rec = *it->second;
    if (rec.deleted || !NodeRange(rec.node).Contains(storagePoint, tolerance)) continue;
    if (!c.filter || c.filter(0, 0, ActiveModelRef(), rec.filePos)) return rec.filePos;
  }
  return 0;
}

}  // namespace

int SendDataPoint(const DPoint3d& masterPoint, int view) {
  DPoint3d p = StoragePoint(masterPoint);
  CommandState c = Host().command;
  if (c.locates) {
    ULong found = Locate(p);
    if (!found) {
      if (c.notFound) c.notFound();
      return 0;
    }
    Host().currentElement = found;
  }
  return c.dataPoint ? c.dataPoint(&p, view) : 0;
}

int SendReset() {
  StateFunc_NoArgs reset = Host().command.reset;
  return reset ? reset() : 0;
}

void SendCursor(const DPoint3d& masterPoint, int view) {
  DPoint3d p = StoragePoint(masterPoint);
  if (StateFunc_Dynamics dynamics = Host().command.dynamics) dynamics(&p, view, TEMPDRAW);
}

std::string RunningCommand() { return Host().command.name; }

}  // namespace sim

HWND mdlNativeWindow_getMainHandle(int) {
  HWND& main = sim::MainWindow();
  if (main && IsWindow(main)) return main;
  WNDCLASSA wc{};
  wc.lpfnWndProc = sim::MainWindowProc;
  wc.lpszClassName = sim::kMainWindowClass;
  RegisterClassA(&wc);  // already registered after the first call: that is fine
  main = CreateWindowExA(0, sim::kMainWindowClass, "MicroStation V8i", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1024,
                         768, nullptr, nullptr, nullptr, nullptr);
  return main;
}
