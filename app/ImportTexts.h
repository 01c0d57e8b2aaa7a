// The texts of the import of several ranges, in one place.
#pragma once

// The dialog.
constexpr char kImportTemplate[] = "#2001";
constexpr char kImportCaption[] = "Import Multiple Ranges";
constexpr char kImportColumnWorkbook[] = "Workbook";
constexpr char kImportColumnWorksheet[] = "Worksheet";
constexpr char kImportColumnRange[] = "Range";
constexpr char kImportLabelBrowse[] = "...";
constexpr char kImportLabelAdd[] = "Add";
constexpr char kImportLabelRemove[] = "Remove";
constexpr char kImportLabelSaveList[] = "Save List";
constexpr char kImportLabelLoadList[] = "Load List";
constexpr char kImportLabelImport[] = "Import";
constexpr char kImportLabelCancel[] = "Cancel";

// A workbook that is not there, at Add and at the import.
constexpr char kImportCannotFind[] = "Cannot find %s.";
constexpr char kImportInvalidWorksheet[] = "Invalid worksheet.";
constexpr char kImportInvalidRange[] = "Invalid Range.";
constexpr char kImportInvalidWorkbook[] = "Invalid workbook.";
constexpr char kImportDuplicateItem[] = "There is already an item with the same workbook, worksheet and range in the list.";
constexpr char kImportConfirmRemove[] = "Are you sure you want to remove the selected item(s) from the list?";
// A list file from elsewhere that is no list, or too long a one.
constexpr char kImportListTooLong[] = "The list file %s holds more than %d items; the rest were not loaded.";
constexpr char kImportLinesLeftOut[] =
    "%d lines of the list file %s are not items of a list (too long, or not text) and were left out.";

// The list file dialogs.
constexpr char kImportListExtension[] = ".qvxls";
constexpr char kImportListFilter[] = "Excel File List (*.qvxls)|*.qvxls|All Files (*.*)|*.*||";

// The run.
constexpr char kImportingSheet[] = "Importing %s[%s] ...";
constexpr char kImportingRange[] = "Importing %s[%s]:%s ...";
constexpr char kImportingActivated[] = "Importing %s[%s].";
