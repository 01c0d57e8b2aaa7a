// Drawing objects of a range: the records the add-in sends become lines, connectors,
// polygons, ovals, arcs and pictures of the table, with text cells for shapes with
// text, and each draws its elements into the table cell.
#include <cmath>

#include "automation/ShapeRecordLayout.h"
#include "output/COvalShape.h"
#include "output/CPictureShape.h"
#include "output/CQVUtiMStation.h"
#include "output/DrawingObjectRecord.h"
#include "sim/addin/ShapeRecordEncoder.h"
#include "tests/output/DrawerTestSupport.h"

namespace {

constexpr int kRed = 0x0000FF;  // Excel RGB: red in the low byte
constexpr UInt32 kRedIndex = 3;
constexpr int kBlue = 0xFF0000;
constexpr UInt32 kBlueIndex = 1;

// A line from (10, 20) to (110, 20) as Excel gives it: a box 100 wide, no height.
sim::ShapeDescription Line() {
  sim::ShapeDescription line;
  line.shapeType = kMsoLine;
  line.autoShapeType = kMsoShapeNotPrimitive;
  line.left = 10, line.top = 20, line.width = 100, line.height = 0;
  line.lineWeight = 0.75;
  line.lineColor = kRed;
  return line;
}

sim::ShapeDescription AutoShape(int autoShapeType, double width = 100, double height = 40) {
  sim::ShapeDescription shape;
  shape.autoShapeType = autoShapeType;
  shape.left = 10, shape.top = 20, shape.width = width, shape.height = height;
  shape.lineColor = kRed;
  shape.fillColor = kBlue;
  return shape;
}

struct Point {
  double x, y;
};

void ExpectPoints(const std::vector<DPoint3d>& points, const std::vector<Point>& expected) {
  ASSERT_EQ(points.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(points[i].x, expected[i].x, 1e-9);
    EXPECT_NEAR(points[i].y, expected[i].y, 1e-9);
  }
}

}  // namespace

class DrawingObjectsTest : public DrawerTest {
 protected:
  void SetUp() override {
    DrawerTest::SetUp();
    objects = NewLevel("Objects");
    table.Setup.AutoShapeLayer = objects;
  }

  void Receive(const sim::ShapeDescription& shape, int excelVersion = 16) {
    const std::vector<unsigned char> record = sim::EncodeShapeRecord(shape);
    MakeShapeFromRecord(record.data(), record.size(), table, excelVersion);
  }
  // Receives the object and draws the table's objects; the members drawn.
  std::vector<MSElement> Draw(const sim::ShapeDescription& shape, int excelVersion = 16) {
    Receive(shape, excelVersion);
    CQVUtiMStation::DrawObjects(table, cell);
    return Members();
  }
  // An ellipse's or arc's centre and radii in master units.
  static void ExpectEllipse(const MSElement& e, Point centre, double rx, double ry) {
    const double uor = mdlModelRef_getUorPerMaster(mdlModelRef_getActive());
    EXPECT_NEAR(e.origin.x / uor, centre.x, 1e-9);
    EXPECT_NEAR(e.origin.y / uor, centre.y, 1e-9);
    EXPECT_NEAR(e.primary / uor, rx, 1e-9);
    EXPECT_NEAR(e.secondary / uor, ry, 1e-9);
  }

  LevelOption objects;
};

TEST_F(DrawingObjectsTest, ATriangleBeginArrowheadOfMediumSizeOnAHairline) {
  sim::ShapeDescription line = Line();
  line.lineWeight = 0;
  line.beginArrowStyle = kMsoArrowheadTriangle;
  const std::vector<MSElement> members = Draw(line);

  ASSERT_EQ(members.size(), 2u);
  const MSElement& head = members[0];
  EXPECT_EQ(head.type, SHAPE_ELM);
  EXPECT_EQ(head.fillMode, FILL_OPAQUE);
  // Tip at the start point, 7.5 long, 7.5 wide.
  ExpectPoints(head.points, {{10, -20}, {17.5, -23.75}, {17.5, -16.25}, {10, -20}});
  const MSElement& rest = members[1];
  EXPECT_EQ(rest.type, LINE_ELM);
  ExpectPoints(rest.points, {{17.5, -20}, {110, -20}});
  for (const MSElement& m : members) {
    EXPECT_EQ(m.color, kRedIndex);
    EXPECT_EQ(m.weight, 0u);
    EXPECT_EQ(m.level, objects.id);
  }
}

