// One table: the rows of a range with its drawing objects and the option set it is
// drawn with.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/CAutoCell.h"
#include "model/CAutoShape.h"
#include "model/CQuorvelleRow.h"
#include "model/CellRecord.h"
#include "support/Serialisable.h"
#include "settings/QuorvelleSetup.h"

class CQuorvelle : public CSerialisable {
 public:
  CQuorvelle() = default;
  CQuorvelle(const CQuorvelle&) = delete;
  CQuorvelle& operator=(const CQuorvelle&) = delete;
  // The option set in force may be this table's; it goes with the table.
  ~CQuorvelle() override;
  const char* GetRuntimeClassName() const override { return "CQuorvelle"; }

  int RowCount() const { return static_cast<int>(Rows.size()); }
  // Cells in row 0, or 0 without rows.
  int ColumnCount() const { return Rows.empty() ? 0 : static_cast<int>(Rows[0].Cells.size()); }
  CAutoCell& Cell(int row, int column) { return Rows[row].Cells[column]; }
  // Whether there is anything to draw: a cell, or a drawing object.
  bool HasContents() const { return (RowCount() > 0 && ColumnCount() > 0) || !Shapes.empty(); }

  // Converts the record into a cell and appends it to the row being assembled; a
  // placeholder record (no address) is dropped. True when a cell was appended. The
  // cell is read under the option set in force, which the table is drawn with, else
  // under the table's own.
  bool AddCellToRow(CQuorvelleRow& row, const CCellRecord& record);
  // Appends the row being assembled, when it holds a cell, and takes the range
  // address and sheet name from the row's last record; the row is emptied either way.
  void CompleteRow(CQuorvelleRow& row, const CCellRecord& record);

  // The table owns the object from now on.
  void AddShape(std::unique_ptr<CAutoShape> shape);
  void AddShapeTextCell(const CAutoCell& cell) { ShapeTextCells.push_back(cell); }

  // Deletes the drawing objects, empties rows and strings, resets the options.
  void Reset();

  std::string RangeAddress;
  std::string SheetName;
  std::string WorkbookPath;
  std::vector<CQuorvelleRow> Rows;
  std::vector<std::unique_ptr<CAutoShape>> Shapes;
  std::vector<CAutoCell> ShapeTextCells;
  QuorvelleSetup Setup;
};
