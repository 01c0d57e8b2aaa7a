// Writes a drawing-object record of each kind the module draws into a folder, as the
// starting corpus of the shape fuzzer. Usage: shape_fuzz_seeds FOLDER
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "sim/addin/ShapeRecordEncoder.h"

namespace {

sim::ShapeDescription Shape(int shapeType, int autoShapeType) {
  sim::ShapeDescription shape;
  shape.shapeType = shapeType;
  shape.autoShapeType = autoShapeType;
  shape.left = 12, shape.top = 30, shape.width = 90, shape.height = 45;
  shape.rotation = 30;
  shape.lineWeight = 1.5;
  shape.lineColor = 0x0000FF;
  shape.fillColor = 0x00FF00;
  return shape;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  std::vector<sim::ShapeDescription> shapes;

  sim::ShapeDescription line = Shape(kMsoLine, kMsoShapeNotPrimitive);
  line.beginArrowStyle = kMsoArrowheadStealth;
  line.endArrowStyle = kMsoArrowheadOval;
  line.lineDashStyle = kMsoLineDashDot;
  line.verticalFlip = 1;
  shapes.push_back(line);

  sim::ShapeDescription elbow = Shape(kMsoAutoShape, kMsoShapeNotPrimitive);
  elbow.connector = 1;
  elbow.connectorType = kMsoConnectorElbow;
  elbow.adjustment1 = 0.3;
  elbow.endArrowStyle = kMsoArrowheadOpen;
  shapes.push_back(elbow);

  for (int type : {kMsoShapeRectangle, kMsoShapeRoundedRectangle, kMsoShapeOctagon, kMsoShapeIsoscelesTriangle,
                   kMsoShapeHexagon, kMsoShapeRightArrow, kMsoShapeDownArrow, kMsoShapeOval}) {
    sim::ShapeDescription shape = Shape(kMsoAutoShape, type);
    shape.adjustment1 = 0.25;
    shape.adjustment2 = 0.5;
    shape.text = u"North gate";
    shape.fontName = "Arial";
    shapes.push_back(shape);
  }

  sim::ShapeDescription arc = Shape(kMsoAutoShape, kMsoShapeArc);
  arc.adjustment1 = -90;
  arc.adjustment2 = 135;
  arc.horizontalFlip = 1;
  shapes.push_back(arc);

  sim::ShapeDescription picture = Shape(kMsoPicture, kMsoShapeRectangle);
  picture.picturePath = "C:\\Drawings\\QuorvellePictures\\logo.png";
  shapes.push_back(picture);

  for (size_t i = 0; i < shapes.size(); ++i) {
    const std::vector<unsigned char> record = sim::EncodeShapeRecord(shapes[i]);
    std::ofstream(std::string(argv[1]) + "/shape" + std::to_string(i), std::ios::binary)
        .write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
  }
  return 0;
}