TEST_F(DrawingObjectsTest, AStealthEndArrowheadGrowsWithTheWeightAndTheLineStopsAtItsNotch) {
  sim::ShapeDescription line = Line();
  line.lineWeight = 2;
  line.endArrowStyle = kMsoArrowheadStealth;
  const std::vector<MSElement> members = Draw(line);

  ASSERT_EQ(members.size(), 2u);
  const double length = 7.5 + 4;
  const double notch = 110 - 2.0 / 3.0 * length;
  ExpectPoints(members[0].points,
               {{110, -20}, {110 - length, -20 + length / 2}, {notch, -20}, {110 - length, -20 - length / 2}, {110, -20}});
  ExpectPoints(members[1].points, {{10, -20}, {notch, -20}});
  EXPECT_EQ(members[1].weight, 2u);
}

TEST_F(DrawingObjectsTest, ArrowheadsOfEveryStyleAreDrawnEvenWhenTheLineIsNot) {
  struct Case {
    int style;
    int elementType;
    size_t elements;
  } cases[] = {{kMsoArrowheadTriangle, SHAPE_ELM, 1}, {kMsoArrowheadOpen, LINE_ELM, 2},
               {kMsoArrowheadStealth, SHAPE_ELM, 1},  {kMsoArrowheadDiamond, SHAPE_ELM, 1},
               {kMsoArrowheadOval, ELLIPSE_ELM, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    mdlElmdscr_freeAll(&cell);
    NewTableCell();
    table.Shapes.clear();
    sim::ShapeDescription line = Line();
    line.lineVisible = 0;
    line.beginArrowStyle = line.endArrowStyle = c.style;
    const std::vector<MSElement> members = Draw(line);
    ASSERT_EQ(members.size(), 2 * c.elements);
    for (const MSElement& m : members) EXPECT_EQ(m.type, c.elementType);
  }
}

TEST_F(DrawingObjectsTest, DashStylesBecomeLineStylesOfLinesOnly) {
  struct Case {
    int dash;
    Int32 style;
  } cases[] = {{kMsoLineSolid, 0},     {kMsoLineSquareDot, 1}, {kMsoLineRoundDot, 1}, {kMsoLineDash, 3},
               {kMsoLineLongDash, 3},  {kMsoLineDashDot, 4},   {kMsoLineLongDashDot, 4}, {kMsoLineDashDotDot, 6},
               {9, 0},                 {-2, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dash);
    mdlElmdscr_freeAll(&cell);
    NewTableCell();
    table.Shapes.clear();
    sim::ShapeDescription line = Line();
    line.lineDashStyle = c.dash;
    const std::vector<MSElement> members = Draw(line);
    ASSERT_EQ(members.size(), 1u);
    EXPECT_EQ(members[0].style, c.style);
  }
  table.Shapes.clear();
  mdlElmdscr_freeAll(&cell);
  NewTableCell();
  sim::ShapeDescription rectangle = AutoShape(kMsoShapeRectangle);
  rectangle.lineDashStyle = kMsoLineDash;
  for (const MSElement& m : Draw(rectangle)) EXPECT_EQ(m.style, 0);
}

TEST_F(DrawingObjectsTest, AnElbowConnectorBendsAtItsRatioOfTheWidth) {
  sim::ShapeDescription connector = Line();
  connector.shapeType = kMsoAutoShape;
  connector.connector = 1;
  connector.connectorType = kMsoConnectorElbow;
  connector.adjustment1 = 0.5;
  connector.height = 30;
  const std::vector<MSElement> members = Draw(connector);
  ASSERT_EQ(members.size(), 1u);
  EXPECT_EQ(members[0].type, LINE_STRING_ELM);
  ExpectPoints(members[0].points, {{10, -20}, {60, -20}, {60, -50}, {110, -50}});

  // A straight connector is a line, and a flipped one runs the other way.
  table.Shapes.clear();
  mdlElmdscr_freeAll(&cell);
  NewTableCell();
  connector.connectorType = kMsoConnectorStraight;
  connector.verticalFlip = 1;
  const std::vector<MSElement> straight = Draw(connector);
  ASSERT_EQ(straight.size(), 1u);
  EXPECT_EQ(straight[0].type, LINE_ELM);
  ExpectPoints(straight[0].points, {{10, -50}, {110, -20}});
}

TEST_F(DrawingObjectsTest, ExcelsDefaultQuarterArcBeforeExcel2007FillsItsBox) {
  sim::ShapeDescription arc = AutoShape(kMsoShapeArc, 60, 30);
  arc.adjustment1 = -90;
  arc.adjustment2 = 0;
  Receive(arc, 11);
  ASSERT_EQ(table.Shapes.size(), 1u);
  const auto* shape = dynamic_cast<const CArcShape*>(table.Shapes[0].get());
  ASSERT_NE(shape, nullptr);
  EXPECT_DOUBLE_EQ(shape->Width, 120);  // the box becomes the ellipse's
  EXPECT_DOUBLE_EQ(shape->Height, 60);

  CQVUtiMStation::DrawObjects(table, cell);
  const std::vector<MSElement> members = Members();
  ASSERT_EQ(members.size(), 1u);
  EXPECT_EQ(members[0].type, ARC_ELM);
  ExpectEllipse(members[0], {10, -20}, 60, 30);  // centred on the box's top-left corner
  EXPECT_NEAR(members[0].start, -fc_pi / 2, 1e-9);
  EXPECT_NEAR(members[0].sweep, fc_pi / 2, 1e-9);
}

TEST_F(DrawingObjectsTest, ArcsFromExcel2007OnLieOnTheEllipseOfTheirBox) {
  struct Case {
    const char* name;
    double start, end;
    int verticalFlip;
    double from, to;  // the directions of the drawn arc's ends, degrees counter-clockwise
  } cases[] = {{"the default quarter, twelve to three o'clock", -90, 0, 0, 0, 90},
               {"three o'clock to half past four", 0, 45, 0, -45, 0},
               {"three quarters round", 0, -90, 0, 90, 360},
               {"the default quarter upside down", -90, 0, 1, -90, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    table.Shapes.clear();
    mdlElmdscr_freeAll(&cell);
    NewTableCell();
    sim::ShapeDescription arc = AutoShape(kMsoShapeArc, 60, 30);
    arc.adjustment1 = c.start;
    arc.adjustment2 = c.end;
    arc.verticalFlip = c.verticalFlip;
    const std::vector<MSElement> members = Draw(arc, 16);
    ASSERT_EQ(members.size(), 1u);
    ExpectEllipse(members[0], {40, -35}, 30, 15);
    // The ends lie on the ellipse in Excel's directions.
    for (auto [parameter, direction] : {std::pair{members[0].start, c.from},
                                        std::pair{members[0].start + members[0].sweep, c.to}}) {
      const double x = 30 * std::cos(parameter), y = 15 * std::sin(parameter);
      const double a = direction * fc_pi / 180;
      EXPECT_NEAR(x * std::sin(a) - y * std::cos(a), 0, 1e-9);
      EXPECT_GT(x * std::cos(a) + y * std::sin(a), 0);
    }
    EXPECT_NEAR(members[0].sweep, (c.to - c.from) * fc_pi / 180, 0.5);  // the arc goes the right way round
  }
}

TEST_F(DrawingObjectsTest, AnArcWhoseEndsMeetIsAnUnfilledOval) {
  sim::ShapeDescription arc = AutoShape(kMsoShapeArc, 60, 30);
  arc.adjustment1 = arc.adjustment2 = 45;
  const std::vector<MSElement> members = Draw(arc);
  ASSERT_EQ(members.size(), 1u);
  EXPECT_EQ(members[0].type, ELLIPSE_ELM);
  EXPECT_EQ(members[0].fillMode, FILL_NONE);
  ExpectEllipse(members[0], {40, -35}, 30, 15);
}

TEST_F(DrawingObjectsTest, AnOvalIsFilledAndOutlinedAndItsTextKeepsInsideIt) {
  sim::ShapeDescription oval = AutoShape(kMsoShapeOval, 100, 50);
  oval.text = u"A";
  oval.fontSize = 12;
  const std::vector<MSElement> members = Draw(oval);

  ASSERT_EQ(table.ShapeTextCells.size(), 1u);
  const CAutoCell& text = table.ShapeTextCells[0];
  EXPECT_NEAR(text.Left, 10 + 100 * 0.2929 / 2, 1e-9);
  EXPECT_NEAR(text.Top, 20 + 50 * 0.2929 / 2, 1e-9);
  EXPECT_NEAR(text.Width, 70.71, 1e-9);
  EXPECT_NEAR(text.Height, 35.355, 1e-9);
  EXPECT_EQ(text.WrapText, 1);
  EXPECT_EQ(text.Text, std::u16string(u"\xFEFF") + u"A");

  ASSERT_GE(members.size(), 2u);
  EXPECT_EQ(members[0].type, ELLIPSE_ELM);
  EXPECT_EQ(members[0].fillMode, FILL_OPAQUE);
  EXPECT_EQ(members[0].color, kBlueIndex);
  EXPECT_EQ(members[1].fillMode, FILL_NONE);
  EXPECT_EQ(members[1].color, kRedIndex);
  ExpectEllipse(members[1], {60, -45}, 50, 25);
  EXPECT_EQ(members.back().type, TEXT_ELM);  // the text comes after every object
}

TEST_F(DrawingObjectsTest, FillsThatAreTransparentHiddenOrWhiteAreNotDrawn) {
  struct Case {
    const char* name;
    double transparency;
    int visible;
    int colour;
    bool filled;
  } cases[] = {{"opaque", 0, 1, kBlue, true},
               {"half transparent", 0.5, 1, kBlue, false},
               {"no fill", 0, 0, kBlue, false},
               {"white", 0, 1, 0xFFFFFF, false}};
  for (const Case& c : cases) {
    for (int type : {kMsoShapeRectangle, kMsoShapeOval}) {
      SCOPED_TRACE(std::string(c.name) + " " + std::to_string(type));
      table.Shapes.clear();
      mdlElmdscr_freeAll(&cell);
      NewTableCell();
      sim::ShapeDescription shape = AutoShape(type);
      shape.fillTransparency = c.transparency;
      shape.fillVisible = c.visible;
      shape.fillColor = c.colour;
      const std::vector<MSElement> members = Draw(shape);
      ASSERT_EQ(members.size(), c.filled ? 2u : 1u);
      EXPECT_EQ(members.back().fillMode, FILL_NONE);
    }
  }
}

TEST_F(DrawingObjectsTest, ARoundedRectangleIsFourSidesAndFourCornerArcsWithoutFill) {
  sim::ShapeDescription rounded = AutoShape(kMsoShapeRoundedRectangle, 100, 40);
  rounded.adjustment1 = 0.25;  // corners of radius 10
  rounded.lineVisible = 0;
  const std::vector<MSElement> members = Draw(rounded);
  ASSERT_EQ(members.size(), 8u);
  ExpectPoints(members[0].points, {{20, -20}, {100, -20}});
  ExpectPoints(members[1].points, {{110, -30}, {110, -50}});
  ExpectPoints(members[2].points, {{100, -60}, {20, -60}});
  ExpectPoints(members[3].points, {{10, -50}, {10, -30}});
  const Point centres[] = {{100, -30}, {100, -50}, {20, -50}, {20, -30}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const MSElement& arc = members[4 + i];
    EXPECT_EQ(arc.type, ARC_ELM);
    ExpectEllipse(arc, centres[i], 10, 10);
    EXPECT_NEAR(std::fabs(arc.sweep), fc_pi / 2, 1e-9);
  }
  for (const MSElement& m : members) EXPECT_EQ(m.fillMode, FILL_NONE);
}

TEST_F(DrawingObjectsTest, ARightBlockArrowReadsItsAdjustmentsByTheExcelVersion) {
  sim::ShapeDescription arrow = AutoShape(kMsoShapeRightArrow, 100, 40);
  arrow.left = arrow.top = 0;
  arrow.adjustment1 = 0.5;
  arrow.adjustment2 = 0.5;
  arrow.fillVisible = 0;
  // Excel 2007 on: shaft half-width 10, shaft 80 long, the head 10 wider each side.
  std::vector<MSElement> members = Draw(arrow, 12);
  ASSERT_EQ(members.size(), 1u);
  ExpectPoints(members[0].points,
               {{0, -10}, {80, -10}, {80, 0}, {100, -20}, {80, -40}, {80, -30}, {0, -30}, {0, -10}});

  // Before: shaft half-width 40 x (0.5 - 0.25) = 10, shaft 100 x 0.5 = 50 long, head 40 x 0.25 = 10
  // wider each side.
  table.Shapes.clear();
  mdlElmdscr_freeAll(&cell);
  NewTableCell();
  arrow.adjustment2 = 0.25;
  members = Draw(arrow, 11);
  ASSERT_EQ(members.size(), 1u);
  ExpectPoints(members[0].points,
               {{0, -10}, {50, -10}, {50, 0}, {100, -20}, {50, -40}, {50, -30}, {0, -30}, {0, -10}});
}

TEST_F(DrawingObjectsTest, PolygonsTurnAndFlipAsExcelShowsThem) {
  // A rectangle turned a quarter clockwise in Excel stands on its box's centre.
  sim::ShapeDescription rectangle = AutoShape(kMsoShapeRectangle, 40, 20);
  rectangle.left = rectangle.top = 0;
  rectangle.rotation = 90;
  rectangle.fillVisible = 0;
  std::vector<MSElement> members = Draw(rectangle);
  ASSERT_EQ(members.size(), 1u);
  ExpectPoints(members[0].points, {{30, 10}, {30, -30}, {10, -30}, {10, 10}, {30, 10}});

  // A triangle flipped upside down points down.
  table.Shapes.clear();
  mdlElmdscr_freeAll(&cell);
  NewTableCell();
  sim::ShapeDescription triangle = AutoShape(kMsoShapeIsoscelesTriangle, 40, 20);
  triangle.left = triangle.top = 0;
  triangle.adjustment1 = 0.5;
  triangle.verticalFlip = 1;
  triangle.fillVisible = 0;
  members = Draw(triangle);
  ASSERT_EQ(members.size(), 1u);
  ExpectPoints(members[0].points, {{20, -20}, {40, 0}, {0, 0}, {20, -20}});
}

TEST_F(DrawingObjectsTest, TextCellsOfShapesTakeTheRecordsFontAndTheShapesAlignment) {
  struct Case {
    int autoShapeType;
    int horizontal, vertical;
  } cases[] = {{kMsoShapeRectangle, -4152, -4160},
               {kMsoShapeOctagon, -4108, -4108},
               {kMsoShapeHexagon, -4108, -4108},
               {kMsoShapeIsoscelesTriangle, -4108, -4107}};
  table.Setup.CellDrawingUnits = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.autoShapeType);
    table.ShapeTextCells.clear();
    sim::ShapeDescription shape = AutoShape(c.autoShapeType);
    shape.text = u"Gate\nNorth";
    shape.textHorizontalAlignment = -4152;
    shape.textVerticalAlignment = -4160;
    shape.fontName = "Arial";
    shape.fontSize = 14;
    shape.textBold = true;
    shape.textUnderline = 2;
    shape.textColor = kRed;
    Receive(shape);
    ASSERT_EQ(table.ShapeTextCells.size(), 1u);
    const CAutoCell& text = table.ShapeTextCells[0];
    EXPECT_EQ(text.HorizontalAlignment, c.horizontal);
    EXPECT_EQ(text.VerticalAlignment, c.vertical);
    EXPECT_EQ(text.Font.Name, "Arial");
    EXPECT_EQ(text.Font.Bold, 1);
    EXPECT_EQ(text.Font.Italic, 0);
    EXPECT_EQ(text.Font.Underline, 1);
    EXPECT_EQ(text.Font.Color, kRed);
    EXPECT_DOUBLE_EQ(text.Font.Size, 14 * table.Setup.TextScaleFactor());
    EXPECT_EQ(text.Left, 10);
    EXPECT_EQ(text.LayoutWidth, 100);
  }
  // Block arrows, arcs and lines carry no text; neither does a shape without one.
  table.ShapeTextCells.clear();
  for (int type : {kMsoShapeRightArrow, kMsoShapeArc}) {
    sim::ShapeDescription shape = AutoShape(type);
    shape.text = u"x";
    Receive(shape);
  }
  Receive(AutoShape(kMsoShapeRectangle));
  EXPECT_TRUE(table.ShapeTextCells.empty());
}

