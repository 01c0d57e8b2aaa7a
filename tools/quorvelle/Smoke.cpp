#include "tools/quorvelle/Smoke.h"

#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "host/mstext.h"

std::string DrawSmokeSample() {
  mdlCurrTrans_begin();
  mdlCurrTrans_masterUnitsIdentity(0);
  MSElement header;
  mdlCell_create(&header, u"Smoke", nullptr, 0);
  MSElementDescr* cell = nullptr;
  mdlElmdscr_new(&cell, nullptr, &header);

  const double w = 60, h = 20;
  UInt32 colour = 3, grey = 9, weight = 1;
  MSElement el;
  DPoint3d fill[5] = {{0, 0, 0}, {2 * w, 0, 0}, {2 * w, -h, 0}, {0, -h, 0}, {0, 0, 0}};
  mdlShape_create(&el, nullptr, fill, 5, 1);
  mdlElement_setSymbology(&el, &grey, nullptr, nullptr);
  mdlElmdscr_appendElement(cell, &el);
  for (int r = 0; r <= 2; ++r) {
    DPoint3d line[2] = {{0, -r * h, 0}, {2 * w, -r * h, 0}};
    mdlLine_create(&el, nullptr, line);
    mdlElement_setSymbology(&el, nullptr, nullptr, &weight);
    mdlElmdscr_appendElement(cell, &el);
  }
  for (int k = 0; k <= 2; ++k) {
    DPoint3d line[2] = {{k * w, 0, 0}, {k * w, -2 * h, 0}};
    mdlLine_create(&el, nullptr, line);
    mdlElmdscr_appendElement(cell, &el);
  }
  DPoint3d centre{w / 2, -1.5 * h, 0};
  mdlEllipse_create(&el, nullptr, &centre, w / 3, h / 3, nullptr, 0);
  mdlElement_setSymbology(&el, &colour, nullptr, nullptr);
  mdlElmdscr_appendElement(cell, &el);
  DPoint3d arcCentre{1.5 * w, -2 * h, 0};
  mdlArc_create(&el, nullptr, &arcCentre, h * 0.8, h * 0.8, nullptr, 0, fc_pi);
  mdlElmdscr_appendElement(cell, &el);

  TextSizeParam size;
  size.height = 5;
  size.width = 4.5;
  TextParamWide params;
  params.just = TXTJUST_CC;
  params.lineSpacing = 0.75 * size.height;
  const MSWChar* lines[] = {u"Quorvelle", u"host smoke"};
  MSElementDescr* node = nullptr;
  DPoint3d textOrigin{1.5 * w, -h / 2, 0};
  mdlTextNode_createWithStringsWide(&node, lines, 2, nullptr, &textOrigin, nullptr, &size, &params, nullptr);
  if (node) mdlElmdscr_appendDscr(cell, node);

  RotMatrix rotation;
  mdlRMatrix_fromAngle(&rotation, fc_pi / 12);
  Transform t;
  mdlTMatrix_fromRMatrix(&t, &rotation);
  mdlTMatrix_scale(&t, &t, 1.5, 1.5, 1);
  DPoint3d origin{100, 50, 0};
  mdlTMatrix_setTranslation(&t, &origin);
  mdlElmdscr_transform(cell, &t);
  ULong pos = mdlElmdscr_add(cell);
  mdlElmdscr_freeAll(&cell);
  mdlCurrTrans_end();
  return pos ? "" : "The sample cell could not be added.";
}
