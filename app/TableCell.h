// Table cells: recognising placed ones, and the header of a new one.
#pragma once

#include "host/mselement.h"
#include "output/LinkData.h"
#include "settings/QuorvelleSetup.h"

// A new table cell header "Cell_Quorvelle" with the link data written on it, the
// option set in force as its properties when asked. When the link data cannot be
// written the header is made all the same: the table is drawn unlinked, and the
// writer has told the user why.
MSElement MakeTableHeader(const xlslinkinfo& link, bool withProperties);

// The workbook file's last modification time into the link; the user is told when it
// cannot be read, since the table then keeps no save time to compare at its update.
void ReadWorkbookSaveTime(xlslinkinfo& link);

// Whether the workbook of the link can be opened: a ProjectWise document ("*") or a
// web address ("https://") is taken as there; a local path is resolved against the
// design file and must name an existing file. When it does not, a box tells the user.
bool WorkbookOfLinkFound(const xlslinkinfo& link);
// Where a placed table cell stands, for its replacement: its origin (master units)
// is returned, its rotation and scale go into the option set, the scale divided by the
// option set's placement scale, which placing the new cell applies again. Read the
// table's options first: they decide that scale.
DPoint3d TakePlacementOf(const MSElement& cell, QuorvelleSetup& setup);

// A local path: neither a ProjectWise document nor a web address.
bool IsLocalLinkPath(const std::string& path);
