// The shell's special folders (My Documents, the per-user and the common
// application-data folders) and the item identifier lists that name them.
#pragma once

#include "platform/wintypes.h"

// Folder numbers.
constexpr int CSIDL_PERSONAL = 0x0005;
constexpr int CSIDL_APPDATA = 0x001a;
constexpr int CSIDL_COMMON_APPDATA = 0x0023;
// Or-ed into a folder number: create the folder when it is missing.
constexpr int CSIDL_FLAG_CREATE = 0x8000;
constexpr int CSIDL_FLAG_MASK = 0xFF00;

// An item identifier list: items of `cb` bytes each (the count included), ended by
// an item whose `cb` is 0. Callers treat it as opaque.
struct SHITEMID {
  WORD cb;
  BYTE abID[1];
};
struct ITEMIDLIST {
  SHITEMID mkid;
};
using ITEMIDLIST_ABSOLUTE = ITEMIDLIST;
using PIDLIST_ABSOLUTE = ITEMIDLIST_ABSOLUTE*;
using PCIDLIST_ABSOLUTE = const ITEMIDLIST_ABSOLUTE*;

// S_OK and *ppidl set to a list the caller frees with CoTaskMemFree; on failure a
// failure HRESULT (negative) and *ppidl NULL: an unknown folder number, or a folder
// that is not there (unless CSIDL_FLAG_CREATE asks for it to be created).
HRESULT SHGetSpecialFolderLocation(HWND hwnd, int csidl, PIDLIST_ABSOLUTE* ppidl);
// The file system path of the list into pszPath (MAX_PATH characters). FALSE, and
// pszPath empty, for a list that names no file system folder or a path too long.
BOOL SHGetPathFromIDListA(PCIDLIST_ABSOLUTE pidl, LPSTR pszPath);
// Frees memory the shell handed out; NULL is allowed.
void CoTaskMemFree(LPVOID pv);

// The folder's path into pszPath (MAX_PATH characters); fCreate creates it when it
// is missing. FALSE when it is unknown or not there.
BOOL SHGetSpecialFolderPathA(HWND hwndOwner, LPSTR pszPath, int csidl, BOOL fCreate);

// The folder browser.
using BFFCALLBACK = int (*)(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);
struct BROWSEINFOA {
  HWND hwndOwner;
  PCIDLIST_ABSOLUTE pidlRoot;
  LPSTR pszDisplayName;  // MAX_PATH characters: the chosen folder's display name
  LPCSTR lpszTitle;
  UINT ulFlags;
  BFFCALLBACK lpfn;
  LPARAM lParam;
  int iImage;
};
constexpr UINT BIF_RETURNONLYFSDIRS = 0x00000001;

// The list naming the folder the person chose (free it with CoTaskMemFree), or NULL
// when they cancel.
PIDLIST_ABSOLUTE SHBrowseForFolderA(BROWSEINFOA* lpbi);
