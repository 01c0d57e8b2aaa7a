// Excel's absolute A1 addresses ($C$7, $B$3:$D$9): built from row and column numbers
// and read back. Columns run from 1 (A) to 702 (ZZ); rows from 1 to Excel's last,
// 1048576.
#pragma once

#include <string>
#include <string_view>

constexpr int kLastAddressColumn = 702;
constexpr int kLastAddressRow = 1048576;

// "$" column letters "$" row; "" when the row or the column is outside the sheet.
std::string AbsoluteCellAddress(int row, int column);

// How an address is read. Layout reads the text as written, letters in upper case
// only, and gives the row of a whole-row address ($5:$7) though the reading fails;
// Borders reads letters of either case and has no whole-row case.
enum class AddressReading { Layout, Borders };

// The first cell of an address (the cell itself, or the first of a range): true with
// its row and column. False for a text without "$", for a whole-row address (whose
// row Layout still gives) and for anything not a cell.
bool ParseRangeStart(std::string_view address, int* row, int* column,
                     AddressReading reading = AddressReading::Layout);
// The second cell of a range: the text after the first ":", which must start with
// "$"; read as ParseRangeStart reads the first, Layout.
bool ParseRangeEnd(std::string_view address, int* row, int* column);
