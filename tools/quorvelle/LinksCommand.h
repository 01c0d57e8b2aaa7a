// The links of the placed tables, as the shell lists them and as a person changes
// them in the link manager's dialog:
//   links [--json]                     the list
//   links update OLDKEY NEWKEY         re-point a link (the dialog's Update)
//   links break KEY                    break a link (Break Link)
//   links open KEY                     open its workbook in Excel at its range
//   links replace-folder OLD NEW       move every link under OLD to NEW (Replace)
// A KEY is a link's number in the list, or PATH|SHEET|RANGE (letter case aside).
// The dialog's questions are answered Yes by --yes, else asked on the terminal, else
// answered No.
#pragma once

#include <string>
#include <vector>

#include "tools/quorvelle/ModuleLoader.h"

struct LinksRequest {
  std::vector<std::string> words;
  bool json = false;
  bool yes = false;
};

// Whether the words name the list (which changes nothing and needs no module).
bool IsLinkListing(const LinksRequest& request);
// Prints the list; empty on success, else what was wrong.
std::string ListLinks(const LinksRequest& request);
// Runs the change in the link manager on every table of the design file; empty when
// it was done, else why not.
std::string RunLinkChange(ModuleLoader& module, const LinksRequest& request);
