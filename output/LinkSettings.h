// The user's settings that shape the link data (values of the product key).
#pragma once

// The form of the stored workbook path: 1 relative, 2 file name, else as held.
int LinkPathType();
// Whether tables keep their font map on the cell (SaveFontMapToCell).
bool KeepsFontMapOnCell();
