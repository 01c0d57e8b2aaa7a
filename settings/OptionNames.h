// The option set's registry keys, value names and messages, in one place. The
// companion add-in reads and writes the same names, letter for letter.
#pragma once

// Keys under the product's profile key (see settings/Profile.h). The add-in keeps
// the global options in the product key itself and the options template in
// AutoOptions; CurrentOptions carries the options of the table being edited or
// updated.
constexpr char kCurrentOptionsSection[] = "Quorvelle\\CurrentOptions";
constexpr char kAutoOptionsSection[] = "Quorvelle\\AutoOptions";

// Values of the product key that choose where the options are read from, and the
// paths of the options template and the font map file, which the application writes
// at the start of every operation.
constexpr char kValueUseGlobalOption[] = "UseGlobalOption";
constexpr char kValueOptFile[] = "QuorvelleOptFile";
constexpr char kValueAfmFile[] = "QuorvelleAfmFile";
constexpr char kValueAutoLoadOptTemplate[] = "AutoLoadOptTemplate";
// Written for the add-in only: the edited link names a range by name.
constexpr char kValueUseRangeName[] = "UseRangeName";

// Option values: S stored as text, D as 32-bit numbers.
constexpr char kValueRotationDegree[] = "RotationDegree";          // S
constexpr char kValueCellExcelPoints[] = "CellExcelPoints";        // S
constexpr char kValueCellDrawingUnits[] = "CellDrawingUnits";      // S
constexpr char kValueCellScaleIndex[] = "CellScaleIndex";          // D
constexpr char kValueTextWFactor[] = "TextWFactor";                // S
constexpr char kValueFontExcelPoints[] = "FontExcelPoints";        // S
constexpr char kValueFontDrawingUnits[] = "FontDrawingUnits";      // S
constexpr char kValueFontScaleIndex[] = "FontScaleIndex";          // D
constexpr char kValueCellScaleOpt[] = "CellScaleOpt";              // D
constexpr char kValueFontScaleOpt[] = "FontScaleOpt";              // D
constexpr char kValueBorderThinWeight[] = "BorderThinWeight";      // D
constexpr char kValueBorderMediumWeight[] = "BorderMediumWeight";  // D
constexpr char kValueBorderThickWeight[] = "BorderThickWeight";    // D
constexpr char kValueDefaultTextWeight[] = "DefaultTextWeight";    // D
constexpr char kValueBoldLineWeight[] = "BoldLineWeight";          // D
constexpr char kValueLeftMargin[] = "LeftMargin";                  // S
constexpr char kValueTopMargin[] = "TopMargin";                    // S
constexpr char kValueThinColorIndex[] = "ThinColorIndex";          // D
constexpr char kValueMediumColorIndex[] = "MediumColorIndex";      // D
constexpr char kValueThickColorIndex[] = "ThickColorIndex";        // D
constexpr char kValueRegularColorIndex[] = "RegularColorIndex";    // D
constexpr char kValueBoldColorIndex[] = "BoldColorIndex";          // D
constexpr char kValueLineClrOpt[] = "LineClrOpt";                  // D
constexpr char kValueTextClrOpt[] = "TextClrOpt";                  // D
constexpr char kValueUseFontOpt[] = "UseFontOpt";                  // D
constexpr char kValueOnlyPrintArea[] = "OnlyPrintArea";            // D
constexpr char kValueBorderOnOneLevel[] = "BorderOnOneLevel";      // D
constexpr char kValueTextOnOneLevel[] = "TextOnOneLevel";          // D
constexpr char kValueSplitRowsToColumns[] = "SplitRowsToColumns";  // D
constexpr char kValueImportObj[] = "ImportObj";                    // D
constexpr char kValueBorderLayer[] = "BorderLayer";                // S, and the seven level names below
constexpr char kValueMediumBorderLevel[] = "MediumBorderLevel";
constexpr char kValueThickBorderLevel[] = "ThickBorderLevel";
constexpr char kValueTextLayer[] = "TextLayer";
constexpr char kValueBoldTextLevel[] = "BoldTextLevel";
constexpr char kValueItalicTextLevel[] = "ItalicTextLevel";
constexpr char kValueAutoShapeLayer[] = "AutoShapeLayer";
constexpr char kValuePatternLevel[] = "PatternLevel";
constexpr char kValueFontSizes[] = "FontSizes";        // S
constexpr char kValueColumnWidths[] = "ColumnWidths";  // S
constexpr char kValueRowHeights[] = "RowHeights";      // S

// The numbers that can draw a table. Scales (drawing units and Excel points of cells
// and fonts, the text width factor) must be positive, as an option counts as
// positive above 1e-6; a million to one is far beyond any drawing and still far
// inside what a design file holds. Margins are points inside a cell; angles beyond a
// million degrees have lost their precision.
constexpr double kLeastScale = 1e-6;
constexpr double kMostScale = 1e6;
constexpr double kMostTextWFactor = 100;
constexpr double kMostMargin = 1000;
constexpr double kMostRotationDegrees = 1e6;
// An option value that cannot draw a table; the value's name and text, then the
// default used instead.
constexpr char kOptionCannotDraw[] = "The option %s (%s) cannot draw a table; %s is used instead.";
// The same for the width factor of a font map file, which is then not used.
constexpr char kFontMapWidthFactorCannotDraw[] =
    "The width factor %s of the font map file %s cannot draw a table; it is not used.";

// Defaults of the numbers kept as text.
constexpr char kDefaultScaleText[] = "1.0";
constexpr char kDefaultTextWFactorText[] = "0.9";
constexpr char kDefaultMarginText[] = "3";
constexpr char kDefaultRotationText[] = "0";

// The options file.
constexpr char kOptionsFileSignature[] = "Quorvelle MS Options";
constexpr char kInvalidOptionsFile[] = "Invalid options file.";
