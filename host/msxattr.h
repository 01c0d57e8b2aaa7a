// Extended attributes: blocks of bytes kept with a top-level element of a model,
// under a handler (major, minor) and an attribute identifier.
#pragma once

#include <vector>

#include "host/mselmdscr.h"

struct XAttributeHandlerId {
  UInt16 major = 0;
  UInt16 minor = 0;
  XAttributeHandlerId() = default;
  XAttributeHandlerId(UInt16 majorId, UInt16 minorId) : major(majorId), minor(minorId) {}
};

// A read-only view of one attribute. The data is a copy taken when the handle is
// initialised, so it stays valid whatever happens to the element afterwards.
class XAttributeHandle {
 public:
  XAttributeHandle() = default;
  XAttributeHandle(ElementRef elementRef, XAttributeHandlerId handlerId, UInt32 xAttrId);
  StatusInt Init(ElementRef elementRef, XAttributeHandlerId handlerId, UInt32 xAttrId);
  bool IsValid() const { return valid_; }
  const void* PeekData() const { return valid_ && !data_.empty() ? data_.data() : nullptr; }
  UInt32 GetSize() const { return valid_ ? static_cast<UInt32>(data_.size()) : 0; }

 private:
  bool valid_ = false;
  std::vector<unsigned char> data_;
};

// An element taken from a model for changing: attribute writes are scheduled and
// take effect, with the element, when it replaces the original in the model.
class EditElemHandle {
 public:
  EditElemHandle(ElementRef elementRef, DgnModelRefP modelRef);
  ~EditElemHandle();
  EditElemHandle(const EditElemHandle&) = delete;
  EditElemHandle& operator=(const EditElemHandle&) = delete;

  bool IsValid() const { return dscr_ != nullptr; }
  ElementRef GetElementRef() const { return elementRef_; }
  MSElementDescr* GetElementDescrP() { return dscr_; }
  StatusInt ScheduleWriteXAttribute(XAttributeHandlerId handlerId, UInt32 xAttrId, UInt32 size,
                                    const void* data);
  StatusInt ScheduleDeleteXAttribute(XAttributeHandlerId handlerId, UInt32 xAttrId);
  StatusInt ReplaceInModel(ElementRef oldRef);

 private:
  struct Pending {
    XAttributeHandlerId handler;
    UInt32 id = 0;
    bool remove = false;
    std::vector<unsigned char> data;
  };
  ElementRef elementRef_ = nullptr;
  DgnModelRefP modelRef_ = nullptr;
  MSElementDescr* dscr_ = nullptr;
  std::vector<Pending> pending_;
};
