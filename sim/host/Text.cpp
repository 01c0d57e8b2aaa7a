// Texts and text nodes.
#include <cmath>
#include <cstring>

#include "host/mstext.h"
#include "sim/SimFailures.h"
#include "sim/Strings.h"
#include "sim/dgn/ElementGeometry.h"
#include "sim/dgn/TextLayout.h"
#include "sim/host/Descriptors.h"
#include "sim/host/HostState.h"

namespace {

bool SoundSize(const TextSizeParam* size) {
  return size && std::isfinite(size->width) && std::isfinite(size->height) && size->width > 0 && size->height > 0;
}

// A text element in current units (not yet in storage units).
MSElement MakeText(const std::u16string& text, const DPoint3d& origin, const RotMatrix* rMatrix,
                   const TextSizeParam& size, const TextParamWide& params, const MSElement* in) {
  MSElement el;
  el.type = TEXT_ELM;
  el.text = text;
  el.origin = origin;
  if (rMatrix) el.matrix = *rMatrix;
  el.height = size.height;
  el.width = size.width;
  el.textParams = params;
  sim::ApplyTemplate(el, in);
  return el;
}

void BoxFromStorage(DPoint3d shape[5], const DPoint3d box[5]) {
  for (int i = 0; i < 5; ++i) shape[i] = sim::FromStorage(box[i]);
}

// Without a size or parameters a node takes the active text size and font.
TextSizeParam ActiveSize() {
  TextSizeParam s;
  s.width = sim::LengthFromStorage(sim::Model().activeTextWidth);
  s.height = sim::LengthFromStorage(sim::Model().activeTextHeight);
  return s;
}

TextParamWide ActiveParams() {
  TextParamWide p;
  p.font = sim::Model().activeFont;
  return p;
}

StatusInt CreateNode(MSElementDescr** node, const std::vector<std::u16string>& lines, const MSElement* in,
                     const DPoint3d* origin, const RotMatrix* rMatrix, const TextSizeParam* givenSize,
                     const TextParamWide* givenParams) {
  const TextSizeParam activeSize = ActiveSize();
  const TextParamWide activeParams = ActiveParams();
  const TextSizeParam* size = givenSize ? givenSize : &activeSize;
  const TextParamWide* params = givenParams ? givenParams : &activeParams;
  if (!node || !origin || !SoundSize(size) || sim::ShouldFail("mdlTextNode_createWithStringsWide")) return ERROR;
  ElementNode tree;
  MSElement& header = tree.el;
  header.type = TEXT_NODE_ELM;
  header.origin = *origin;
  if (rMatrix) header.matrix = *rMatrix;
  header.height = size->height;
  header.width = size->width;
  header.textParams = *params;
  sim::ApplyTemplate(header, in);

  std::vector<double> widths;
  for (const auto& line : lines) widths.push_back(sim::TextAdvance(params->font, line, size->width, size->height));
  std::vector<DPoint3d> origins = sim::NodeLineOrigins(header, widths);
  TextParamWide lineParams = *params;
  lineParams.just = TXTJUST_LB;
  for (size_t i = 0; i < lines.size(); ++i)
    if (!lines[i].empty()) tree.members.push_back({MakeText(lines[i], origins[i], rMatrix, *size, lineParams, in), {}});
  if (tree.members.empty() || sim::NodeProblem(tree)) return ERROR;
  sim::NodeToStorage(tree);
  *node = sim::NewDescriptor(tree, nullptr);
  return SUCCESS;
}

}  // namespace

StatusInt mdlText_createWide(MSElement* out, const MSElement* in, const MSWChar* text, const DPoint3d* origin,
                             const RotMatrix* rMatrix, const TextSizeParam* size, const TextParamWide* params,
                             const void*, DgnModelRefP) {
  const TextSizeParam activeSize = ActiveSize();
  const TextParamWide activeParams = ActiveParams();
  if (!size) size = &activeSize;
  if (!params) params = &activeParams;
  if (!out || !text || !*text || !origin || !SoundSize(size) || sim::ShouldFail("mdlText_createWide")) return ERROR;
  MSElement el = MakeText(text, *origin, rMatrix, *size, *params, in);
  if (sim::GeometryProblem(el) || mdlElement_size(&el) > MAX_ELEMENT_SIZE) return ERROR;
  sim::ElementToStorage(el);
  *out = std::move(el);
  return SUCCESS;
}

UInt32 mdlText_getCurrentFont() { return sim::Model().activeFont; }

StatusInt mdlText_extractShape(DPoint3d shape[5], DPoint3d* userOrigin, const MSElement* text, int, int) {
  if (!shape || !text || text->type != TEXT_ELM) return ERROR;
  DPoint3d box[5];
  sim::TextBox(box, *text);
  BoxFromStorage(shape, box);
  if (userOrigin) *userOrigin = sim::FromStorage(text->origin);
  return SUCCESS;
}

StatusInt mdlText_extractStringW(MSWChar* string, int maxChars, const MSElement* text) {
  if (!string || maxChars <= 0 || !text || text->type != TEXT_ELM) return ERROR;
  sim::CopyWide(string, maxChars, text->text);
  return SUCCESS;
}

StatusInt mdlTextNode_createWithStringsWide(MSElementDescr** node, const MSWChar* const* strings, int numStrings,
                                            const MSElement* in, const DPoint3d* origin, const RotMatrix* rMatrix,
                                            const TextSizeParam* size, const TextParamWide* params, DgnModelRefP) {
  if (!strings || numStrings <= 0) return ERROR;
  std::vector<std::u16string> lines;
  for (int i = 0; i < numStrings; ++i) lines.emplace_back(strings[i] ? strings[i] : u"");
  return CreateNode(node, lines, in, origin, rMatrix, size, params);
}

StatusInt mdlTextNode_createWithStrings(MSElementDescr** node, const char* const* strings, int numStrings,
                                        const MSElement* in, const DPoint3d* origin, const RotMatrix* rMatrix,
                                        const TextSizeParam* size, const TextParamWide* params, DgnModelRefP) {
  if (!strings || numStrings <= 0) return ERROR;
  std::vector<std::u16string> lines;
  for (int i = 0; i < numStrings; ++i) lines.push_back(strings[i] ? sim::Utf8ToUtf16(strings[i]) : u"");
  return CreateNode(node, lines, in, origin, rMatrix, size, params);
}

StatusInt mdlTextNode_extractShape(DPoint3d shape[5], DPoint3d* userOrigin, const MSElementDescr* node, int, int) {
  if (!shape || !node || node->el.type != TEXT_NODE_ELM) return ERROR;
  DPoint3d box[5];
  sim::TextNodeBox(box, sim::NodeOf(node));
  BoxFromStorage(shape, box);
  if (userOrigin) *userOrigin = sim::FromStorage(node->el.origin);
  return SUCCESS;
}
