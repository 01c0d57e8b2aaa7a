// The literal data of the module's Excel connection: the class it starts and finds,
// and the messages it shows.
#pragma once

constexpr char kExcelProgId[] = "Excel.Application";

constexpr char kSameFileNameOpen[] =
    "A document with the name '%s' is already open. You cannot open two documents with the same name, even if the "
    "documents are in different folders.\nTo open the second document, either close the document that's currently "
    "open, or rename one of the documents.";
constexpr char kNoExcelInstance[] = "Failed to get an instance of Excel!";
constexpr char kCellIndexNotPositive[] = "The row index and column index should be a positive number.";
constexpr char kColumnBeyondZZ[] = "The column index should be at most 702 (column ZZ).";
// The report of a status code the system has no text for: the source, its line and the code.
constexpr char kOleErrorFallback[] = "\n%s(%d): OLE Execption caught: SCODE = %x";
constexpr char kOleErrorSource[] = "ExcelUtils";
constexpr int kOleErrorLine = 482;
