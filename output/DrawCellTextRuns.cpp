#include "host/msmodel.h"
#include "host/mstext.h"
#include "model/CAutoCell.h"
#include "output/CQVUtiMStation.h"
#include "output/CellTextDrawing.h"
#include "output/WorkingView.h"
#include "settings/QuorvelleSetup.h"

namespace {

constexpr double kSmallRatio = 0.66;
constexpr double kNumeratorRise = 0.5 * kSmallRatio;
constexpr double kDenominatorDrop = 0.27;
constexpr double kFractionBaselineShift = 0.2;

UInt32 FractionMark(const TextParamWide& params) { return params.exFlags & TXTEXFLAG_STACKEDFRACTION_SECTION_MASK; }

bool IsTopJust(int just) { return just == TXTJUST_LT || just == TXTJUST_CT || just == TXTJUST_RT; }
bool IsBottomJust(int just) { return just == TXTJUST_LB || just == TXTJUST_CB || just == TXTJUST_RB; }
bool IsCentredJust(int just) { return just == TXTJUST_CT || just == TXTJUST_CC || just == TXTJUST_CB; }

// The left-justified code of the same row.
int LeftVariant(int just) {
  if (just == TXTJUST_LT || just == TXTJUST_CT || just == TXTJUST_RT) return TXTJUST_LT;
  if (just == TXTJUST_LC || just == TXTJUST_CC || just == TXTJUST_RC) return TXTJUST_LC;
  if (just == TXTJUST_LB || just == TXTJUST_CB || just == TXTJUST_RB) return TXTJUST_LB;
  return just;
}

// The parameters a run is drawn with. Fraction pieces take the cell's, keeping their
// mark, and are set as stacked fractions. With a font map the run's face takes the
// font the map in force gives it (the user may have mapped it since the run was
// read); a run whose font resolved to none takes the active font, as the cell's
// text does.
TextParamWide RunParams(const CCharFont& run, const TextParamWide& cellParams) {
  if (run.EndIndex >= 0) {
    TextParamWide params = run.TextParams;
    if (currentOptionSet && !currentOptionSet->UseFontOpt && !run.FaceName.empty())
      params.font = static_cast<UInt32>(currentOptionSet->fontMap.GetFontNumber(
          run.FaceName, (params.exFlags & TXTEXFLAG_BOLD) != 0, (params.flags & TXTFLAG_ITALICS) != 0));
    if (static_cast<int>(params.font) < 0) mdlParams_getActive(&params.font, ACTIVEPARAM_FONT);
    return params;
  }
  TextParamWide params = cellParams;
  const UInt32 mark = FractionMark(run.TextParams);
  params.exFlags = (params.exFlags & ~TXTEXFLAG_STACKEDFRACTION_SECTION_MASK) | mark;
  if (mark) {
    params.exFlags &= ~(TXTEXFLAG_STACKEDFRACTION_TYPE_MASK | TXTEXFLAG_STACKEDFRACTION_ALIGN_MASK);
    params.exFlags |= (1u << TXTEXFLAG_STACKEDFRACTION_TYPE_SHIFT) | (2u << TXTEXFLAG_STACKEDFRACTION_ALIGN_SHIFT);
  }
  return params;
}

class CRunNode {
 public:
  CRunNode(const CAutoCell& cell, const CCellTextSetting& text) : cell_(cell), text_(text), pen_(text.origin) {
    small_ = text.size;
    small_.width *= kSmallRatio;
    small_.height *= kSmallRatio;
  }
  ~CRunNode() { mdlElmdscr_freeAll(&node_); }
  CRunNode(const CRunNode&) = delete;
  CRunNode& operator=(const CRunNode&) = delete;

  // False once there is no node to add to.
  bool Add(const CCharFont& run, bool first) {
    const std::u16string runText(run.GetRunText());
    TextParamWide params = RunParams(run, text_.params);
    const UInt32 mark = FractionMark(params);
    const TextSizeParam& size = mark ? small_ : text_.size;
    DPoint3d at = RunPoint(mark);
    if (first) return Start(runText, run, params, at);
    if (!(run.TextParams.flags & (TXTFLAG_SUPERSCRIPT | TXTFLAG_SUBSCRIPT))) {
      params.just = LeftVariant(text_.params.just);
      pen_.y = text_.origin.y;
      if (!mark) at = pen_;
    }
    MSElement element;
    if (mdlText_createWide(&element, nullptr, runText.c_str(), &at, nullptr, &size, &params, nullptr, nullptr) ==
            SUCCESS &&
        mdlElmdscr_appendElement(node_, &element) == SUCCESS)
      MovePen(false);
    return true;
  }