TEST_F(DrawingObjectsTest, RecordsOfOtherKindsOrWithoutSoundNumbersMakeNothing) {
  struct Case {
    const char* name;
    void (*change)(sim::ShapeDescription&);
  } cases[] = {
      {"a star", [](sim::ShapeDescription& s) { s.autoShapeType = 92; }},
      {"a group", [](sim::ShapeDescription& s) { s.shapeType = 6; }},
      {"a rounded rectangle as text box", [](sim::ShapeDescription& s) { s.shapeType = kMsoTextBox, s.autoShapeType = 5; }},
      {"a curved line not a connector", [](sim::ShapeDescription& s) { s.autoShapeType = -2; }},
      {"no number", [](sim::ShapeDescription& s) { s.width = std::nan(""); }},
      {"infinite", [](sim::ShapeDescription& s) { s.left = HUGE_VAL; }},
      {"astronomic", [](sim::ShapeDescription& s) { s.adjustment1 = 1e300; }},
      {"turned by no number", [](sim::ShapeDescription& s) { s.rotation = -std::nan(""); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim::ShapeDescription shape = AutoShape(kMsoShapeRectangle);
    shape.text = u"label";
    c.change(shape);
    Receive(shape);
    EXPECT_TRUE(table.Shapes.empty());
    EXPECT_TRUE(table.ShapeTextCells.empty());
  }
  const std::vector<unsigned char> record = sim::EncodeShapeRecord(AutoShape(kMsoShapeRectangle));
  MakeShapeFromRecord(record.data(), record.size() - 1, table, 16);
  MakeShapeFromRecord(nullptr, record.size(), table, 16);
  EXPECT_TRUE(table.Shapes.empty());
}

TEST_F(DrawingObjectsTest, PicturesAndChartsAreKeptForAttachingNotDrawn) {
  sim::ShapeDescription picture = AutoShape(kMsoShapeRectangle, 50, 30);
  picture.shapeType = kMsoPicture;
  picture.picturePath = "C:\\Pictures\\logo.png";
  Receive(picture);
  sim::ShapeDescription chart = picture;
  chart.shapeType = kMsoChart;
  chart.autoShapeType = kMsoShapeNotPrimitive;
  Receive(chart);
  ASSERT_EQ(table.Shapes.size(), 2u);
  for (const auto& shape : table.Shapes) {
    ASSERT_TRUE(shape->IsPicture());
    const auto& p = static_cast<const CPictureShape&>(*shape);
    EXPECT_EQ(p.FilePath, "C:\\Pictures\\logo.png");
    EXPECT_EQ(p.Width, 50);
  }
  EXPECT_EQ(static_cast<const CPictureShape&>(*table.Shapes[1]).ShapeType, kMsoChart);
  CQVUtiMStation::DrawObjects(table, cell);
  EXPECT_TRUE(Members().empty());
}

TEST_F(DrawingObjectsTest, WithoutDrawingObjectsInTheOptionsOnlyTheirTextsAreDrawn) {
  table.Setup.ImportObj = 255 & ~kImportObjects;
  sim::ShapeDescription shape = AutoShape(kMsoShapeOval);
  shape.text = u"A";
  Receive(shape);
  sim::ShapeDescription line = Line();
  line.beginArrowStyle = kMsoArrowheadOval;
  Receive(line);
  Receive(AutoShape(kMsoShapeHexagon));
  CQVUtiMStation::DrawObjects(table, cell);
  const std::vector<MSElement> members = Members();
  ASSERT_EQ(members.size(), 1u);
  EXPECT_EQ(members[0].type, TEXT_ELM);
}
