// Elements of the design file and the operations that create, read, change and
// remove them. An element is held by value (the host's element buffer); the
// geometry is in storage units, and the create and extract operations convert from
// and to the units of the current transformation (see msmodel.h).
#pragma once

#include <string>
#include <vector>

#include "host/msgeom.h"
#include "host/mstypes.h"

// One string linkage: a 16-bit key and a UTF-16 text.
struct StringLinkage {
  UShort key = 0;
  std::u16string text;
};

// Text size: mode 1 gives width and height in the current units.
struct TextSizeParam {
  int mode = 1;
  double width = 0;
  double height = 0;
  double aspectRatio = 1;
};

// Bits of TextParamWide::flags.
constexpr UInt32 TXTFLAG_UNDERLINE = 1u << 2;
constexpr UInt32 TXTFLAG_ITALICS = 1u << 3;
constexpr UInt32 TXTFLAG_SUPERSCRIPT = 1u << 12;
constexpr UInt32 TXTFLAG_SUBSCRIPT = 1u << 13;
// Fields of TextParamWide::exFlags.
constexpr UInt32 TXTEXFLAG_STACKEDFRACTION_SECTION_SHIFT = 1;  // 2 bits: 1 numerator, 2 denominator
constexpr UInt32 TXTEXFLAG_STACKEDFRACTION_SECTION_MASK = 3u << 1;
constexpr UInt32 TXTEXFLAG_STACKEDFRACTION_TYPE_SHIFT = 3;     // 2 bits
constexpr UInt32 TXTEXFLAG_STACKEDFRACTION_TYPE_MASK = 3u << 3;
constexpr UInt32 TXTEXFLAG_STACKEDFRACTION_ALIGN_SHIFT = 5;    // 2 bits
constexpr UInt32 TXTEXFLAG_STACKEDFRACTION_ALIGN_MASK = 3u << 5;
constexpr UInt32 TXTEXFLAG_BOLD = 1u << 15;

// Justification codes.
constexpr int TXTJUST_LT = 0;
constexpr int TXTJUST_LC = 1;
constexpr int TXTJUST_LB = 2;
constexpr int TXTJUST_CT = 6;
constexpr int TXTJUST_CC = 7;
constexpr int TXTJUST_CB = 8;
constexpr int TXTJUST_RT = 12;
constexpr int TXTJUST_RC = 13;
constexpr int TXTJUST_RB = 14;

// The host's text parameters.
struct TextParamWide {
  UInt32 font = 0;
  int just = TXTJUST_LB;
  double lineSpacing = 0;
  UInt32 flags = 0;
  UInt32 exFlags = 0;
  double underlineSpacing = 0;
  int nodeNumber = 0;
  int viewIndependent = 0;
};

// The element buffer. Which geometry fields are used depends on `type`:
//  line, line string, shape: points (a shape is closed: last point = first), fill
//  ellipse, arc: origin (centre), matrix (orthonormal axes), primary and secondary
//    radius, start and sweep (radians; an ellipse sweeps 2 pi), fill (ellipse)
//  cell header: name, origin, matrix (rotation times scale); members follow it in
//    its descriptor
//  text: text, origin (the justification point), matrix (rotation), height, width,
//    textParams
//  text node: origin, matrix, height, width, textParams; lines follow it in its
//    descriptor
struct MSElement {
  int type = 0;
  ElementID id = INVALID_ELEMENTID;
  LevelID level = LEVEL_DEFAULT_LEVEL_ID;
  UInt32 color = 0;
  UInt32 weight = 0;
  Int32 style = 0;
  int elementClass = 0;
  UInt32 graphicGroup = 0;
  int locked = 0;
  int viewIndependent = 0;
  int solidHole = 0;

  std::vector<DPoint3d> points;
  int fillMode = 0;  // FILL_NONE or FILL_OPAQUE; a fill takes the element's colour
  DPoint3d origin;
  RotMatrix matrix;
  double primary = 0;
  double secondary = 0;
  double start = 0;
  double sweep = 0;
  std::u16string name;
  std::u16string text;
  double height = 0;
  double width = 0;
  TextParamWide textParams;

  std::vector<StringLinkage> linkages;
};

// Size of the element with its linkages in bytes, as the host counts it against
// MAX_ELEMENT_SIZE.
int mdlElement_size(const MSElement* element);

