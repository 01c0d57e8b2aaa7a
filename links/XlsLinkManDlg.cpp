#include "links/XlsLinkManDlg.h"

#include <cstdio>
#include <vector>

#include "excel/ExcelUtils.h"
#include "host/mssystem.h"
#include "links/LinkManTexts.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "settings/Profile.h"
#include "support/TextConvert.h"
#include "ui/CommonDialogs.h"
#include "ui/UiTexts.h"

namespace {

enum Column { kColumnFile = 0, kColumnSheet = 1, kColumnRange = 2, kColumnFolderPart = 3 };

// Drive and folder ("C:\Data\") and file name with extension of a path.
struct PathParts {
  std::string folder;
  std::string file;
  std::string drive;
  std::string directory;
};

PathParts Split(const std::string& path) {
  const std::size_t room = path.size() + 1;
  std::vector<char> drive(room), dir(room), name(room), ext(room);
  PathParts parts;
  if (_splitpath_s(path.c_str(), drive.data(), room, dir.data(), room, name.data(), room, ext.data(), room) != 0)
    return parts;
  parts.drive = drive.data();
  parts.directory = dir.data();
  parts.folder = parts.drive + parts.directory;
  parts.file = std::string(name.data()) + ext.data();
  return parts;
}

std::vector<std::string> RowTexts(const xlslinkinfo& link) {
  const PathParts parts = Split(link.Path);
  return {parts.file, link.Worksheet, link.Range, parts.folder};
}

}  // namespace

CXlsLinkManDlg::CXlsLinkManDlg(const CXlsLinkMan& links, int hostWindow)
    : CDialogPresenter(kLinkManTemplate, kLinkManCaption, mdlNativeWindow_getMainHandle(hostWindow)), links_(links) {
  AddList(IDC_LINKS);
  AddControl(IDC_WORKBOOK);
  AddControl(IDC_BROWSE_WORKBOOK, kLabelBrowse);
  AddControl(IDC_WORKSHEET);
  AddControl(IDC_SELECTION);
  AddControl(IDC_OPEN_WORKBOOK, kLabelOpenWorkbook);
  AddControl(IDC_UPDATE, kLabelUpdate);
  AddControl(IDC_BREAK_LINK, kLabelBreakLink);
  AddControl(IDC_OLD_FOLDER);
  AddControl(IDC_NEW_FOLDER);
  AddControl(IDC_PICK_OLD_FOLDER, kLabelBrowse);
  AddControl(IDC_PICK_NEW_FOLDER, kLabelBrowse);
  AddControl(IDC_REPLACE, kLabelReplace);
  AddControl(IDC_CLOSE, kLabelClose);
}

void CXlsLinkManDlg::OnInitDialog() {
  CListModel& list = List(IDC_LINKS);
  list.InsertColumn(kColumnFile, kColumnWorkbook, 80);
  list.InsertColumn(kColumnSheet, kColumnWorksheet, 80);
  list.InsertColumn(kColumnRange, kColumnSelection, 80);
  list.InsertColumn(kColumnFolderPart, kColumnFolder, 160);
  FillList();
  list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
}

void CXlsLinkManDlg::OnCommand(int controlId) {
  switch (controlId) {
    case IDC_BROWSE_WORKBOOK: return OnBrowseWorkbook();
    case IDC_UPDATE: return OnUpdate();
    case IDC_BREAK_LINK: return OnBreakLink();
    case IDC_OPEN_WORKBOOK: return OnOpenWorkbook();
    case IDC_PICK_OLD_FOLDER: return OnPickFolder(IDC_OLD_FOLDER);
    case IDC_PICK_NEW_FOLDER: return OnPickFolder(IDC_NEW_FOLDER);
    case IDC_REPLACE: return OnReplace();
    default: return CDialogPresenter::OnCommand(controlId);
  }
}

void CXlsLinkManDlg::OnSelectionChanged(int listId) {
  const int row = List(IDC_LINKS).GetFirstSelected();
  if (listId != IDC_LINKS || row < 0) return;
  const xlslinkinfo link = RowLink(row);
  SetDlgItemText(IDC_WORKBOOK, link.Path);
  SetDlgItemText(IDC_WORKSHEET, link.Worksheet);
  SetDlgItemText(IDC_SELECTION, link.Range);
}

void CXlsLinkManDlg::OnBrowseWorkbook() {
  std::u16string document;
  if (PickProjectWiseDocument(Parent(), ProjectWiseLibraryPath(), &document)) {
    SetDlgItemText(IDC_WORKBOOK, WideToNarrow(document));
    return;
  }
  std::string path;
  if (PickFileToOpen(Parent(), kWorkbookExtensions, kWorkbookFilter, &path)) SetDlgItemText(IDC_WORKBOOK, path);
}

