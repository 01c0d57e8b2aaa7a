// The texts the output of a table shows, in one place.
#pragma once

constexpr char kOutputOperationName[] = "CQVUtiMStation::OutputTableToDgn";
constexpr char kOutputPromptTableOrigin[] = "Enter table origin";

// Completion bars.
constexpr char kBarDrawingContents[] = "Drawing the contents:";
constexpr char kBarParsingBorders[] = "Parsing the borders:";
constexpr char kBarDrawingBorders[] = "Drawing the borders:";

// Pictures attached beside a table. The message centre's detailed text is the
// picture's file.
constexpr char kRasterAttachFailed[] = "ERROR !";
constexpr char kRasterAttached[] = "Raster attached";
constexpr char kPictureFileMissing[] = "Picture file not found";

// Drawing objects.
constexpr char kArcAngleUnrounded[] = "Failed to round the angle: %f.";
// The name of a table's picture: the table cell's element identifier and the
// picture's number, both in upper-case hexadecimal.
constexpr char kPictureNameFormat[] = "%llX_%X";
constexpr char kCellIdFormat[] = "%llX";

constexpr char kTableCellNotAdded[] = "The table could not be added to the design file.";
