// What the module and the companion add-in inside Excel agree on: the window the
// add-in sends a range to, found by its caption, the messages and copy-data kinds it
// sends, the sizes of its records, and the named mapping through which the module
// tells it the levels and colours of the active model.
#pragma once

#include <cstddef>

#include "platform/wintypes.h"

constexpr char kSignalWindowCaption[] = "2815DA81-AD05-4739-A2AA-3929B1E3CF56";

// Messages the add-in sends to the signal window.
constexpr UINT kMsgBeginTable = 1125;  // wParam unused, lParam: cells per row
constexpr UINT kMsgEndTable = 1126;    // lParam: flags
// Flags of the end message.
constexpr int kEndFlagOutput = 1;
constexpr int kEndFlagCancel = 2;

// Kinds (dwData) of WM_COPYDATA.
constexpr ULONG_PTR kCopyDataRecord = 0;   // a cell or drawing-object record
constexpr ULONG_PTR kCopyDataMessage = 1;  // a text for the message area
constexpr ULONG_PTR kCopyDataPath = 2;     // the workbook's path

// A record's kind is told by its size.
constexpr std::size_t kCellRecordSize = 13032;
constexpr std::size_t kShapeRecordSize = 4672;

// The exchange mapping: its name, and the markers that open its levels line and its
// colours line.
constexpr char kExchangeMappingName[] = "44B6A251-3F73-4f4b-8A23-F17A5E2A3C5D";
constexpr char kLevelsMarker[] = "9E8AD1F9-1A5E-48c9-BB9E-20FBA39AA9DB";
constexpr char kColorsMarker[] = "0D48CF1C-0FF1-4e58-B770-C6D63E9BF408";