// Reads the top-level element at the file position (its header only for complex
// elements). 0 when read.
int mdlElement_read(MSElement* element, DgnModelRefP modelRef, ULong filePos);
ElementID mdlElement_getID(const MSElement* element);
int mdlElement_getType(const MSElement* element);
// Adds a simple element to the active model; the new file position, 0 on failure.
ULong mdlElement_add(MSElement* element);
// Replaces the top-level element at the file position by newElement (a complex
// element keeps its members); the file position on success, 0 on failure.
ULong mdlElement_rewrite(MSElement* newElement, const MSElement* oldElement, ULong filePos);
// Deletes the top-level element at the file position so that the host's undo can
// bring it back.
StatusInt mdlElement_undoableDelete(MSElement* element, ULong filePos, int display);
StatusInt mdlElement_display(const MSElement* element, int drawMode);
StatusInt mdlElement_transform(MSElement* out, const MSElement* in, const Transform* tMatrix);

// Null arguments leave the value as it is.
StatusInt mdlElement_setSymbology(MSElement* element, const UInt32* color, const Int32* style,
                                  const UInt32* weight);
StatusInt mdlElement_getSymbology(UInt32* color, Int32* style, UInt32* weight, const MSElement* element);
StatusInt mdlElement_setProperties(MSElement* element, const LevelID* level, const UInt32* graphicGroup,
                                   const int* elementClass, const int* locked, const int* newElement,
                                   const int* modified, const int* viewIndependent, const int* solidHole);
StatusInt mdlElement_getProperties(LevelID* level, UInt32* graphicGroup, int* elementClass, int* locked,
                                   int* newElement, int* modified, int* viewIndependent, int* solidHole,
                                   const MSElement* element);

// Which file position mdlElement_getFilePos answers for.
constexpr int FILEPOS_CURRENT = 0;
// The file position of the element the last locate accepted (FILEPOS_CURRENT).
ULong mdlElement_getFilePos(int which, DgnModelRefP* modelRef);

// Element references: the persistent identity of a top-level element in a model.
ULong elementRef_getFilePos(ElementRef elementRef);
DgnCacheP mdlModelRef_getCache(DgnModelRefP modelRef);
// The live top-level element with the identifier or at the file position, or none.
ElementRef dgnCache_findElemByID(DgnCacheP cache, ElementID id);
ElementRef dgnCache_findElemByFilePos(DgnCacheP cache, ULong filePos);

// Creation. `in` is a template whose symbology and level are copied (may be null).
// All return SUCCESS or ERROR.
StatusInt mdlLine_create(MSElement* out, const MSElement* in, const DPoint3d points[2]);
StatusInt mdlLineString_create(MSElement* out, const MSElement* in, const DPoint3d* points, int numVerts);
StatusInt mdlShape_create(MSElement* out, const MSElement* in, const DPoint3d* points, int numVerts,
                          int fillMode);
StatusInt mdlEllipse_create(MSElement* out, const MSElement* in, const DPoint3d* center, double axis1,
                            double axis2, const RotMatrix* rotMatrix, int fillMode);
// Angles in radians; a positive sweep runs counter-clockwise.
StatusInt mdlArc_create(MSElement* out, const MSElement* in, const DPoint3d* center, double axis1,
                        double axis2, const RotMatrix* rotMatrix, double start, double sweep);
// The circular arc from start round centre to end (the shorter way), in the view's plane.
StatusInt mdlArc_createByCenter(MSElement* out, const MSElement* in, const DPoint3d* start,
                                const DPoint3d* center, const DPoint3d* end, int view);

// A cell header; without an origin the cell's origin is (0, 0, 0).
StatusInt mdlCell_create(MSElement* out, const MSWChar* cellName, const DPoint3d* origin, int pointCell);
// Origin, rotation (orthonormal) and scale of a cell header; any output may be null.
// `shape` is not used by this host and may be null.
StatusInt mdlCell_extract(DPoint3d* origin, DPoint3d* shape, RotMatrix* rMatrix, DPoint3d* scale,
                          MSWChar* cellName, int bufferSize, const MSElement* cell);
StatusInt mdlCell_extractName(MSWChar* cellName, int bufferSize, const MSElement* cell);
