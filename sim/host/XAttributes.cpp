// Extended attributes and the edit handle that writes them.
#include "host/msxattr.h"

#include "sim/SimFailures.h"
#include "sim/host/Descriptors.h"
#include "sim/host/HostState.h"

namespace {

// Attributes larger than this are refused rather than stored.
constexpr UInt32 kMaxXAttributeSize = 16u << 20;

bool Live(ElementRef ref) {
  return ref && ref->model == sim::ActiveModelRef() && !ref->deleted && ref->model->Find(ref->filePos) == ref;
}

bool Same(const XAttributeRecord& r, XAttributeHandlerId h, UInt32 id) {
  return r.major == h.major && r.minor == h.minor && r.id == id;
}

}  // namespace

XAttributeHandle::XAttributeHandle(ElementRef elementRef, XAttributeHandlerId handlerId, UInt32 xAttrId) {
  Init(elementRef, handlerId, xAttrId);
}

StatusInt XAttributeHandle::Init(ElementRef elementRef, XAttributeHandlerId handlerId, UInt32 xAttrId) {
  valid_ = false;
  data_.clear();
  if (!Live(elementRef)) return ERROR;
  for (const auto& x : elementRef->xattributes)
    if (Same(x, handlerId, xAttrId)) {
      data_ = x.data;
      valid_ = true;
      return SUCCESS;
    }
  return ERROR;
}

EditElemHandle::EditElemHandle(ElementRef elementRef, DgnModelRefP modelRef) : elementRef_(elementRef), modelRef_(modelRef) {
  if (!Live(elementRef) || sim::ModelOf(modelRef) != elementRef->model) return;
  dscr_ = sim::NewDescriptor(elementRef->node, nullptr);
  dscr_->h.elementRef = elementRef;
  dscr_->h.dgnModelRef = modelRef;
}

EditElemHandle::~EditElemHandle() { mdlElmdscr_freeAll(&dscr_); }

StatusInt EditElemHandle::ScheduleWriteXAttribute(XAttributeHandlerId handlerId, UInt32 xAttrId, UInt32 size,
                                                  const void* data) {
  if (!dscr_ || (size > 0 && !data) || size > kMaxXAttributeSize || sim::ShouldFail("ScheduleWriteXAttribute"))
    return ERROR;
  const auto* bytes = static_cast<const unsigned char*>(data);
  pending_.push_back({handlerId, xAttrId, false, std::vector<unsigned char>(bytes, bytes + size)});
  return SUCCESS;
}

StatusInt EditElemHandle::ScheduleDeleteXAttribute(XAttributeHandlerId handlerId, UInt32 xAttrId) {
  if (!dscr_) return ERROR;
  pending_.push_back({handlerId, xAttrId, true, {}});
  return SUCCESS;
}

StatusInt EditElemHandle::ReplaceInModel(ElementRef oldRef) {
  if (!dscr_ || !Live(oldRef) || sim::ShouldFail("ReplaceInModel")) return ERROR;
  ElementNode node = sim::NodeOf(dscr_);
  if (node.el.type != oldRef->node.el.type || sim::NodeProblem(node)) return ERROR;
  node.el.id = oldRef->node.el.id;
  oldRef->model->Replace(*oldRef, std::move(node));
  auto& attrs = oldRef->xattributes;
  for (auto& p : pending_) {
    std::erase_if(attrs, [&](const XAttributeRecord& r) { return Same(r, p.handler, p.id); });
    if (!p.remove) attrs.push_back({p.handler.major, p.handler.minor, p.id, std::move(p.data)});
  }
  pending_.clear();
  elementRef_ = oldRef;
  return SUCCESS;
}
