#include "model/CAutoLine.h"
#include "model/ExcelConstants.h"
#include "output/CQVUtiMStation.h"
#include "output/Symbology.h"
#include "settings/QuorvelleSetup.h"

namespace {

int ColourIndexOfWeight(const QuorvelleSetup& setup, int excelWeight) {
  switch (excelWeight) {
    case xlMedium: return setup.MediumColorIndex;
    case xlThick: return setup.ThickColorIndex;
    default: return setup.ThinColorIndex;
  }
}

}  // namespace

void CQVUtiMStation::SetLineSymbology(MSElement& element, const CAutoLine& segment) {
  if (!currentOptionSet) return;
  const QuorvelleSetup& setup = *currentOptionSet;
  const UInt32 colour =
      ColourByChoice(setup.LineClrOpt, segment.Color, ColourIndexOfWeight(setup, segment.Weight));
  const UInt32 weight = static_cast<UInt32>(segment.LineWeight);
  const Int32 style = segment.LineCode;
  mdlElement_setSymbology(&element, &colour, &style, &weight);
}
