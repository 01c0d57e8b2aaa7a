#include "model/DrawingObjectRecord.h"

// Drawing-object records are read by the drawing-objects work of the output; until
// then every record is one this build does not know, and it makes nothing.
void MakeShapeFromRecord(const unsigned char*, std::size_t, CQuorvelle&) {}
