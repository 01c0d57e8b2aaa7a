// The drawing objects of a range (lines, shapes, ovals, arcs, pictures), each sent
// as a record of 4672 bytes, become objects of the table.
#pragma once

#include <cstddef>

class CQuorvelle;

// Appends the object the record describes to the table's drawing objects (and a text
// cell for a shape with text); records it does not know make nothing.
void MakeShapeFromRecord(const unsigned char* record, std::size_t size, CQuorvelle& table);
