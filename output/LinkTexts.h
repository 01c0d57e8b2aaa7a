// The texts of the link data on a table cell, in one place: messages, the registry
// values that shape it and the version it is written with.
#pragma once

// The name of every table cell header.
constexpr char kTableCellName[] = "Cell_Quorvelle";
// Said of a cell header that is not a table.
constexpr char kNotATable[] = "Unable to update. You did not save the Excel file originally.\n";

// Element messages: the element identifier's low 32 bits as a signed number.
constexpr char kLinkCorrupted[] = "The link information corrupted. Element Id: %ld.";
constexpr char kTablePropertiesCorrupted[] = "The properties of the table corrupted. Element Id: %ld.";
constexpr char kScheduleWriteFailed[] = "Failed to ScheduleWriteXAttribute: %ld.";
constexpr char kCannotModifyPath[] = "Can't modify the path of the Excel file: %ld.";
constexpr char kFontMapCorrupted[] = "The font map in the table corrupted. Element Id: %ld.";
constexpr char kBase64LengthMismatch[] = "Miscalculated data length in CBase64::decode.";
constexpr char kLinkDataNotWritten[] = "The link data does not fit on the table cell; the table is not linked.";
constexpr char kLinkPathIsFolderStart[] = "The workbook path ";
constexpr char kLinkPathIsFolderEnd[] = " names a folder; the table is not linked.";

// Values of the product key ("Quorvelle").
constexpr char kValueLinkPathType[] = "LinkPathType";
constexpr char kValueSaveFontMapToCell[] = "SaveFontMapToCell";

// The version the table properties are written with (key 50).
constexpr char kTablePropertiesVersion[] = "5.70";

// Folders searched for a workbook stored by its file name alone.
constexpr char kReferenceFoldersCfgVar[] = "$(MS_RFDIR)";

constexpr char kSaveLinkOperationName[] = "CQVUtiMStation::SaveXlsInfoToLinkage";
