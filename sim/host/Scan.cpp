// Scanning the model and the selection set.
#include <algorithm>

#include "host/msscan.h"
#include "sim/SimFailures.h"
#include "sim/host/HostState.h"

struct ScanCriteria {
  DgnModel* model = nullptr;
  std::vector<int> types;
  int returnType = MSSCANCRIT_RETURN_FILEPOS;
  ULong resumeAfter = 0;  // file position last returned
};

ScanCriteria* mdlScanCriteria_create() { return new ScanCriteria{sim::ModelOf(sim::ActiveModelRef())}; }
void mdlScanCriteria_free(ScanCriteria* criteria) { delete criteria; }

StatusInt mdlScanCriteria_addSingleElementTypeTest(ScanCriteria* c, int elementType) {
  if (!c) return ERROR;
  c->types.push_back(elementType);
  return SUCCESS;
}

StatusInt mdlScanCriteria_setModel(ScanCriteria* c, DgnModelRefP modelRef) {
  DgnModel* m = sim::ModelOf(modelRef);
  if (!c || !m) return ERROR;
  c->model = m;
  c->resumeAfter = 0;
  return SUCCESS;
}

StatusInt mdlScanCriteria_setReturnType(ScanCriteria* c, int returnType, int, int) {
  if (!c || returnType != MSSCANCRIT_RETURN_FILEPOS) return ERROR;
  c->returnType = returnType;
  return SUCCESS;
}

int mdlScanCriteria_scan(ScanCriteria* c, ULong* buffer, int* bufferSize, ULong* filePos) {
  if (!c || !buffer || !bufferSize || c->model != sim::ActiveModelRef() || sim::ShouldFail("mdlScanCriteria_scan"))
    return ERROR;
  int capacity = *bufferSize / 2;  // two 16-bit words per file position
  if (capacity <= 0) return ERROR;
  int count = 0;
  bool more = false;
  for (auto it = c->model->elements.upper_bound(c->resumeAfter); it != c->model->elements.end(); ++it) {
    const ElementRefRecord& rec = *it->second;
    if (rec.deleted) continue;
    if (!c->types.empty() && std::find(c->types.begin(), c->types.end(), rec.node.el.type) == c->types.end()) continue;
    if (count == capacity) {
      more = true;
      break;
    }
    buffer[count++] = rec.filePos;
    c->resumeAfter = rec.filePos;
  }
  *bufferSize = count * 2;
  if (filePos) *filePos = c->resumeAfter;
  return more ? BUFF_FULL : END_OF_DGN;
}

int mdlSelect_isActive() { return sim::Host().selection.empty() ? 0 : 1; }
int mdlSelect_numSelected() { return static_cast<int>(sim::Host().selection.size()); }

int mdlSelect_getElement(int index, ULong* filePos, DgnModelRefP* modelRef) {
  const auto& s = sim::Host().selection;
  if (index < 0 || static_cast<size_t>(index) >= s.size()) return ERROR;
  if (modelRef) *modelRef = s[index].first;
  if (filePos) *filePos = s[index].second;
  return SUCCESS;
}

StatusInt mdlSelect_addElement(ULong filePos, DgnModelRefP modelRef, int) {
  DgnModel* m = sim::ModelOf(modelRef);
  if (!m || !m->Find(filePos)) return ERROR;
  auto& s = sim::Host().selection;
  std::pair<DgnModelRefP, ULong> entry{modelRef, filePos};
  if (std::find(s.begin(), s.end(), entry) == s.end()) s.push_back(entry);
  return SUCCESS;
}

StatusInt mdlSelect_allElements() {
  for (const auto& [pos, rec] : sim::Model().elements)
    if (!rec->deleted) mdlSelect_addElement(pos, sim::ActiveModelRef(), 0);
  return SUCCESS;
}

StatusInt mdlSelect_freeAll() {
  sim::Host().selection.clear();
  return SUCCESS;
}
