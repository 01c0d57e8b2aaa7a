// The image files the add-in saves for the pictures it sends: the module reads each
// from the Windows path in the picture's record. They go into QuorvellePictures\ of
// the folder the module leaves for the add-in (CurDrawingFolder of its registry key),
// or of the temporary folder when that is absent or cannot be written, and are named
// after the workbook, the sheet and the object, so that a range sent again overwrites
// its own files.
#pragma once

#include <string>

#include "sim/excel/xlsx/WorkbookData.h"

namespace sim {

constexpr char kPictureSubfolder[] = "QuorvellePictures";

// The Windows path of the folder, ending with a backslash and created; "" when no
// folder can be written.
std::string PictureFolder();

// The file name of an object's picture: the workbook's name without its extension,
// the sheet and the object's id, with the media part's extension (".png"), every
// character a file name cannot hold made "_".
std::string PictureFileName(const std::string& workbookPath, const std::string& sheetName, int objectId,
                            const std::string& mediaPart);

// Writes the bytes of the media part, as they are, to the file at a Windows path.
// False with the reason, and no file left, when the part cannot be read, is past a
// bound of the package or an image of more pixels than kMaxImageSide a side or
// kMaxImagePixels in all, or the file cannot be written.
bool SavePicture(const WorkbookData& book, const std::string& mediaPart, const std::string& windowsPath,
                 std::string* reason);

}  // namespace sim
