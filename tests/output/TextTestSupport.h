// Cells with text, and the texts drawn for them read back in master units, for the
// tests of cell text drawing.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "host/mselement.h"
#include "host/msmodel.h"
#include "model/CAutoCell.h"
#include "settings/FontResolution.h"
#include "tests/output/DrawerTestSupport.h"

// A text element or a text node as drawn, with a node's lines after it.
struct DrawnText {
  int type = 0;
  std::u16string text;
  double x = 0, y = 0;
  double height = 0, width = 0;
  int just = 0;
  double degrees = 0;
  TextParamWide params;
  LevelID level = 0;
  UInt32 color = 0, weight = 0;
  int depth = 0;  // 1 for the lines of a node
};

class CellTextTest : public DrawerTest {
 protected:
  void SetUp() override {
    DrawerTest::SetUp();
    // A resource font advances one text width per character: widths below are counts.
    UInt32 standard = static_cast<UInt32>(FindMSFontNumber("STANDARD", kFontKindDgn));
    mdlParams_setActive(&standard, ACTIVEPARAM_FONT);
  }

  // A 10-point text in a cell at (10, 5), in the active font; with the default
  // options a character is 9 wide and the room for text is the cell's width less the
  // 3-point margin.
  static CAutoCell TextCell(std::u16string_view text, double width = 60, double height = 20) {
    CAutoCell cell;
    cell.Address = cell.MergeAddress = "$B$2";
    cell.Left = 10;
    cell.Top = 5;
    cell.Width = cell.LayoutWidth = width;
    cell.Height = cell.LayoutHeight = height;
    cell.Font.Size = 10;
    cell.Font.Name = "No Such Font";  // drawn in the active font
    cell.SetText(text);
    return cell;
  }

  std::vector<DrawnText> Drawn() const {
    std::vector<DrawnText> out;
    for (const MSElementDescr* m = cell->h.firstElem; m; m = m->h.next) {
      Add(m->el, 0, out);
      if (m->el.type == TEXT_NODE_ELM)
        for (const MSElementDescr* line = m->h.firstElem; line; line = line->h.next) Add(line->el, 1, out);
    }
    return out;
  }

 private:
  static void Add(const MSElement& el, int depth, std::vector<DrawnText>& out) {
    const double uor = mdlModelRef_getUorPerMaster(mdlModelRef_getActive());
    DrawnText t;
    t.type = el.type;
    t.text = el.text;
    t.x = el.origin.x / uor;
    t.y = el.origin.y / uor;
    t.height = el.height / uor;
    t.width = el.width / uor;
    t.just = el.textParams.just;
    t.degrees = std::atan2(el.matrix.form3d[1][0], el.matrix.form3d[0][0]) * 180 / std::acos(-1.0);
    t.params = el.textParams;
    t.level = el.level;
    t.color = el.color;
    t.weight = el.weight;
    t.depth = depth;
    out.push_back(t);
  }
};
