// One edge of a cell: Excel's line style, weight and colour as the add-in sent them,
// and the design-file style name, line code and weight derived from them.
#pragma once

#include <string>

#include "support/Serialisable.h"

class QuorvelleSetup;

// Kinds of an edge as the border passes see it.
constexpr int kEdgeKindNone = 0;
constexpr int kEdgeKindSingle = 1;
constexpr int kEdgeKindDouble = 4;

class CAutoBorder : public CSerialisable {
 public:
  const char* GetRuntimeClassName() const override { return "CAutoBorder"; }

  // Derives LineWeight from Weight and StyleName / LineCode from LineStyle by the
  // option set's border weights. A style without a derivation keeps the derived
  // fields, so an edge that never had a style stays undrawn.
  void DeriveStyle(const QuorvelleSetup& setup);
  // kEdgeKindNone without a style name, kEdgeKindDouble for "Double", else kEdgeKindSingle.
  int GetKind() const;

  std::string StyleName;  // empty: the edge is not drawn
  int LineCode = 0;
  int Color = 0xFFFFFF;
  int LineWeight = 0;
  int LineStyle = 1;
  int Weight = 2;
  unsigned char Priority = 0;  // precedence over the neighbour's edge on the same line
};
