#include <limits>

#include "host/msmodel.h"
#include "output/CQVUtiMStation.h"

int CQVUtiMStation::NearestColorIndex(int rgb) {
  if (rgb == 0) return 0;
  const int red = rgb & 0xFF;
  const int green = (rgb >> 8) & 0xFF;
  const int blue = (rgb >> 16) & 0xFF;
  if (red == 255 && green == 255 && blue == 255) return 255;

  // A grey drawn in a tinted colour, or a colour drawn grey, reads as a different
  // colour, however close the two are by distance.
  const bool grey = red == green && green == blue;
  DgnModelRefP model = mdlModelRef_getActive();
  int nearest = 0;
  int nearestDistance = std::numeric_limits<int>::max();
  for (int i = 0; i < 256; ++i) {
    RGBColorDef entry;
    if (mdlColor_elementColorToRGB(&entry, static_cast<UInt32>(i), model) != SUCCESS) continue;
    if ((entry.red == entry.green && entry.green == entry.blue) != grey) continue;
    const int dr = entry.red - red, dg = entry.green - green, db = entry.blue - blue;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < nearestDistance) {
      nearest = i;
      nearestDistance = distance;
    }
  }
  return nearest;
}
