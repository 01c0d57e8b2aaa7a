// The stand-in of a ProjectWise document server: a folder that stands for the server,
// its documents named by server paths "pw:\<path in the folder>*", local working
// copies fetched for Excel, and the person's choices in the component's document
// browser.
#pragma once

#include <string>

namespace sim {

constexpr char kServerPathPrefix[] = "pw:\\";

// The Linux folder that stands for the server; "" for none (also from the
// environment variable QUORVELLE_PW_SERVER when nothing was set).
void SetProjectWiseServer(const std::string& linuxFolder);
std::string ProjectWiseServerFolder();

// A local working copy of the document (in the temporary folder, under a name of its
// own): its Windows path, or "" with the reason the server gives.
std::string FetchServerDocument(const std::string& serverPath, std::string* error);
// The server path of a working copy fetched here (its Windows path), or "".
std::string ServerPathOfCopy(const std::string& windowsPath);

// The documents the person picks in the component's browser, in order; "" cancels.
// When none is queued the browser is cancelled.
void PushProjectWiseChoice(const std::string& serverPath);
std::string TakeProjectWiseChoice();

// Installs the component as its installer would: the marker key, the library path
// in the machine-wide product key, and the add-in loaded into every Excel started
// from now on. "" on success, else why not.
std::string InstallProjectWiseStandIn();

}  // namespace sim
