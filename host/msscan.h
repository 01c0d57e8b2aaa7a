// Scanning the active model and the selection set.
#pragma once

#include "host/mstypes.h"

struct ScanCriteria;
constexpr int MSSCANCRIT_RETURN_FILEPOS = 1;
constexpr int END_OF_DGN = 10;
constexpr int BUFF_FULL = 11;

ScanCriteria* mdlScanCriteria_create();
void mdlScanCriteria_free(ScanCriteria* criteria);
StatusInt mdlScanCriteria_addSingleElementTypeTest(ScanCriteria* criteria, int elementType);
StatusInt mdlScanCriteria_setModel(ScanCriteria* criteria, DgnModelRefP modelRef);
StatusInt mdlScanCriteria_setReturnType(ScanCriteria* criteria, int returnType, int oneElementOnly,
                                        int nestCells);
// Fills the buffer with file positions of matching top-level elements in file
// order, continuing where the last call stopped. bufferSize is given and returned in
// 16-bit words (two per file position). BUFF_FULL when more remain, END_OF_DGN when
// the model is exhausted.
int mdlScanCriteria_scan(ScanCriteria* criteria, ULong* buffer, int* bufferSize, ULong* filePos);

int mdlSelect_isActive();
int mdlSelect_numSelected();
// 0 when the index-th selected element was found.
int mdlSelect_getElement(int index, ULong* filePos, DgnModelRefP* modelRef);
StatusInt mdlSelect_addElement(ULong filePos, DgnModelRefP modelRef, int display);
// Selects every top-level element of the active model.
StatusInt mdlSelect_allElements();
StatusInt mdlSelect_freeAll();
