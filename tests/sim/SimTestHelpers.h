// Small builders for tests of the stand-in design file.
#pragma once

#include "host/mselmdscr.h"
#include "host/msmodel.h"

// Adds a line in master units as a top-level element; its file position.
inline ULong AddLine(double x0, double y0, double x1, double y1) {
  mdlCurrTrans_begin();
  mdlCurrTrans_masterUnitsIdentity(0);
  MSElement el;
  DPoint3d pts[2] = {{x0, y0, 0}, {x1, y1, 0}};
  mdlLine_create(&el, nullptr, pts);
  ULong pos = mdlElement_add(&el);
  mdlCurrTrans_end();
  return pos;
}

// Adds a cell with one line member; its file position.
inline ULong AddCell(const char16_t* name, double size) {
  mdlCurrTrans_begin();
  mdlCurrTrans_masterUnitsIdentity(0);
  MSElement header, line;
  mdlCell_create(&header, name, nullptr, 0);
  MSElementDescr* cell = nullptr;
  mdlElmdscr_new(&cell, nullptr, &header);
  DPoint3d pts[2] = {{0, 0, 0}, {size, -size, 0}};
  mdlLine_create(&line, nullptr, pts);
  mdlElmdscr_appendElement(cell, &line);
  ULong pos = mdlElmdscr_add(cell);
  mdlElmdscr_freeAll(&cell);
  mdlCurrTrans_end();
  return pos;
}
