// The drawing objects of a range (lines, connectors, AutoShapes, ovals, arcs,
// pictures and charts), each sent as a record of kShapeRecordSize bytes, become
// objects of the table.
#pragma once

#include <cstddef>

class CQuorvelle;

// Appends the object the record describes to the table's drawing objects, and a text
// cell for a shape with text; the Excel version is the major version of the Excel
// that sent it. Records of kinds it does not draw, of another size or with numbers no
// sheet can hold (not finite, or beyond a billion points) make nothing.
void MakeShapeFromRecord(const unsigned char* record, std::size_t size, CQuorvelle& table, int excelVersion);
