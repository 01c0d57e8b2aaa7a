// Element descriptors: an element with, for a complex element (cell, text node), the
// descriptors of its members, linked in order.
#pragma once

#include "host/mselement.h"

struct MSElementDescr {
  struct Header {
    MSElementDescr* next = nullptr;      // next member of the same header
    MSElementDescr* previous = nullptr;
    MSElementDescr* myHeader = nullptr;  // the complex header this member belongs to
    MSElementDescr* firstElem = nullptr; // first member (complex headers only)
    MSElementDescr* lastElem = nullptr;  // last member, kept by the host so that appending takes constant time
    int isHeader = 0;
    ElementRef elementRef = nullptr;     // set when read from or added to a model
    DgnModelRefP dgnModelRef = nullptr;
  } h;
  MSElement el;
};

// A new descriptor of the element; with a header descriptor it is appended to that
// header as its last member.
StatusInt mdlElmdscr_new(MSElementDescr** newDscr, MSElementDescr* header, const MSElement* element);
StatusInt mdlElmdscr_appendElement(MSElementDescr* header, const MSElement* element);
// Appends the descriptor (which the header then owns) as the last member.
StatusInt mdlElmdscr_appendDscr(MSElementDescr* header, MSElementDescr* member);
StatusInt mdlElmdscr_duplicate(MSElementDescr** copy, const MSElementDescr* original);
// Frees the descriptor and its members and sets the pointer to null.
void mdlElmdscr_freeAll(MSElementDescr** dscr);
StatusInt mdlElmdscr_transform(MSElementDescr* dscr, const Transform* tMatrix);
StatusInt mdlElmdscr_display(const MSElementDescr* dscr, DgnModelRefP modelRef, int drawMode);
// Adds the descriptor to the active model; the new file position, 0 on failure.
// Identifiers are given to every element and written back into the descriptor.
ULong mdlElmdscr_add(MSElementDescr* dscr);
// Reads the top-level element at the file position with its members; the element's
// size in bytes, 0 when nothing was read.
int mdlElmdscr_read(MSElementDescr** dscr, ULong filePos, DgnModelRefP modelRef, int expandShared,
                    ULong* readFilePos);
// Null arguments leave the value as it is; every element of the descriptor changes.
StatusInt mdlElmdscr_setSymbology(MSElementDescr* dscr, const UInt32* color, const Int32* style,
                                  const UInt32* weight, const int* elementClass);
StatusInt mdlElmdscr_setProperties(MSElementDescr* dscr, const LevelID* level, const UInt32* graphicGroup,
                                   const int* elementClass, const int* locked, const int* newElement,
                                   const int* modified, const int* viewIndependent, const int* solidHole);
