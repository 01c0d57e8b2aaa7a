// Workbooks for the reader's tests: the real ones in tests/fixtures/xlsx, and small
// ones made on the spot.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/excel/xlsx/MinimalWorkbook.h"
#include "sim/excel/xlsx/WorkbookReader.h"
#include "sim/excel/xlsx/ZipArchiveWriter.h"

inline std::string XlsxFixture(const std::string& name) { return QV_SOURCE_DIR "/tests/fixtures/xlsx/" + name; }

// A fixture workbook, which must open.
inline std::shared_ptr<const sim::WorkbookData> OpenFixture(const std::string& name) {
  std::string error;
  auto book = sim::ReadWorkbook(XlsxFixture(name), &error);
  EXPECT_TRUE(book) << name << ": " << error;
  return book;
}

// The style of a cell of the first sheet (the cell must exist).
inline const sim::CellStyle& StyleAt(const sim::WorkbookData& book, int row, int column) {
  const sim::CellData* cell = book.sheets.at(0).FindCell(row, column);
  if (!cell) throw std::runtime_error("no cell at " + std::to_string(row) + "," + std::to_string(column));
  return *cell->style;
}

inline std::string Zip(const std::vector<sim::ZipEntry>& entries) {
  std::string error;
  std::string bytes = sim::MakeZipArchive(entries, &error);
  EXPECT_FALSE(bytes.empty()) << error;
  return bytes;
}

// Reads a workbook from bytes; *error holds the message when it is refused.
inline std::shared_ptr<const sim::WorkbookData> ReadBytes(const std::string& bytes, std::string* error) {
  return sim::ReadWorkbookFromMemory(bytes.data(), bytes.size(), error);
}

inline std::shared_ptr<const sim::WorkbookData> ReadParts(const sim::MinimalWorkbookParts& parts, std::string* error) {
  return ReadBytes(Zip(sim::MinimalWorkbookEntries(parts)), error);
}

// Pieces of a drawing part for workbooks made on the spot.
constexpr const char* kDrawingStart =
    "<xdr:wsDr xmlns:xdr='http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing' "
    "xmlns:a='http://schemas.openxmlformats.org/drawingml/2006/main' "
    "xmlns:r='http://schemas.openxmlformats.org/officeDocument/2006/relationships' "
    "xmlns:c='http://schemas.openxmlformats.org/drawingml/2006/chart' "
    "xmlns:mc='http://schemas.openxmlformats.org/markup-compatibility/2006'>";

inline std::string Marker(const std::string& name, int column, int row, long long columnOffset = 0,
                          long long rowOffset = 0) {
  return "<xdr:" + name + "><xdr:col>" + std::to_string(column) + "</xdr:col><xdr:colOff>" +
         std::to_string(columnOffset) + "</xdr:colOff><xdr:row>" + std::to_string(row) + "</xdr:row><xdr:rowOff>" +
         std::to_string(rowOffset) + "</xdr:rowOff></xdr:" + name + ">";
}

// The opening of a two-cell anchor from one cell's top-left corner to another's.
inline std::string TwoCell(int fromColumn, int fromRow, int toColumn, int toRow) {
  return "<xdr:twoCellAnchor>" + Marker("from", fromColumn, fromRow) + Marker("to", toColumn, toRow);
}

// The closing tag of an anchor opened by `anchorStart` ("<xdr:oneCellAnchor>...").
inline std::string AnchorEnd(const std::string& anchorStart) {
  return "</" + anchorStart.substr(1, anchorStart.find('>') - 1) + ">";
}

inline std::string ImageRelationship(const std::string& id, const std::string& target) {
  return "<Relationship Id='" + id +
         "' Type='http://schemas.openxmlformats.org/officeDocument/2006/relationships/image' Target='" + target + "'/>";
}
