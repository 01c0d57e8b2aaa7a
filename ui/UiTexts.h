// The texts of the shared dialog parts, in one place.
#pragma once

// The file dialog that asks for a workbook.
constexpr char kWorkbookExtensions[] = "*.xls;*.xlsx;*.xlsm";
constexpr char kWorkbookFilter[] =
    "Microsoft Excel Files(*.xls;*.xlsx;*.xlsm)|*.xls;*.xlsx;*.xlsm|All Files(*.*)|*.*||";

// The ProjectWise component's library, when it cannot be used.
constexpr char kProjectWiseBoxTitle[] = "Quorvelle";
constexpr char kCannotFindLibrary[] = "Cannot find %s.";
constexpr char kFailedToLoadLibrary[] = "Failed to Load %s: %d.";
// The function of the library that lets the person pick a document on the server.
constexpr char kSelectDocumentFunction[] = "SelectDocumentFromProjectWiseServer";
constexpr char kOpenDocumentFunction[] = "OpenDocumentFromProjectWiseServer";
