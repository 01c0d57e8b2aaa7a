// String linkages: texts under 16-bit keys carried on an element, in append order.
#pragma once

#include "host/mselement.h"

StatusInt mdlLinkage_appendStringLinkage(MSElement* element, UShort linkageKey, const MSWChar* string);
// The index-th string linkage of the element, whatever its key. The text is cut to
// maxChars - 1 characters and terminated.
StatusInt mdlLinkage_extractStringLinkageByIndex(UShort* linkageKey, MSWChar* string, int maxChars, int index,
                                                 const MSElement* element);
// The index-th string linkage with the key.
StatusInt mdlLinkage_extractNamedStringLinkageByIndex(MSWChar* string, int maxChars, UShort linkageKey,
                                                      int index, const MSElement* element);
// Replaces the text of the first linkage with the key, or appends one.
StatusInt mdlLinkage_setStringLinkage(MSElement* element, UShort linkageKey, const MSWChar* string);
// Removes the index-th linkage with the key; ERROR when there is none.
StatusInt mdlLinkage_deleteStringLinkage(MSElement* element, UShort linkageKey, int index);
