// The contract with the companion Excel add-in: the signal window it finds by its
// caption, the messages and copy-data kinds it sends, and the exchange mapping
// through which the module tells it the levels and colours of the active model.
#pragma once

#include <string>

#include "platform/windows.h"

constexpr char kSignalWindowCaption[] = "2815DA81-AD05-4739-A2AA-3929B1E3CF56";
constexpr char kSignalWindowTemplate[] = "IDD_791C39EC_151E_4204_92CE_2D6982A88692";

// Messages to the signal window.
constexpr UINT kMsgBeginTable = 1125;     // wParam unused, lParam: cells per row
constexpr UINT kMsgEndTable = 1126;       // lParam: flags
constexpr UINT kMsgOutputToDgn = 1130;    // posted by the window itself
constexpr UINT kMsgCancelTransfer = 1132; // posted by the window itself
// Flags of the end message.
constexpr int kEndFlagOutput = 1;
constexpr int kEndFlagCancel = 2;

// Kinds (dwData) of WM_COPYDATA.
constexpr ULONG_PTR kCopyDataRecord = 0;   // a cell or drawing-object record
constexpr ULONG_PTR kCopyDataMessage = 1;  // a text for the message area
constexpr ULONG_PTR kCopyDataPath = 2;     // the workbook's path

constexpr size_t kCellRecordSize = 13032;
constexpr size_t kShapeRecordSize = 4672;

constexpr char kExchangeMappingName[] = "44B6A251-3F73-4f4b-8A23-F17A5E2A3C5D";
constexpr char kLevelsMarker[] = "9E8AD1F9-1A5E-48c9-BB9E-20FBA39AA9DB";
constexpr char kColorsMarker[] = "0D48CF1C-0FF1-4e58-B770-C6D63E9BF408";

// The text of the exchange mapping for the active model (without its terminator).
std::string ExchangeMappingText();
// Publishes the text in the named mapping, replacing an older one held in
// exchangeMapping; reports a failure to the user. True when published.
bool PublishExchangeMapping();
void CloseExchangeMapping();
