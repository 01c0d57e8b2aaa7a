#include "model/CQuorvelle.h"
#include "output/CQVUtiMStation.h"
#include "output/OptionSetInForce.h"

void CQVUtiMStation::DrawObjects(CQuorvelle& table, MSElementDescr* cellDscr) {
  COptionSetInForce setup(table);
  // Pictures are no members of the cell: they are attached once the cell is placed.
  for (const auto& shape : table.Shapes)
    if (!shape->IsPicture()) shape->Draw(cellDscr);
  // The texts of text boxes are drawn whatever ImportObj says.
  for (const CAutoCell& cell : table.ShapeTextCells) DrawAutoCellText(cell, cellDscr);
}
