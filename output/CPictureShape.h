// A picture or chart of a range, saved as an image file by the add-in and attached
// beside the placed table cell as a raster.
#pragma once

#include <string>

#include "automation/ShapeRecordLayout.h"
#include "host/msraster.h"
#include "model/CAutoShape.h"

class CPictureShape : public CAutoShape {
 public:
  const char* GetRuntimeClassName() const override { return "CPictureShape"; }
  bool IsPicture() const override { return true; }

  // Without a cell descriptor: attaches the file as a raster of the active model at
  // the picture's place in the unturned table (master units, k times its points by
  // the table scale), when the option set imports this kind of object. 1 on success
  // or when not imported; 0 when the picture has no file, no size, or cannot be
  // attached. A picture is never a member of the cell: with a descriptor, nothing.
  int Draw(MSElementDescr* cellDscr) override;

  // The raster attached by Draw, or none.
  DgnRasterP Raster() const { return raster_; }

  std::string FilePath;  // a Windows path; relative to the design file once attached
  int ShapeType = kMsoPicture;  // or kMsoChart

 private:
  void MakePathRelativeToDesignFile();

  DgnRasterP raster_ = nullptr;
};
