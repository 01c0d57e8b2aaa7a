// The names a drawing part uses for its objects turned into the values Office's
// object model reports for them (MsoAutoShapeType, MsoLineDashStyle, arrowheads,
// text alignments), and the adjustments of a preset geometry as Excel's Adjustments
// give them, as the add-in reads them from a Shape inside Excel.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace sim {

// A preset geometry ("roundRect") as an AutoShape type; msoShapeNotPrimitive for a
// custom geometry or a preset without a type of its own.
int AutoShapeTypeOf(std::string_view preset);
// A prstDash name ("sysDot"); solid for an unknown name.
int DashStyleOf(std::string_view dash);
// A line end's type, width and length ("triangle", "sm", "lg").
int ArrowheadStyleOf(std::string_view type);
int ArrowheadSizeOf(std::string_view size);
// A paragraph's algn and a text body's anchor as Excel's xlHAlign and xlVAlign.
int TextHorizontalAlignmentOf(std::string_view align);
int TextVerticalAlignmentOf(std::string_view anchor);

struct ShapeAdjustments {
  double first = 0;
  double second = 0;
};
// Adjustments 1 and 2 of a preset, from the guides the file gives (by name, in
// DrawingML's units) and the preset's defaults for those it leaves out: fractions
// for sizes, degrees for the arc's angles. Presets without adjustments give 0.
ShapeAdjustments AdjustmentsOf(std::string_view preset, const std::map<std::string, double>& guides);

}  // namespace sim
