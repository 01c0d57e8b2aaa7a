#include "app/ImportMultiTablesDialog.h"

#include <cstdio>

#include "app/ImportTexts.h"
#include "automation/ComError.h"
#include "excel/ExcelUtils.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "support/FileIo.h"
#include "support/SupportTexts.h"
#include "support/TextCompare.h"
#include "ui/CommonDialogs.h"
#include "ui/UiTexts.h"

namespace {

enum Column { kColumnWorkbook = 0, kColumnWorksheet = 1, kColumnRange = 2 };

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string Formatted(const char* format, const std::string& a, const std::string& b = "") {
  char text[2048];
  std::snprintf(text, sizeof text, format, a.c_str(), b.c_str());
  return text;
}

// The visible worksheets of the workbook when it is the one Excel has current (it may
// have failed to open in an Excel that runs with other workbooks).
std::vector<std::string> VisibleSheets(const std::string& path) {
  std::vector<std::string> names;
  auto book = ExcelUtils::CurrentWorkbook();
  if (!book || !EqualsNoCase(book->FullName(), path)) return names;
  auto sheets = book->Worksheets();
  for (int i = 1; sheets && i <= sheets->Count(); ++i)
    if (auto sheet = sheets->Item(i); sheet && sheet->Visible() != 0) names.push_back(sheet->Name());
  return names;
}

}  // namespace

CImportMultiTablesDialog::CImportMultiTablesDialog(HWND parent)
    : CDialogPresenter(kImportTemplate, kImportCaption, parent) {
  AddControl(IDC_WORKBOOK);
  AddControl(IDC_BROWSE, kImportLabelBrowse);
  AddDropDownList(IDC_WORKSHEET);
  AddControl(IDC_RANGE);
  AddControl(IDC_ADD, kImportLabelAdd);
  AddControl(IDC_REMOVE, kImportLabelRemove);
  AddControl(IDC_SAVE_LIST, kImportLabelSaveList);
  AddControl(IDC_LOAD_LIST, kImportLabelLoadList);
  AddEditableList(IDC_ITEMS);
  AddControl(IDC_IMPORT, kImportLabelImport);
  AddControl(IDC_CANCEL, kImportLabelCancel);
}

void CImportMultiTablesDialog::OnInitDialog() {
  CListModel& list = List(IDC_ITEMS);
  list.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
  list.InsertColumn(kColumnWorkbook, kImportColumnWorkbook, 200);
  list.InsertColumn(kColumnWorksheet, kImportColumnWorksheet, 120);
  list.InsertColumn(kColumnRange, kImportColumnRange, 80);
  for (const ImportItem& item : ReadRegistryImportList()) AddImportItem(item);
}

void CImportMultiTablesDialog::OnCommand(int controlId) {
  switch (controlId) {
    case IDC_BROWSE: return OnBrowse();
    case IDC_ADD: return OnAdd();
    case IDC_REMOVE: return OnRemove();
    case IDC_SAVE_LIST: return OnSaveList();
    case IDC_LOAD_LIST: return OnLoadList();
    case IDC_IMPORT:
      items_.clear();
      for (int row = 0; row < List(IDC_ITEMS).GetItemCount(); ++row) items_.push_back(RowItem(row));
      return EndDialog(IDOK);
    default: return CDialogPresenter::OnCommand(controlId);
  }
}

int CImportMultiTablesDialog::AddImportItem(const ImportItem& item) {
  CListModel& list = List(IDC_ITEMS);
  int row = 0;
  for (; row < list.GetItemCount(); ++row) {
    const ImportItem present = RowItem(row);
    if (SameImportItem(present, item)) return -1;
    if (CompareNoCase(present.workbook, item.workbook) > 0) break;
  }
  // Edits in place do not sort the rows again, so the same item may stand further
  // down: look on.
  for (int later = row; later < list.GetItemCount(); ++later)
    if (SameImportItem(RowItem(later), item)) return -1;
  return list.InsertItem(row, {item.workbook, item.worksheet, item.range});
}

void CImportMultiTablesDialog::OnBrowse() {
  std::string path;
  if (!PickFileToOpen(Parent(), kWorkbookExtensions, kWorkbookFilter, &path)) return;
  SetDlgItemText(IDC_WORKBOOK, path);
  SetDlgItemText(IDC_RANGE, "");
  for (int id : {IDC_BROWSE, IDC_WORKBOOK, IDC_RANGE, IDC_WORKSHEET}) EnableControl(id, false);
  ResetContent(IDC_WORKSHEET);
  // The worksheet names are a help, not a need: any failure leaves the list empty.
  try {
    bool opened = ExcelUtils::AttachExcel(true, &path, 1, 0) != 0;
    if (!opened) opened = ExcelUtils::StartExcel(true) && ExcelUtils::OpenWorkbook(path, 1, 0);
    if (opened && ExcelUtils::EnsureWorkbook())
      for (const std::string& name : VisibleSheets(path)) AddString(IDC_WORKSHEET, name);
  } catch (...) {
  }
  ExcelUtils::ReleaseExcel();
  for (int id : {IDC_BROWSE, IDC_WORKBOOK, IDC_RANGE, IDC_WORKSHEET}) EnableControl(id, true);
}

