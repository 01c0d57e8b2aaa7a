// The byte layout of the drawing-object record, one drawing object of a range as the
// add-in sends it: kShapeRecordSize bytes, little-endian, lengths in points, Excel
// RGB colours and Office's own enumeration values; strings end at their first NUL.
#pragma once

#include <cstddef>

#include "automation/AddinContract.h"
#include "automation/CellRecordLayout.h"

// Doubles.
constexpr std::size_t kShapeLeft = 8;
constexpr std::size_t kShapeTop = 16;
constexpr std::size_t kShapeWidth = 24;
constexpr std::size_t kShapeHeight = 32;
constexpr std::size_t kShapeRotation = 40;  // degrees, clockwise as Excel gives it
constexpr std::size_t kShapeFontSize = 48;
constexpr std::size_t kShapeLineWeight = 56;
constexpr std::size_t kShapeFillTransparency = 72;
constexpr std::size_t kShapeAdjustment1 = 80;
constexpr std::size_t kShapeAdjustment2 = 88;

// Int32 values.
constexpr std::size_t kShapeLineVisible = 96;
constexpr std::size_t kShapeLineColor = 100;
constexpr std::size_t kShapeLineDashStyle = 104;
constexpr std::size_t kShapeBeginArrowStyle = 108;
constexpr std::size_t kShapeBeginArrowLength = 112;
constexpr std::size_t kShapeBeginArrowWidth = 116;
constexpr std::size_t kShapeEndArrowStyle = 120;
constexpr std::size_t kShapeEndArrowLength = 124;
constexpr std::size_t kShapeEndArrowWidth = 128;
constexpr std::size_t kShapeFillColor = 132;
constexpr std::size_t kShapeFillVisible = 136;
constexpr std::size_t kShapeVerticalFlip = 140;
constexpr std::size_t kShapeHorizontalFlip = 144;
constexpr std::size_t kShapeType = 148;
constexpr std::size_t kShapeAutoShapeType = 152;
constexpr std::size_t kShapeTextHorizontalAlignment = 156;
constexpr std::size_t kShapeTextVerticalAlignment = 160;
constexpr std::size_t kShapeTextUnderline = 164;
constexpr std::size_t kShapeTextColor = 168;
constexpr std::size_t kShapeConnectorFlag = 172;
constexpr std::size_t kShapeConnectorType = 176;

// Bytes.
constexpr std::size_t kShapeTextBold = 180;
constexpr std::size_t kShapeTextItalic = 181;

// Strings, 8-bit unless noted.
constexpr CellRecordSlot kShapePicturePath{182, 260};
constexpr CellRecordSlot kShapeFontName{442, 128};
constexpr CellRecordSlot kShapeText{570, 4102};  // UTF-16LE

static_assert(kShapeText.offset + kShapeText.size == kShapeRecordSize, "the text ends the record");

// Office shape types (MsoShapeType) the module tells apart.
constexpr int kMsoAutoShape = 1;
constexpr int kMsoChart = 3;
constexpr int kMsoLine = 9;
constexpr int kMsoPicture = 13;
constexpr int kMsoTextBox = 17;

// Office AutoShape types (MsoAutoShapeType) the module draws; lines, connectors and
// charts carry kMsoShapeNotPrimitive.
constexpr int kMsoShapeNotPrimitive = -2;
constexpr int kMsoShapeRectangle = 1;
constexpr int kMsoShapeRoundedRectangle = 5;
constexpr int kMsoShapeOctagon = 6;
constexpr int kMsoShapeIsoscelesTriangle = 7;
constexpr int kMsoShapeOval = 9;
constexpr int kMsoShapeHexagon = 10;
constexpr int kMsoShapeArc = 25;
constexpr int kMsoShapeRightArrow = 33;
constexpr int kMsoShapeLeftArrow = 34;
constexpr int kMsoShapeUpArrow = 35;
constexpr int kMsoShapeDownArrow = 36;

// Office connector types (MsoConnectorType).
constexpr int kMsoConnectorStraight = 1;
constexpr int kMsoConnectorElbow = 2;
constexpr int kMsoConnectorCurve = 3;

// Office dash styles (MsoLineDashStyle).
constexpr int kMsoLineSolid = 1;
constexpr int kMsoLineSquareDot = 2;
constexpr int kMsoLineRoundDot = 3;
constexpr int kMsoLineDash = 4;
constexpr int kMsoLineDashDot = 5;
constexpr int kMsoLineDashDotDot = 6;
constexpr int kMsoLineLongDash = 7;
constexpr int kMsoLineLongDashDot = 8;

// Office arrowhead styles (MsoArrowheadStyle), lengths and widths
// (MsoArrowheadLength, MsoArrowheadWidth: 1 short or narrow, 2 medium, 3 long or wide).
constexpr int kMsoArrowheadNone = 1;
constexpr int kMsoArrowheadTriangle = 2;
constexpr int kMsoArrowheadOpen = 3;
constexpr int kMsoArrowheadStealth = 4;
constexpr int kMsoArrowheadDiamond = 5;
constexpr int kMsoArrowheadOval = 6;
constexpr int kMsoArrowheadShort = 1;
constexpr int kMsoArrowheadMedium = 2;
constexpr int kMsoArrowheadLong = 3;
