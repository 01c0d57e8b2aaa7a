// The texts the application and command layer shows or writes, in one place.
#pragma once

// Registry values written for the add-in at the start of an operation.
constexpr char kValueCurDrawingFolder[] = "CurDrawingFolder";
constexpr char kValueFuncState[] = "FuncState";
constexpr char kValueCurWorkspaceName[] = "CurWorkspaceName";
constexpr char kValueAttachAppMenu[] = "AttachAppMenu";
constexpr char kValueAutoUpdateAll[] = "AutoUpdateAll";

// Configuration variables.
constexpr char kCfgUserName[] = "_USTN_USERNAME";
constexpr char kCfgFontMapFile[] = "KORVU_QV_AFM";
constexpr char kCfgOptionsFile[] = "KORVU_QV_OPT";

constexpr char kSaveTimeUnreadable[] = "The last save time of the workbook %s could not be read.";

constexpr char kAutoUpdateEnabled[] = "Auto-Update is enabled.";
constexpr char kAutoUpdateDisabled[] = "Auto-Update is disabled.";

// The create flow and the signal window.
constexpr char kPromptStartingExcel[] = "Starting Excel...";
constexpr char kPromptWaiting[] = "Waiting for editing table";
constexpr char kPromptFirstCorner[] = "Identify the top left corner of the first column:";
constexpr char kPromptSecondCorner[] = "Identify the bottom left corner of the second column:";
constexpr char kCreateAcceptFailed[] = "Error raise in CreateQuorvelle_Accept";
constexpr char kNothingToDraw[] = "The range holds nothing to draw; no table is placed.";
constexpr char kTablePropertiesNotWritten[] =
    "The table properties do not fit on the table cell; the table is placed without them.";
constexpr char kFailedToInitialize[] = "Failed to initialize environment.";
constexpr char kFailedToStartExcel[] =
    "Quorvelle failed to start Excel: %X.\n\nPlease reinstall your Office and try Quorvelle again.";
constexpr char kCannotStartExcelNormally[] =
    "Can't start Excel normally. \n\nIf you have installed the Office Integration of ProjectWise Explorer, please "
    "uninstall the old version of ProjectWise Office Integration and download the latest version (08.11.11.863 or "
    "higher) of ProjectWise Integration Module for Office from Bentley and install it. The old version of ProjectWise "
    "Integration Module for Office doesn't work with Office 2013 or higher. \n\nOr you can launch Excel manually and "
    "send a screenshot of the active add-ins of your Excel to ";
constexpr char kScreenshotHelps[] = ". The screenshot will help troubleshooting.";
constexpr char kAddinsNotListed[] = "Quorvelle could not list the add-ins of Excel: %s";
constexpr char kAddinNotReloaded[] = "The add-in %s of Excel could not be reloaded: %s";
constexpr char kRangeNotShown[] = "Quorvelle could not show %s!%s in Excel; please select the range there.";
constexpr char kUnknownFailure[] = "unknown error";
constexpr char kOutputAutomationError[] = "%s, %d - %s";
constexpr char kOutputUnknownError[] = "Unknown error raise in OnOutputToDgn function: %s, %d.";
constexpr char kProjectWiseObjectNull[] = "The object of Quorvelle for ProjectWise is null.";
constexpr char kProjectWiseNotFound[] = "Cannot find Quorvelle for ProjectWise component in Excel.";
constexpr char kProjectWiseNotLoaded[] = "Cannot load Quorvelle for ProjectWise component in Excel.";


