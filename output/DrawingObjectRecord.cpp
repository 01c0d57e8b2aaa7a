#include "output/DrawingObjectRecord.h"

// No kind of drawing-object record is read: each one makes nothing.
void MakeShapeFromRecord(const unsigned char*, std::size_t, CQuorvelle&) {}
