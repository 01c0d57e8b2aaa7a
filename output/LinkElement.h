// The table cell that carries link data, as the active model holds it: its extended
// attributes, and the messages that name it.
#pragma once

#include "host/mselement.h"
#include "host/msxattr.h"

// The attribute of the link handler on the cell found in the active model by its
// element identifier; false when the cell is not there or has no such attribute.
bool ReadLinkAttribute(const MSElement* cell, UInt32 attributeId, XAttributeHandle* attribute);
// A message box whose format takes the cell's element identifier ("%ld").
void ReportCellMessage(const char* format, const MSElement* cell);
