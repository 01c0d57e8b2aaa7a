// Excel's enumeration values that the table model interprets. They are stored in the
// model exactly as Excel defines them.
#pragma once

// Horizontal alignment.
constexpr int xlGeneral = 1;
constexpr int xlLeft = -4131;
constexpr int xlCenter = -4108;
constexpr int xlRight = -4152;
constexpr int xlCenterAcrossSelection = 7;

// Vertical alignment (xlCenter above).
constexpr int xlTop = -4160;
constexpr int xlBottom = -4107;

// Orientation.
constexpr int xlHorizontal = -4128;
constexpr int xlUpward = -4171;
constexpr int xlDownward = -4170;
constexpr int xlVertical = -4166;  // stacked: one character under the other
// Any other orientation is an angle in degrees, -90 to 90, counter-clockwise.
constexpr int kMaxOrientationDegrees = 90;
constexpr bool IsOrientationAngle(int orientation) {
  return orientation != 0 && orientation >= -kMaxOrientationDegrees && orientation <= kMaxOrientationDegrees;
}

// Border line styles.
constexpr int xlContinuous = 1;
constexpr int xlDash = -4115;
constexpr int xlDot = -4118;
constexpr int xlDashDot = 4;
constexpr int xlDashDotDot = 5;
constexpr int xlSlantDashDot = 13;
constexpr int xlDouble = -4119;
constexpr int xlLineStyleNone = -4142;

// Border weights.
constexpr int xlHairline = 1;
constexpr int xlThin = 2;
constexpr int xlMedium = -4138;
constexpr int xlThick = 4;

// Border indexes.
constexpr int xlDiagonalDown = 5;
constexpr int xlDiagonalUp = 6;
constexpr int xlEdgeLeft = 7;
constexpr int xlEdgeTop = 8;
constexpr int xlEdgeBottom = 9;
constexpr int xlEdgeRight = 10;

// Colour indexes, patterns and underline styles.
constexpr int xlNone = -4142;
constexpr int xlAutomatic = -4105;
constexpr int xlUnderlineStyleNone = -4142;

// Fill patterns that become hatches.
constexpr int xlChecker = 9;
constexpr int xlSemiGray75 = 10;
constexpr int xlLightHorizontal = 11;
constexpr int xlLightVertical = 12;
constexpr int xlLightDown = 13;
constexpr int xlLightUp = 14;
constexpr int xlGrid = 15;
constexpr int xlCrissCross = 16;
constexpr int xlGray16 = 17;
constexpr int xlGray8 = 18;
constexpr int xlGray75 = -4126;
constexpr int xlGray50 = -4125;
constexpr int xlGray25 = -4124;
constexpr int xlPatternHorizontal = -4128;
constexpr int xlPatternVertical = -4166;
constexpr int xlPatternUp = -4162;
constexpr int xlPatternDown = -4121;
