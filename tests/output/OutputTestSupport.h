// A table to draw, the option set in force, the pending table cell and the design
// file read back, for the tests of the table output.
#pragma once

#include <nlohmann/json.hpp>

#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/mselement.h"
#include "host/mselmdscr.h"
#include "host/msmodel.h"
#include "model/CAutoShape.h"
#include "output/CPictureShape.h"
#include "model/CQuorvelle.h"
#include "sim/SimHost.h"
#include "sim/SimOutput.h"
#include "sim/platform/SimPlatform.h"
#include "tests/TestSupport.h"

// A real picture file: a PNG of one pixel.
inline void WritePng(const std::string& linuxPath) {
  static const unsigned char png[] = {
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
      0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x90, 0x77, 0x53, 0xDE, 0x00, 0x00, 0x00,
      0x0C, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0x00, 0x00, 0x03, 0x01, 0x01, 0x00, 0xC9,
      0xFE, 0x92, 0xEF, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
  std::ofstream(linuxPath, std::ios::binary).write(reinterpret_cast<const char*>(png), sizeof png);
}

// The design file as its JSON dump.
inline nlohmann::json Dump() { return nlohmann::json::parse(sim::DumpDesignFile()); }

class OutputTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    sim::SetUnits(1000, 10, UNIT_METRES, UNIT_MILLIMETRES);
    currentOptionSet = &table.Setup;
  }
  void TearDown() override {
    mdlElmdscr_freeAll(&cell);
    currentOptionSet = nullptr;
    HostTest::TearDown();
  }

  // A new pending table cell header, as the commands make it.
  MSElementDescr* NewTableCell() {
    MSElement header;
    mdlCell_create(&header, u"Cell_Quorvelle", nullptr, 0);
    mdlElmdscr_new(&cell, nullptr, &header);
    return cell;
  }

  // Rows of cells `width` wide and `height` high, from the range's top-left corner.
  void AddGrid(int rows, int columns, double width = 20, double height = 10) {
    for (int r = 0; r < rows; ++r) {
      CQuorvelleRow row;
      for (int c = 0; c < columns; ++c) {
        CAutoCell gridCell;
        gridCell.Address = "$" + std::string(1, static_cast<char>('A' + c)) + "$" + std::to_string(r + 1);
        gridCell.MergeAddress = gridCell.Address;
        gridCell.Left = c * width;
        gridCell.Top = r * height;
        gridCell.Width = gridCell.LayoutWidth = width;
        gridCell.Height = gridCell.LayoutHeight = height;
        row.Cells.push_back(gridCell);
      }
      table.Rows.push_back(row);
    }
  }

  // A picture of the table, its file a real picture in the test's folder.
  CPictureShape* AddPicture(double left, double top, double width, double height, const std::string& file = "p.png") {
    WritePng(dir.File(file));
    auto picture = std::make_unique<CPictureShape>();
    picture->Left = left;
    picture->Top = top;
    picture->Width = width;
    picture->Height = height;
    picture->FilePath = sim::ToWindowsPath(dir.File(file));
    CPictureShape* raw = picture.get();
    table.AddShape(std::move(picture));
    return raw;
  }

  CQuorvelle table;
  MSElementDescr* cell = nullptr;
};

// A drawing object that draws one line from its left edge to its right edge into the
// cell, or throws, and counts how often it was asked. It may pass for a picture.
class CLineForTest : public CAutoShape {
 public:
  bool IsPicture() const override { return picture; }
  int Draw(MSElementDescr* cellDscr) override {
    ++calls;
    if (fails) throw std::runtime_error("drawing failed");
    DPoint3d points[2] = {{Left, -Top, 0}, {Left + Width, -Top, 0}};
    MSElement line;
    mdlLine_create(&line, nullptr, points);
    mdlElmdscr_appendElement(cellDscr, &line);
    return 1;
  }
  int calls = 0;
  bool fails = false;
  bool picture = false;
};

// The completion bar events, in order.
inline std::vector<sim::OutputEvent> BarEvents() {
  std::vector<sim::OutputEvent> bars;
  for (const auto& e : sim::OutputLog())
    if (e.kind == sim::OutputKind::CompletionOpen || e.kind == sim::OutputKind::CompletionUpdate ||
        e.kind == sim::OutputKind::CompletionClose)
      bars.push_back(e);
  return bars;
}
