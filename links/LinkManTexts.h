// The texts of the link manager and of the moving of links, in one place.
#pragma once

constexpr char kLinkManTemplate[] = "IDD_8F26A914_52E8_46D4_8BFE_FA09549BC9F0";
constexpr char kLinkManCaption[] = "Link Manager";
constexpr char kLinkManBoxTitle[] = "Korvu Quorvelle for MicroStation V8i";

// Columns of the list.
constexpr char kColumnWorkbook[] = "Workbook";
constexpr char kColumnWorksheet[] = "Worksheet";
constexpr char kColumnSelection[] = "Selection";
constexpr char kColumnFolder[] = "Folder";

// Labels of the controls.
constexpr char kLabelBrowse[] = "...";
constexpr char kLabelOpenWorkbook[] = "&Open workbook in Excel";
constexpr char kLabelUpdate[] = "&Update";
constexpr char kLabelBreakLink[] = "&Break Link";
constexpr char kLabelReplace[] = "&Replace";
constexpr char kLabelClose[] = "&Close";

// Messages.
constexpr char kSelectLinkFirst[] = "You must select a link first.";
constexpr char kEnterWorkbookPath[] = "You must enter a valid workbook path.";
constexpr char kEnterWorksheetName[] = "You must enter a valid worksheet name.";
constexpr char kUnableToUpdateLink[] = "Unable to update the specified link.";
constexpr char kConfirmBreakLink[] = "Are you sure you want to break this link?";
constexpr char kEnterValidFolder[] = "You must enter a valid folder.";
constexpr char kConfirmMissingFolder[] =
    "The new folder does not exist. Are you sure you want to replace the old folder with this new folder?";
constexpr char kFolderReplaced[] = "Succeed to replace %s with %s.";
constexpr char kReplaceLinkFailed[] = "Unknown fatal error raised in ReplaceLink.";
constexpr char kReplaceAllLinkOperation[] = "CXlsLinkManDlg::ReplaceAllLink";
// A table's link moved to another folder, or not.
constexpr char kLinkChanged[] = "Changed %s to %s successfully.";
constexpr char kLinkNotChanged[] = "Failed to change %s to %s.";

// The folder browser.
constexpr char kPickDirectoryTitle[] = "Pick a Directory";