void CXlsLinkManDlg::OnUpdate() {
  const xlslinkinfo edited = EditedLink();
  CListModel& list = List(IDC_LINKS);
  const int row = list.GetFirstSelected();
  if (row < 0) return void(Tell(kSelectLinkFirst, MB_OK | MB_ICONINFORMATION));
  if (edited.Path.empty()) return void(Tell(kEnterWorkbookPath, MB_OK | MB_ICONINFORMATION));
  if (edited.Worksheet.empty()) return void(Tell(kEnterWorksheetName, MB_OK | MB_ICONINFORMATION));
  const xlslinkinfo old = RowLink(row);
  if (SameLinkKey(old, edited)) return;
  if (!links_.UpdateLink(edited, old)) return void(Tell(kUnableToUpdateLink, MB_OK | MB_ICONINFORMATION));
  list.DeleteItem(row);
  bool shown = false;
  for (int other = 0; other < list.GetItemCount() && !shown; ++other) shown = SameLinkKey(RowLink(other), edited);
  if (!shown) list.InsertItem(row, RowTexts(edited));
  ClearLinkEdits();
}

void CXlsLinkManDlg::OnBreakLink() {
  if (Tell(kConfirmBreakLink, MB_YESNO | MB_ICONINFORMATION) != IDYES) return;
  CListModel& list = List(IDC_LINKS);
  const int row = list.GetFirstSelected();
  if (row < 0) return void(Tell(kSelectLinkFirst, MB_OK | MB_ICONINFORMATION));
  links_.BreakLink(RowLink(row));
  list.DeleteItem(row);
  ClearLinkEdits();
}

void CXlsLinkManDlg::OnOpenWorkbook() {
  const xlslinkinfo link = EditedLink();
  if (link.Path.empty()) return;
  const std::string path = ResolveLinkPath(link.Path);
  if (!PathFileExistsA(path.c_str())) return;
  if (ExcelUtils::StartExcel(true)) {
    ExcelUtils::OpenAndSelect(path, link.Worksheet, link.Range, 1, 0);
    ExcelUtils::ReleaseExcel();
  }
}

void CXlsLinkManDlg::OnPickFolder(int editId) {
  std::string folder;
  if (PickFolder(Parent(), kPickDirectoryTitle, &folder)) SetDlgItemText(editId, folder);
}

void CXlsLinkManDlg::OnReplace() {
  std::string oldFolder = GetDlgItemText(IDC_OLD_FOLDER);
  std::string newFolder = GetDlgItemText(IDC_NEW_FOLDER);
  if (oldFolder.empty() || newFolder.empty()) return void(Tell(kEnterValidFolder, MB_OK | MB_ICONINFORMATION));
  if (!PathIsDirectoryA(newFolder.c_str()) && Tell(kConfirmMissingFolder, MB_YESNO) != IDYES) return;
  for (std::string* folder : {&oldFolder, &newFolder})
    if (folder->back() != '\\') *folder += '\\';
  const PathParts oldParts = Split(oldFolder);
  const PathParts newParts = Split(newFolder);
  // Both must name a folder on a drive: a share or a relative path moves nothing
  // predictable.
  if (oldParts.drive.empty() || oldParts.directory.empty() || newParts.drive.empty() || newParts.directory.empty())
    return void(Tell(kEnterValidFolder, MB_OK | MB_ICONINFORMATION));
  if (!ReplaceAllLink(oldParts.folder, newParts.folder)) return;
  ClearLinkEdits();
  links_.ReplaceFolder(oldParts.folder, newParts.folder);
  FillList();
  char text[1200];
  std::snprintf(text, sizeof text, kFolderReplaced, oldParts.folder.c_str(), newParts.folder.c_str());
  Tell(text, MB_OK | MB_ICONINFORMATION);
}

void CXlsLinkManDlg::FillList() {
  CListModel& list = List(IDC_LINKS);
  list.DeleteAllItems();
  for (const xlslinkinfo& link : links_.Links()) list.InsertItem(list.GetItemCount(), RowTexts(link));
}

xlslinkinfo CXlsLinkManDlg::RowLink(int row) {
  const CListModel& list = List(IDC_LINKS);
  xlslinkinfo link;
  link.Path = list.GetItemText(row, kColumnFolderPart) + list.GetItemText(row, kColumnFile);
  link.Worksheet = list.GetItemText(row, kColumnSheet);
  link.Range = list.GetItemText(row, kColumnRange);
  return link;
}

xlslinkinfo CXlsLinkManDlg::EditedLink() const {
  xlslinkinfo link;
  link.Path = GetDlgItemText(IDC_WORKBOOK);
  link.Worksheet = GetDlgItemText(IDC_WORKSHEET);
  link.Range = GetDlgItemText(IDC_SELECTION);
  return link;
}

void CXlsLinkManDlg::ClearLinkEdits() {
  for (int id : {IDC_WORKBOOK, IDC_WORKSHEET, IDC_SELECTION}) SetDlgItemText(id, "");
}

int CXlsLinkManDlg::Tell(const std::string& text, unsigned type) const {
  return MessageBoxA(Parent(), text.c_str(), kLinkManBoxTitle, type);
}
