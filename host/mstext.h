// Texts and text nodes. Shapes are boxes of five points: left-bottom, right-bottom,
// right-top, left-top and left-bottom again, in the text's own direction, in the
// units of the current transformation.
#pragma once

#include "host/mselmdscr.h"

// A text element of a wide string; `edParam` (enter-data fields) is not used. Without
// a size or parameters the text takes the active text size and font.
StatusInt mdlText_createWide(MSElement* out, const MSElement* in, const MSWChar* text, const DPoint3d* origin,
                             const RotMatrix* rMatrix, const TextSizeParam* size, const TextParamWide* params,
                             const void* edParam, DgnModelRefP modelRef);
StatusInt mdlText_extractShape(DPoint3d shape[5], DPoint3d* userOrigin, const MSElement* text, int forceUserOrigin,
                               int view);
StatusInt mdlText_extractStringW(MSWChar* string, int maxChars, const MSElement* text);

// A text node holding one text per string, stacked downwards by line spacing and
// justified as a block at the origin by the parameters' justification.
StatusInt mdlTextNode_createWithStringsWide(MSElementDescr** node, const MSWChar* const* strings, int numStrings,
                                            const MSElement* in, const DPoint3d* origin, const RotMatrix* rMatrix,
                                            const TextSizeParam* size, const TextParamWide* params,
                                            DgnModelRefP modelRef);
StatusInt mdlTextNode_createWithStrings(MSElementDescr** node, const char* const* strings, int numStrings,
                                        const MSElement* in, const DPoint3d* origin, const RotMatrix* rMatrix,
                                        const TextSizeParam* size, const TextParamWide* params,
                                        DgnModelRefP modelRef);
// The font number new texts are placed with (the active font).
UInt32 mdlText_getCurrentFont();

// The box round every text of the node, in the node's direction.
StatusInt mdlTextNode_extractShape(DPoint3d shape[5], DPoint3d* userOrigin, const MSElementDescr* node,
                                   int forceUserOrigin, int view);
