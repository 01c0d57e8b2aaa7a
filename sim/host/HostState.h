// The state of the stand-in host behind the host operations: the open design file,
// the current transformation, views, configuration variables, the selection set,
// the command state and locate. Internal to the stand-ins.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/msstate.h"
#include "host/msview.h"
#include "sim/dgn/DgnModel.h"

namespace sim {

struct ViewState {
  bool active = true;
  RotMatrix rotation;
  DPoint3d origin;
  DPoint3d delta{1000, 1000, 0};
};

struct CommandState {
  std::string name = "default";
  std::string prompt;
  StateFunc_DataPoint dataPoint = nullptr;
  StateFunc_NoArgs reset = nullptr;
  StateFunc_NoArgs cleanup = nullptr;
  StateFunc_Dynamics dynamics = nullptr;
  bool locates = false;  // a modify command: data points locate an element first
  LocateFunc_Filter filter = nullptr;
  LocateFunc_NotFound notFound = nullptr;
};

struct HostState {
  std::unique_ptr<DgnModel> model = std::make_unique<DgnModel>();
  std::string linuxPath;  // where the design file is saved; empty until named

  Transform currentTransform;                // from current units to storage units
  std::vector<Transform> savedTransforms;    // mdlCurrTrans_begin / end

  ViewState views[MAX_VIEWS];
  std::map<std::string, std::string> cfgVars;  // names compared as given
  std::vector<std::pair<DgnModelRefP, ULong>> selection;

  CommandState command;
  ULong currentElement = 0;  // the element the last locate accepted
  bool accuSnap = false;
  int autoLocate = 0;

  int displayCount = 0;      // elements drawn by mdlElmdscr_display / mdlElement_display
  std::vector<int> viewUpdates;
  int nextCompletionBar = 1;
};

HostState& Host();
DgnModel& Model();
DgnModelRefP ActiveModelRef();
// The model behind a model reference handed to the module; null for a foreign one.
DgnModel* ModelOf(DgnModelRefP modelRef);

// Current units <-> storage units.
DPoint3d ToStorage(const DPoint3d& p);
DPoint3d FromStorage(const DPoint3d& p);
double LengthToStorage(double length);
double LengthFromStorage(double length);
// A transformation given in current units, as it acts on storage units.
Transform TransformToStorage(const Transform& t);

// Keeps the terminal control block in step with the open design file.
void SyncTcb();

// The Windows path of a raster attachment's file: a relative one is taken from the
// active design file's folder.
std::string RasterFilePath(const std::string& fileName);

}  // namespace sim

namespace sim {
// An element built in current units, turned into storage units.
void ElementToStorage(MSElement& el);
void NodeToStorage(ElementNode& node);
// Symbology and level of a new element: those of the template, else the active ones.
void ApplyTemplate(MSElement& el, const MSElement* templateElement);
}  // namespace sim
