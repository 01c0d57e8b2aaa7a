#include "support/SampleTextNode.h"

#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "host/mstext.h"

void PlaceSampleTextNode() {
  const double uor = mdlModelRef_getUorPerMaster(mdlModelRef_getActive());
  const DPoint3d origin{3 * uor, 3 * uor, 0};
  const char* const strings[] = {"YD"};
  MSElementDescr* node = nullptr;
  if (mdlTextNode_createWithStrings(&node, strings, 1, nullptr, &origin, nullptr, nullptr, nullptr,
                                    mdlModelRef_getActive()) != SUCCESS ||
      !node)
    return;
  DPoint3d shape[5];
  DPoint3d userOrigin{};
  MSElement text;
  TextParamWide params;
  params.font = mdlText_getCurrentFont();
  if (mdlTextNode_extractShape(shape, &userOrigin, node, 0, 0) == SUCCESS &&
      mdlText_createWide(&text, nullptr, u"7", &shape[0], nullptr, nullptr, &params, nullptr,
                         mdlModelRef_getActive()) == SUCCESS &&
      mdlElmdscr_appendElement(node, &text) == SUCCESS)
    mdlElmdscr_add(node);
  mdlElmdscr_freeAll(&node);
}
