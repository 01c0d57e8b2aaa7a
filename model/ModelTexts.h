// The texts the table model shows, in one place.
#pragma once

// A cell record whose place or size no drawing can have; the cell's address follows.
constexpr char kCellCannotBeDrawn[] = "The cell %s sent by Excel has a place or size that cannot be drawn; it is left out.";

// The layout passes as breadcrumbs name them.
constexpr char kColumnWidthsOperation[] = "CQuorvelle::ChangeColumnWidths";
constexpr char kRowHeightsOperation[] = "CQuorvelle::ChangeRowHeights";
constexpr char kFontHeightsOperation[] = "CQuorvelle::ChangeFontHeights";
