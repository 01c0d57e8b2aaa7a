// Asking the person for a file or a folder: the system's file and folder dialogs,
// and the document picker of the ProjectWise component's library.
#pragma once

#include <string>

#include "platform/wintypes.h"

// The file chosen to open; false when the person cancels. The filter is written the
// way dialogs of the module write it: "name|patterns|name|patterns||". The read-only
// check box is hidden.
// The dialog starts in `initialFolder` when one is given.
bool PickFileToOpen(HWND owner, const char* defaultExtension, const char* filter, std::string* path,
                    const std::string& initialFolder = "");
// The file chosen to save to, `initialName` proposed; false when the person cancels.
// Replacing a file that is there is asked first.
bool PickFileToSave(HWND owner, const char* defaultExtension, const char* filter, std::string* path,
                    const std::string& initialFolder = "", const std::string& initialName = "");
// The file-system folder chosen in the folder browser with this title; false when the
// person cancels.
bool PickFolder(HWND owner, const char* title, std::string* folder);

// A document chosen on the ProjectWise server through the component's library at
// `libraryPath` (its path as the ProjectWise installation registered it). False when
// no document was chosen; a library that is missing or cannot be loaded is reported
// in a box first. The caller then offers its own file dialog.
bool PickProjectWiseDocument(HWND owner, const std::string& libraryPath, std::u16string* document);
// A document the person chose on the ProjectWise server, fetched as a local copy that
// the caller deletes after use; false as above.
bool FetchProjectWiseDocument(HWND owner, const std::string& libraryPath, int openMode, std::u16string* localCopy);
