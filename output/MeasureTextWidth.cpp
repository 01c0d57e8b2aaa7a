#include "host/mstext.h"
#include "output/CQVUtiMStation.h"
#include "output/WorkingView.h"

double CQVUtiMStation::MeasureTextWidth(std::u16string_view text, const TextSizeParam& size,
                                        const TextParamWide& params) {
  // The host takes a terminated string.
  thread_local std::u16string terminated;
  terminated.assign(text);
  const DPoint3d origin{0, 0, 0};
  MSElement element;
  if (mdlText_createWide(&element, nullptr, terminated.c_str(), &origin, nullptr, &size, &params, nullptr, nullptr) !=
      SUCCESS)
    return 0.0;
  DPoint3d shape[5];
  if (mdlText_extractShape(shape, nullptr, &element, 0, CommandView()) != SUCCESS) return 0.0;
  return shape[1].x - shape[0].x;
}
