// The pictures of a table: attached as rasters beside its placed cell, named after
// the cell, and detached again when the table is replaced.
#pragma once

#include <string>

#include "host/msgeom.h"

class CQuorvelle;

// Numbers the pictures of all tables: from 0 when the module loads and never reset,
// so that no two pictures placed while the module runs share a name.
extern UInt32 pictureCounter;

// Where a table cell was placed, as its pictures follow it.
struct CPicturePlacement {
  DPoint3d origin;          // the cell's origin, storage units
  DPoint3d tableScale{1, 1, 1};
  bool turnAtAnyAngle = false;  // write the rotation even when the table is not turned
};

// Attaches every picture of the table that can be attached, names it after the cell
// ("<cell id>_<picture number>") and moves, sizes and turns it with the cell.
void PlaceTablePictures(CQuorvelle& table, ElementID cellId, const CPicturePlacement& placement);

// Detaches the pictures placed with a table: those whose names start with the prefix
// (letter case aside) followed by "_". An empty prefix stands for the cell
// identifier in upper-case hexadecimal; a prefix of 23 characters or more detaches
// nothing.
void DetachTablePictures(const std::string& prefix, ElementID cellId);
