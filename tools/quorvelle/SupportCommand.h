// The support commands of the host's menu, run as a person at the host would:
//   support about                           the About box's texts
//   support mail                            the support e-mail the mail client would get
//   support demo                            the page the browser would open
//   support check-update [--server HOST]    the update check's status line (and the
//                                           download page when a newer version exists)
//   support help                            the help sample, placed in the design file
// --server HOST[:PORT] asks that server for this run only.
#pragma once

#include <string>
#include <vector>

#include "tools/quorvelle/ModuleLoader.h"

struct SupportRequest {
  std::vector<std::string> words;
  std::string server;
};

// Whether the command places into the design file (and so needs one).
bool SupportNeedsDesign(const SupportRequest& request);
// Prints what the command shows or would open; empty when it did what was asked,
// else why not.
std::string RunSupportCommand(ModuleLoader& module, const SupportRequest& request);