  // The node when it fits the cell's width, handed over; else null.
  MSElementDescr* TakeIfFits() {
    DPoint3d shape[5];
    if (!node_ || mdlTextNode_extractShape(shape, nullptr, node_, 0, CommandView()) != SUCCESS) return nullptr;
    const double room = text_.clipped ? text_.room : cell_.LayoutWidth - currentOptionSet->LeftMargin;
    if (!(room > shape[1].x - shape[0].x)) return nullptr;
    MSElementDescr* node = node_;
    node_ = nullptr;
    return node;
  }

 private:
  // Numerators rise and denominators drop from the text's baseline, a little less
  // for top and a little more for bottom justifications.
  DPoint3d RunPoint(UInt32 mark) const {
    if (!mark) return pen_;
    const double h = text_.size.height;
    const int just = text_.params.just;
    const double adjust = IsTopJust(just) ? -kFractionBaselineShift * h : IsBottomJust(just) ? kFractionBaselineShift * h : 0.0;
    const double rise = mark == kFractionNumerator ? kNumeratorRise * h : -kDenominatorDrop * h;
    return DPoint3d{pen_.x, text_.origin.y + rise + adjust, 0};
  }

  // The node starts with the first run. Centred text is centred as a whole: the first
  // run moves left by half the width of the rest.
  bool Start(const std::u16string& runText, const CCharFont& run, const TextParamWide& runParams, DPoint3d at) {
    const UInt32 mark = FractionMark(runParams);
    DPoint3d start = text_.origin;
    if (IsCentredJust(text_.params.just)) {
      const double rest = (CQVUtiMStation::MeasureTextWidth(*cell_.Text, text_.size, text_.params) -
                           CQVUtiMStation::MeasureTextWidth(runText, text_.size, text_.params)) *
                          0.5;
      start.x -= rest;
      at.x -= rest;
    }
    const MSWChar* strings[] = {runText.c_str()};
    const TextParamWide& params = run.EndIndex < 0 ? runParams : text_.params;
    if (mdlTextNode_createWithStringsWide(&node_, strings, 1, nullptr, mark ? &at : &start, nullptr,
                                          mark ? &small_ : &text_.size, &params, nullptr) != SUCCESS) {
      node_ = nullptr;
      return false;
    }
    MovePen(mark != 0);
    return true;
  }

  // The pen goes to the end of the node: the runs of a text follow each other as its
  // characters do, the node's shape reaching to the end of the last one's advance (a
  // gap here would show as a second space where a run ends with one).
  void MovePen(bool backToBaseline) {
    DPoint3d shape[5];
    if (mdlTextNode_extractShape(shape, nullptr, node_, 0, CommandView()) != SUCCESS) return;
    pen_ = shape[1];
    if (backToBaseline) pen_.y = text_.origin.y;
  }

  const CAutoCell& cell_;
  const CCellTextSetting& text_;
  TextSizeParam small_;
  DPoint3d pen_;
  MSElementDescr* node_ = nullptr;
};

}  // namespace

bool DrawCellTextRuns(const CAutoCell& cell, const CCellTextSetting& text, MSElementDescr* cellDscr) {
  CRunNode node(cell, text);
  bool first = true;
  for (const CCharFont& run : cell.Font.Runs) {
    if (!node.Add(run, first)) break;
    first = false;
  }
  MSElementDescr* fitted = node.TakeIfFits();
  if (!fitted) return false;
  mdlElmdscr_setSymbology(fitted, &text.color, nullptr, &text.weight, nullptr);
  mdlElmdscr_setProperties(fitted, &text.level, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  if (mdlElmdscr_appendDscr(cellDscr, fitted) != SUCCESS) {
    mdlElmdscr_freeAll(&fitted);
    return false;
  }
  return true;
}
