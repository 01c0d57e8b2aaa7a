#include "tools/quorvelle/Steps.h"

#include <iostream>
#include <sstream>
#include <vector>

#include "host/msstate.h"
#include "sim/SimHost.h"
#include "sim/SimOutput.h"
#include "sim/platform/SimPlatform.h"

namespace {

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

bool Number(const std::string& text, double* value) {
  try {
    size_t used = 0;
    *value = std::stod(text, &used);
    return used == text.size();
  } catch (...) {
    return false;
  }
}

}  // namespace

std::string StepRunner::Keyin(const std::string& text) {
  std::string rest;
  const MdlCommandEntry* entry = module_.Find(text, &rest);
  if (!entry) return "Unknown key-in: " + text;
  if (entry->dataPoint) {
    auto dataPoint = reinterpret_cast<StateFunc_DataPoint>(entry->dataPoint);
    auto reset = reinterpret_cast<StateFunc_NoArgs>(entry->reset);
    auto cleanup = reinterpret_cast<StateFunc_NoArgs>(entry->cleanup);
    if (entry->filter) {
      mdlState_startModifyCommand(reset, dataPoint, nullptr, cleanup, entry->keyin, entry->prompt, 0, 1);
      mdlLocate_setFunction(LOCATE_POSTLOCATE, reinterpret_cast<LocateFunc_Filter>(entry->filter));
    } else {
      mdlState_startPrimitive(dataPoint, reset, entry->keyin, entry->prompt);
      if (cleanup) mdlState_setFunction(STATE_CLEANUP, cleanup);
    }
  }
  if (!entry->function) return "";
  switch (entry->kind) {
    case MdlCommandKind::NoArgs:
      reinterpret_cast<int (*)()>(entry->function)();
      break;
    case MdlCommandKind::Query:
      std::cout << "[" << entry->keyin << "] " << reinterpret_cast<int (*)()>(entry->function)() << "\n";
      break;
    case MdlCommandKind::NoResult:
      reinterpret_cast<void (*)()>(entry->function)();
      break;
    case MdlCommandKind::Text:
      reinterpret_cast<void (*)(const char*)>(entry->function)(rest.empty() ? nullptr : rest.c_str());
      break;
  }
  return "";
}

std::string StepRunner::Run(const std::string& step) {
  std::vector<std::string> w = Words(step);
  if (w.empty()) return "";
  const std::string& verb = w[0];
  std::string error;
  if (verb == "keyin") {
    size_t start = step.find("keyin") + 5;
    size_t first = step.find_first_not_of(' ', start);
    if (first == std::string::npos) return "keyin needs a key-in.";
    error = Keyin(step.substr(first));
  } else if (verb == "point" || verb == "cursor") {
    double x = 0, y = 0, view = 0;
    if (w.size() < 3 || w.size() > 4 || !Number(w[1], &x) || !Number(w[2], &y) || (w.size() == 4 && !Number(w[3], &view)))
      return verb + " needs X Y [VIEW] as numbers.";
    if (verb == "point")
      sim::SendDataPoint({x, y, 0}, static_cast<int>(view));
    else
      sim::SendCursor({x, y, 0}, static_cast<int>(view));
  } else if (verb == "reset") {
    sim::SendReset();
  } else if (verb == "answer") {
    double n = 0;
    if (w.size() != 2 || !Number(w[1], &n)) return "answer needs a button number.";
    sim::PushBoxAnswer(static_cast<int>(n));
  } else if (verb == "pump") {
  } else if (verb == "undo") {
    if (!sim::Undo()) return "Nothing to undo.";
  } else if (verb == "save") {
    error = sim::SaveDesignFile(w.size() > 1 ? step.substr(step.find(w[1])) : "");
  } else {
    return "Unknown step: " + step;
  }
  sim::PumpMessages();
  return error;
}
