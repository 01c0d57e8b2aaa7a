#include "settings/OptionsFile.h"

#include <cmath>

#include "host/msoutput.h"
#include "settings/OptionNames.h"
#include "settings/OptionRotation.h"
#include "support/Archive.h"
#include "support/FileIo.h"

namespace {

// The seven drawing flags in the order of the file, with the ImportObj bit of each.
constexpr int kDrawingFlagBits[] = {kImportBorders, kImportTexts,    kImportPatterns, kImportFills,
                                    kImportObjects, kImportPictures, kImportCharts};

// No sound file holds an infinity or a NaN, and a table drawn with one as its scale
// or angle would have no size or place: such a file is refused.
double ReadFiniteDouble(CArchiveReader& in) {
  double value = in.ReadDouble();
  if (!std::isfinite(value)) throw CArchiveException("the archive holds a number that is not finite");
  return value;
}

// Reads the items of a file of `version` into `s`; throws CArchiveException when the
// bytes end early or are malformed.
void ReadItems(CArchiveReader& in, int version, QuorvelleSetup& s) {
  s.BorderLayer.name = in.ReadString();
  s.TextLayer.name = in.ReadString();
  if (version >= 2) {
    s.AutoShapeLayer.name = in.ReadString();
    in.ReadString();  // a text the module has no use for
  }
  s.LineClrOpt = in.ReadInt32();
  s.TextClrOpt = in.ReadInt32();
  s.ThinColorIndex = in.ReadInt32();
  s.ThickColorIndex = in.ReadInt32();
  s.RegularColorIndex = in.ReadInt32();
  s.BoldColorIndex = in.ReadInt32();
  s.CellScaleOpt = in.ReadInt32();
  s.CellScaleIndex = in.ReadInt32();
  s.CellDrawingUnits = ReadFiniteDouble(in);
  s.CellExcelPoints = ReadFiniteDouble(in);
  s.FontScaleOpt = in.ReadInt32();
  s.FontScaleIndex = in.ReadInt32();
  s.FontDrawingUnits = ReadFiniteDouble(in);
  s.FontExcelPoints = ReadFiniteDouble(in);
  s.UseFontOpt = in.ReadInt32();
  // A flag that is not set leaves its bit as it was: a file only adds what to draw.
  for (int bit : kDrawingFlagBits)
    if (in.ReadInt32() != 0) s.ImportObj |= bit;
  if (version >= 1) s.rotation = RotationFromDegrees(ReadFiniteDouble(in));
  if (version >= 3) {
    s.MediumBorderLevel.name = in.ReadString();
    s.ThickBorderLevel.name = in.ReadString();
    s.BorderOnOneLevel = in.ReadInt32();
    s.BorderThinWeight = in.ReadInt32();
    s.BorderMediumWeight = in.ReadInt32();
    s.BorderThickWeight = in.ReadInt32();
    s.MediumColorIndex = in.ReadInt32();
    s.BoldTextLevel.name = in.ReadString();
    s.ItalicTextLevel.name = in.ReadString();
    s.TextOnOneLevel = in.ReadInt32();
    s.DefaultTextWeight = in.ReadInt32();
    s.BoldLineWeight = in.ReadInt32();
    s.AutoShapeLayer.name = in.ReadString();
    s.PatternLevel.name = in.ReadString();
  }
  if (version >= 4) {
    s.FontSizes = in.ReadString();
    s.ColumnWidths = in.ReadString();
    s.RowHeights = in.ReadString();
  }
}

}  // namespace

bool LoadOptionsFromBytes(QuorvelleSetup& setup, std::vector<std::uint8_t> bytes) {
  // Read into a copy, so that a file that turns out unsound changes nothing.
  QuorvelleSetup loaded = setup;
  try {
    CArchiveReader in(std::move(bytes));
    if (in.ReadString() == kOptionsFileSignature) {
      int version = in.ReadInt32();
      // A negative version is as unknown as one above the newest.
      if (version >= 0 && version <= kOptionsFileVersion) {
        loaded.optionsVersion = version;
        ReadItems(in, version, loaded);
        setup = loaded;
        return true;
      }
    }
  } catch (const CArchiveException&) {
  }
  mdlOutput_message(kInvalidOptionsFile);
  return false;
}

int LoadOptionsFile(QuorvelleSetup& setup, const std::string& path) {
  std::vector<std::uint8_t> bytes;
  DWORD error = 0;
  if (!ReadWholeFile(path, &bytes, &error)) {
    ReportFileError(path, error);
    return 0;
  }
  LoadOptionsFromBytes(setup, std::move(bytes));
  return 1;
}
