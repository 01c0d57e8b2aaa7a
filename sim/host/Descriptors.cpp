// Element descriptors.
#include "sim/host/Descriptors.h"

#include "sim/SimFailures.h"
#include "sim/dgn/ElementGeometry.h"
#include "sim/host/HostState.h"

namespace sim {
namespace {

bool IsComplexHeader(int type) { return type == CELL_HEADER_ELM || type == TEXT_NODE_ELM; }

void Link(MSElementDescr* header, MSElementDescr* member) {
  MSElementDescr* last = header->h.lastElem;
  member->h.myHeader = header;
  member->h.next = nullptr;
  member->h.previous = last;
  if (last)
    last->h.next = member;
  else
    header->h.firstElem = member;
  header->h.lastElem = member;
}

void FreeTree(MSElementDescr* d) {
  while (d) {
    MSElementDescr* next = d->h.next;
    FreeTree(d->h.firstElem);
    delete d;
    d = next;
  }
}

template <typename F>
void ForEachElement(MSElementDescr* d, F&& f) {
  f(d->el);
  for (MSElementDescr* m = d->h.firstElem; m; m = m->h.next) ForEachElement(m, f);
}

void WriteBackIds(MSElementDescr* d, const ElementNode& node) {
  d->el.id = node.el.id;
  size_t i = 0;
  for (MSElementDescr* m = d->h.firstElem; m && i < node.members.size(); m = m->h.next, ++i)
    WriteBackIds(m, node.members[i]);
}

int TreeSize(const ElementNode& node) {
  int size = mdlElement_size(&node.el);
  for (const auto& m : node.members) size += TreeSize(m);
  return size;
}

}  // namespace

MSElementDescr* NewDescriptor(const ElementNode& node, MSElementDescr* header) {
  auto* d = new MSElementDescr;
  d->el = node.el;
  d->h.isHeader = IsComplexHeader(node.el.type) ? 1 : 0;
  for (const auto& m : node.members) NewDescriptor(m, d);
  if (header) Link(header, d);
  return d;
}

MSElementDescr* CopyTree(const MSElementDescr* original, MSElementDescr* header) {
  auto* d = new MSElementDescr;
  d->el = original->el;
  d->h.isHeader = original->h.isHeader;
  for (const MSElementDescr* m = original->h.firstElem; m; m = m->h.next) CopyTree(m, d);
  if (header) Link(header, d);
  return d;
}

ElementNode NodeOf(const MSElementDescr* d) {
  ElementNode node{d->el, {}};
  std::size_t members = 0;
  for (const MSElementDescr* m = d->h.firstElem; m; m = m->h.next) ++members;
  node.members.reserve(members);
  for (const MSElementDescr* m = d->h.firstElem; m; m = m->h.next) node.members.push_back(NodeOf(m));
  return node;
}

const char* NodeProblem(const ElementNode& node) {
  if (const char* p = GeometryProblem(node.el)) return p;
  if (mdlElement_size(&node.el) > MAX_ELEMENT_SIZE) return "element too large";
  if (!node.members.empty() && !IsComplexHeader(node.el.type)) return "members under a simple element";
  for (const auto& m : node.members)
    if (const char* p = NodeProblem(m)) return p;
  return nullptr;
}

}  // namespace sim

StatusInt mdlElmdscr_new(MSElementDescr** newDscr, MSElementDescr* header, const MSElement* element) {
  if (!newDscr || !element) return ERROR;
  if (header && !header->h.isHeader) return ERROR;
  *newDscr = sim::NewDescriptor(ElementNode{*element, {}}, header);
  return SUCCESS;
}

StatusInt mdlElmdscr_appendElement(MSElementDescr* header, const MSElement* element) {
  if (!header || !element || !header->h.isHeader || sim::ShouldFail("mdlElmdscr_appendElement")) return ERROR;
  sim::NewDescriptor(ElementNode{*element, {}}, header);
  return SUCCESS;
}

StatusInt mdlElmdscr_appendDscr(MSElementDescr* header, MSElementDescr* member) {
  if (!header || !member || !header->h.isHeader || member == header) return ERROR;
  while (member) {
    MSElementDescr* next = member->h.next;
    sim::Link(header, member);
    member = next;
  }
  return SUCCESS;
}

StatusInt mdlElmdscr_duplicate(MSElementDescr** copy, const MSElementDescr* original) {
  if (!copy || !original) return ERROR;
  *copy = sim::CopyTree(original, nullptr);
  return SUCCESS;
}

void mdlElmdscr_freeAll(MSElementDescr** dscr) {
  if (!dscr) return;
  sim::FreeTree(*dscr);
  *dscr = nullptr;
}

StatusInt mdlElmdscr_transform(MSElementDescr* dscr, const Transform* tMatrix) {
  if (!dscr || !tMatrix) return ERROR;
  Transform t = sim::TransformToStorage(*tMatrix);
  sim::ForEachElement(dscr, [&](MSElement& el) { sim::TransformElement(el, t); });
  return SUCCESS;
}

StatusInt mdlElmdscr_display(const MSElementDescr* dscr, DgnModelRefP, int) {
  if (!dscr) return ERROR;
  ++sim::Host().displayCount;
  return SUCCESS;
}

ULong mdlElmdscr_add(MSElementDescr* dscr) {
  if (!dscr || sim::ShouldFail("mdlElmdscr_add")) return 0;
  ElementNode node = sim::NodeOf(dscr);
  if (sim::NodeProblem(node)) return 0;
  ElementRefRecord* rec = sim::Model().Add(std::move(node));
  sim::WriteBackIds(dscr, rec->node);
  dscr->h.elementRef = rec;
  dscr->h.dgnModelRef = sim::ActiveModelRef();
  return rec->filePos;
}

int mdlElmdscr_read(MSElementDescr** dscr, ULong filePos, DgnModelRefP modelRef, int, ULong* readFilePos) {
  DgnModel* m = sim::ModelOf(modelRef);
  ElementRefRecord* rec = m ? m->Find(filePos) : nullptr;
  if (!dscr || !rec) return 0;
  *dscr = sim::NewDescriptor(rec->node, nullptr);
  (*dscr)->h.elementRef = rec;
  (*dscr)->h.dgnModelRef = modelRef;
  if (readFilePos) *readFilePos = filePos;
  return sim::TreeSize(rec->node);
}

StatusInt mdlElmdscr_setSymbology(MSElementDescr* dscr, const UInt32* color, const Int32* style, const UInt32* weight,
                                  const int* elementClass) {
  if (!dscr) return ERROR;
  sim::ForEachElement(dscr, [&](MSElement& el) {
    mdlElement_setSymbology(&el, color, style, weight);
    if (elementClass) el.elementClass = *elementClass;
  });
  return SUCCESS;
}

StatusInt mdlElmdscr_setProperties(MSElementDescr* dscr, const LevelID* level, const UInt32* graphicGroup,
                                   const int* elementClass, const int* locked, const int* newElement,
                                   const int* modified, const int* viewIndependent, const int* solidHole) {
  if (!dscr) return ERROR;
  sim::ForEachElement(dscr, [&](MSElement& el) {
    mdlElement_setProperties(&el, level, graphicGroup, elementClass, locked, newElement, modified, viewIndependent,
                             solidHole);
  });
  return SUCCESS;
}
