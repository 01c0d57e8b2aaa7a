// Recognising placed tables.
#pragma once

#include "host/mselement.h"

// 1 when the element is a table cell: a cell header named "Cell_Quorvelle" that
// carries link data (the link attribute, or a string linkage with key 4).
int IsQuorvelleCell(const MSElement* element);