void CImportMultiTablesDialog::OnAdd() {
  ImportItem item{GetDlgItemText(IDC_WORKBOOK), Trimmed(GetDlgItemText(IDC_WORKSHEET)), GetDlgItemText(IDC_RANGE)};
  if (item.workbook.find('*') != std::string::npos || !PathFileExistsA(item.workbook.c_str()))
    return void(Tell(Formatted(kImportCannotFind, item.workbook), MB_ICONINFORMATION));
  if (item.worksheet.empty() || item.worksheet.find('*') != std::string::npos)
    return void(Tell(kImportInvalidWorksheet, MB_ICONINFORMATION));
  if (item.range.find('*') != std::string::npos) return void(Tell(kImportInvalidRange, MB_ICONINFORMATION));
  if (AddImportItem(item) < 0) return void(Tell(kImportDuplicateItem, MB_ICONINFORMATION));
  WriteRegistryImportItem(item);
}

void CImportMultiTablesDialog::OnRemove() {
  if (Tell(kImportConfirmRemove, MB_YESNO | MB_ICONINFORMATION) != IDYES) return;
  CListModel& list = List(IDC_ITEMS);
  const std::vector<int> selected = list.GetSelection();
  for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
    DeleteRegistryImportItem(RowItem(*row));
    list.DeleteItem(*row);
  }
}

void CImportMultiTablesDialog::OnSaveList() {
  std::string path;
  if (!PickFileToSave(Parent(), kImportListExtension, kImportListFilter, &path)) return;
  std::vector<ImportItem> rows;
  for (int row = 0; row < List(IDC_ITEMS).GetItemCount(); ++row) rows.push_back(RowItem(row));
  if (DWORD error = 0; !WriteWholeFile(path, FormatImportList(rows), &error)) ReportFileError(path, error);
}

void CImportMultiTablesDialog::OnLoadList() {
  std::string path;
  if (!PickFileToOpen(Parent(), kImportListExtension, kImportListFilter, &path)) return;
  CListModel& list = List(IDC_ITEMS);
  list.DeleteAllItems();
  std::vector<std::uint8_t> bytes;
  if (DWORD error = 0; !ReadWholeFile(path, &bytes, &error)) return ReportFileError(path, error);
  DeleteRegistryImportList();
  std::size_t leftOut = 0;
  bool full = false;
  ForEachImportLine(
      bytes,
      [&](const ImportItem& item) {
        if (list.GetItemCount() >= kMaxItems) return !(full = true);
        if (AddImportItem(item) >= 0) WriteRegistryImportItem(item);
        return true;
      },
      &leftOut);
  char text[2048];
  if (leftOut > 0) {
    std::snprintf(text, sizeof text, kImportLinesLeftOut, static_cast<int>(leftOut), path.c_str());
    Tell(text, MB_ICONINFORMATION);
  }
  if (full) {
    std::snprintf(text, sizeof text, kImportListTooLong, path.c_str(), kMaxItems);
    Tell(text, MB_ICONINFORMATION);
  }
}

void CImportMultiTablesDialog::OnListNotify(int listId, UINT message, int row, int) {
  if (listId != IDC_ITEMS) return;
  if (message == kMsgCellEditBegin) editedRow_ = RowItem(row);
  if (message == kMsgCellEditCommitted) OnEditCommitted(row);
}

void CImportMultiTablesDialog::OnEditCommitted(int row) {
  ImportItem now = RowItem(row);
  if (now.workbook.empty()) {
    Tell(kImportInvalidWorkbook, MB_ICONINFORMATION);
    List(IDC_ITEMS).SetItemText(row, kColumnWorkbook, editedRow_.workbook);
    return;
  }
  if (now.worksheet.empty()) {
    Tell(kImportInvalidWorksheet, MB_ICONINFORMATION);
    List(IDC_ITEMS).SetItemText(row, kColumnWorksheet, editedRow_.worksheet);
    return;
  }
  if (now.workbook == editedRow_.workbook && now.worksheet == editedRow_.worksheet && now.range == editedRow_.range)
    return;
  for (int other = 0; other < List(IDC_ITEMS).GetItemCount(); ++other)
    if (other != row && SameImportItem(RowItem(other), now)) {
      Tell(kImportDuplicateItem, MB_ICONINFORMATION);
      return SetRow(row, editedRow_);
    }
  if (!editedRow_.workbook.empty() && !editedRow_.worksheet.empty()) DeleteRegistryImportItem(editedRow_);
  WriteRegistryImportItem(now);
}

ImportItem CImportMultiTablesDialog::RowItem(int row) {
  const CListModel& list = List(IDC_ITEMS);
  return {list.GetItemText(row, kColumnWorkbook), list.GetItemText(row, kColumnWorksheet),
          list.GetItemText(row, kColumnRange)};
}

void CImportMultiTablesDialog::SetRow(int row, const ImportItem& item) {
  CListModel& list = List(IDC_ITEMS);
  list.SetItemText(row, kColumnWorkbook, item.workbook);
  list.SetItemText(row, kColumnWorksheet, item.worksheet);
  list.SetItemText(row, kColumnRange, item.range);
}

int CImportMultiTablesDialog::Tell(const std::string& text, unsigned type) const {
  return MessageBoxA(Parent(), text.c_str(), kProductTitle, type);
}
