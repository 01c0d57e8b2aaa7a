// A drawing object of a range: the base of lines, connectors, AutoShapes, ovals, arcs
// and pictures. Geometry is in Excel points like the cells'.
#pragma once

#include <string>

#include "support/Serialisable.h"

struct MSElementDescr;

class CAutoShape : public CSerialisable {
 public:
  const char* GetRuntimeClassName() const override { return "CAutoShape"; }

  // Appends the object's elements to the table cell; 1 on success. A plain object
  // has nothing to draw.
  virtual int Draw(MSElementDescr* cellDscr) { return 1; }
  // Pictures and charts are attached beside the placed cell instead of drawn into it.
  virtual bool IsPicture() const { return false; }

  double Left = 0;
  double Top = 0;
  double Width = 0;
  double Height = 0;
  double Rotation = 0;  // degrees
  double FillTransparency = 0;
  double LineWeight = 0;
  int AutoShapeType = 0;
  int LineColor = 0;  // Excel RGB value
  int LineVisible = 1;
  int ExcelVersion = 9;  // major version of the Excel that delivered the object
  std::string StyleName;
  int StyleNumber = 0;
};
