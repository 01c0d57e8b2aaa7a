#include "support/SampleTextNode.h"

#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "host/mstext.h"

namespace {
// The node is freed however the placing ends, a fault in the host included.
struct NodeDescriptor {
  MSElementDescr* node = nullptr;
  ~NodeDescriptor() {
    if (node) mdlElmdscr_freeAll(&node);
  }
};
}  // namespace

void PlaceSampleTextNode() {
  const double uor = mdlModelRef_getUorPerMaster(mdlModelRef_getActive());
  const DPoint3d origin{3 * uor, 3 * uor, 0};
  const char* const strings[] = {"YD"};
  NodeDescriptor sample;
  if (mdlTextNode_createWithStrings(&sample.node, strings, 1, nullptr, &origin, nullptr, nullptr, nullptr,
                                    mdlModelRef_getActive()) != SUCCESS ||
      !sample.node)
    return;
  DPoint3d shape[5];
  DPoint3d userOrigin{};
  MSElement text;
  TextParamWide params;
  params.font = mdlText_getCurrentFont();
  if (mdlTextNode_extractShape(shape, &userOrigin, sample.node, 0, 0) == SUCCESS &&
      mdlText_createWide(&text, nullptr, u"7", &shape[0], nullptr, nullptr, &params, nullptr,
                         mdlModelRef_getActive()) == SUCCESS &&
      mdlElmdscr_appendElement(sample.node, &text) == SUCCESS)
    mdlElmdscr_add(sample.node);
}
