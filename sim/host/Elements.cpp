// Reading, adding, rewriting and deleting top-level elements; symbology and
// properties; element references.
#include <algorithm>

#include "host/mselement.h"
#include "sim/SimFailures.h"
#include "sim/dgn/ElementGeometry.h"
#include "sim/host/HostState.h"

using sim::ModelOf;

namespace {

int LinkageBytes(const StringLinkage& l) {
  int bytes = 8 + 2 * static_cast<int>(l.text.size() + 1);
  return (bytes + 7) / 8 * 8;
}

}  // namespace

int mdlElement_size(const MSElement* el) {
  if (!el) return 0;
  int bytes = 72;
  switch (el->type) {
    case LINE_ELM: bytes += 48; break;
    case LINE_STRING_ELM:
    case SHAPE_ELM: bytes += 4 + 24 * static_cast<int>(el->points.size()); break;
    case ELLIPSE_ELM: bytes += 112; break;
    case ARC_ELM: bytes += 128; break;
    case CELL_HEADER_ELM: bytes += 128 + 2 * static_cast<int>(el->name.size()); break;
    case TEXT_ELM: bytes += 96 + 2 * static_cast<int>(el->text.size()); break;
    case TEXT_NODE_ELM: bytes += 96; break;
    default: break;
  }
  for (const auto& l : el->linkages) bytes += LinkageBytes(l);
  return bytes;
}

int mdlElement_read(MSElement* element, DgnModelRefP modelRef, ULong filePos) {
  DgnModel* m = ModelOf(modelRef);
  ElementRefRecord* rec = m ? m->Find(filePos) : nullptr;
  if (!rec || !element || sim::ShouldFail("mdlElement_read")) return ERROR;
  *element = rec->node.el;
  return SUCCESS;
}

ElementID mdlElement_getID(const MSElement* element) { return element ? element->id : INVALID_ELEMENTID; }
int mdlElement_getType(const MSElement* element) { return element ? element->type : 0; }

namespace {
bool IsComplexHeader(int type) { return type == CELL_HEADER_ELM || type == TEXT_NODE_ELM; }
}

ULong mdlElement_add(MSElement* element) {
  if (!element || IsComplexHeader(element->type) || sim::GeometryProblem(*element) ||
      mdlElement_size(element) > MAX_ELEMENT_SIZE || sim::ShouldFail("mdlElement_add"))
    return 0;
  ElementRefRecord* rec = sim::Model().Add(ElementNode{*element, {}});
  element->id = rec->node.el.id;
  return rec->filePos;
}

ULong mdlElement_rewrite(MSElement* newElement, const MSElement*, ULong filePos) {
  DgnModel& m = sim::Model();
  ElementRefRecord* rec = m.Find(filePos);
  if (!rec || !newElement || newElement->type != rec->node.el.type || sim::GeometryProblem(*newElement) ||
      mdlElement_size(newElement) > MAX_ELEMENT_SIZE || sim::ShouldFail("mdlElement_rewrite"))
    return 0;
  ElementNode node = rec->node;
  ElementID id = node.el.id;
  node.el = *newElement;
  node.el.id = id;  // rewriting in place keeps the element's identity
  m.Replace(*rec, std::move(node));
  return filePos;
}

StatusInt mdlElement_undoableDelete(MSElement*, ULong filePos, int display) {
  DgnModel& m = sim::Model();
  ElementRefRecord* rec = m.Find(filePos);
  if (!rec || sim::ShouldFail("mdlElement_undoableDelete")) return ERROR;
  m.Delete(*rec);
  if (display) ++sim::Host().displayCount;
  return SUCCESS;
}

StatusInt mdlElement_display(const MSElement* element, int) {
  if (!element) return ERROR;
  ++sim::Host().displayCount;
  return SUCCESS;
}

StatusInt mdlElement_transform(MSElement* out, const MSElement* in, const Transform* t) {
  if (!out || !in || !t) return ERROR;
  MSElement el = *in;
  sim::TransformElement(el, sim::TransformToStorage(*t));
  *out = std::move(el);
  return SUCCESS;
}

StatusInt mdlElement_setSymbology(MSElement* el, const UInt32* color, const Int32* style, const UInt32* weight) {
  if (!el) return ERROR;
  if (color) el->color = *color;
  if (style) el->style = *style;
  if (weight) el->weight = *weight;
  return SUCCESS;
}

StatusInt mdlElement_getSymbology(UInt32* color, Int32* style, UInt32* weight, const MSElement* el) {
  if (!el) return ERROR;
  if (color) *color = el->color;
  if (style) *style = el->style;
  if (weight) *weight = el->weight;
  return SUCCESS;
}

StatusInt mdlElement_setProperties(MSElement* el, const LevelID* level, const UInt32* graphicGroup,
                                   const int* elementClass, const int* locked, const int*, const int*,
                                   const int* viewIndependent, const int* solidHole) {
  if (!el) return ERROR;
  if (level) el->level = *level;
  if (graphicGroup) el->graphicGroup = *graphicGroup;
  if (elementClass) el->elementClass = *elementClass;
  if (locked) el->locked = *locked;
  if (viewIndependent) el->viewIndependent = *viewIndependent;
  if (solidHole) el->solidHole = *solidHole;
  return SUCCESS;
}

StatusInt mdlElement_getProperties(LevelID* level, UInt32* graphicGroup, int* elementClass, int* locked,
                                   int* newElement, int* modified, int* viewIndependent, int* solidHole,
                                   const MSElement* el) {
  if (!el) return ERROR;
  if (level) *level = el->level;
  if (graphicGroup) *graphicGroup = el->graphicGroup;
  if (elementClass) *elementClass = el->elementClass;
  if (locked) *locked = el->locked;
  if (newElement) *newElement = el->id == INVALID_ELEMENTID;
  if (modified) *modified = 0;
  if (viewIndependent) *viewIndependent = el->viewIndependent;
  if (solidHole) *solidHole = el->solidHole;
  return SUCCESS;
}

ULong mdlElement_getFilePos(int which, DgnModelRefP* modelRef) {
  if (which != FILEPOS_CURRENT) return 0;
  if (modelRef) *modelRef = sim::ActiveModelRef();
  return sim::Host().currentElement;
}

ULong elementRef_getFilePos(ElementRef ref) { return ref ? ref->filePos : 0; }

DgnCacheP mdlModelRef_getCache(DgnModelRefP modelRef) {
  DgnModel* m = ModelOf(modelRef);
  return m ? &m->cache : nullptr;
}

ElementRef dgnCache_findElemByID(DgnCacheP cache, ElementID id) {
  if (!cache || cache->model != sim::ActiveModelRef()) return nullptr;
  return cache->model->FindById(id);
}

ElementRef dgnCache_findElemByFilePos(DgnCacheP cache, ULong filePos) {
  if (!cache || cache->model != sim::ActiveModelRef()) return nullptr;
  return cache->model->Find(filePos);
}
