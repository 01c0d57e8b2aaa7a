#include "output/CQVUtiMStation.h"
#include "settings/QuorvelleSetup.h"

double CQVUtiMStation::PlacementScale() { return currentOptionSet ? currentOptionSet->PlacementScale() : 1.0; }