// The edit and update flows.
constexpr char kCannotFindWorkbook[] = "Unable to update. Cannot find %s.\n";
constexpr char kUpToDate[] = "This Quorvelle object is up to date. Bypass file %s.";
constexpr char kCannotFindSheet[] = "Unable to update. Cannot find %s[%s].\n";
constexpr char kUpdatingSheet[] = "Updating %s[%s].";
constexpr char kCannotSelectRange[] = "Unable to update %s[%s]: %s.";
constexpr char kAddinNotFound[] = "Cannot find QuorvelleV8i addin in Excel.";
constexpr char kAddinObjectNull[] = "Cannot initialize QuorvelleV8i object in Excel. %s[%s].";
constexpr char kCannotImport[] = "Cannot import %s[%s]. %ld.";
constexpr char kCannotImportUnknown[] = "Cannot import %s[%s]. Unknown Error.";
constexpr char kManageFontMapFailed[] = "Unknown error raised in Quorvelle_ManageFontMap.";
constexpr char kManageLinkFailed[] = "Unknown error raised in Quorvelle_ManageLink.";
// The support commands run guarded like every other command.
constexpr char kProductHelpFailed[] = "Unknown error raised in Product_Help.";
constexpr char kProductSupportFailed[] = "Unknown error raised in Product_Support.";
constexpr char kProductAboutFailed[] = "Unknown error raised in Product_About.";
constexpr char kProductCheckUpdateFailed[] = "Unknown error raised in Product_CheckUpdate.";
constexpr char kProductDemoFailed[] = "Unknown error raised in Product_Demo.";
constexpr char kNoTablesFound[] = "No Quorvelles Found.";
constexpr char kNoTableIsFound[] = "No Quorvelle is found.";
constexpr char kSelectFailed[] = "Failed to mdlSelect_getElement in UpdateQuorvelle_Selected: %d";
constexpr char kPromptUpdatingSelected[] = "Updating the selected Quorvelles...";
constexpr char kPromptIdentifyTable[] = "Identify an Quorvelle:";
constexpr char kPreparingUpdate[] = "Preparing for table update...";
constexpr char kUpdateDone[] = "Done!";
constexpr char kSelectAllFailed[] = "Failed to select all elements.";
constexpr char kUpdateExcelFailed[] =
    "Quorvelle failed to start Excel.\n\nThis may be due to one of the following reasons:\n1. Make sure Excel 2000 or "
    "higher is installed.\n2. There may be something wrong with your Excel. Here are two ways to fix this issue:\n    "
    "a. Run your Microsoft Office Setup to repair your office - restore your office to its original state.\n    b. "
    "Uninstall your Excel and reinstall it.\n\nNotes:\n. Both ways will keep your office customized GUI and data "
    "files.\n. For isolation purposes, please consider using other computer to do the same task.";
constexpr char kLastSaveTimeProperty[] = "Last Save Time";

// The replacement of link folders.
constexpr char kReplacePathNull[] = "The path is NULL.";
constexpr char kReplacePathEmpty[] = "The path is empty.";
constexpr char kReplacePathInvalid[] = "Invalid path.";
constexpr char kReplaceAllLinkFailed[] = "Unknown fatal error raised in ReplaceAllLink.";

// The ProjectWise component.
constexpr char kProjectWiseClassKey[] = "CLSID\\{88CCE1C4-8A32-4DA2-8ED4-743FBB0E9BA5}";
constexpr char kProjectWiseProgId[] = "QuorvellePW.Connect";
constexpr char kProjectWiseInterface[] = "{4F0485EF-CBC0-4A33-8DE9-253CF76D5F64}";

// Workbooks on a ProjectWise server.
constexpr char kInstallProjectWiseComponent[] =
    "You need to install the component \"Quorvelle for ProjectWise\" to open %s.";
constexpr char kInvalidProjectWisePath[] = "Invalid ProjectWise workbook path.";
constexpr char kProjectWiseComponentMissing[] = "Cannot find the component \"Quorvelle for ProjectWise\".";
constexpr char kCannotOpenDocument[] = "Cannot open %s: %s";
constexpr char kUnknownError[] = "Unknown error.";
constexpr char kCompanionNotFound[] = "Cannot find QuorvelleV8i for Excel.";
constexpr char kOpenOnProjectWiseFailed[] = "Unknown error raises in OpenWorkbookOnProjectWise: %d.";
