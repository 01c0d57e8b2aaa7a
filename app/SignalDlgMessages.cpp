// The add-in's messages: the start and end of a range, its records, and the
// workbook path and texts it sends outside a range.
#include <cstring>

#include "app/Lifecycle.h"
#include "app/ModuleState.h"
#include "app/SignalDlg.h"
#include "host/msoutput.h"
#include "host/msstate.h"
#include "host/mssystem.h"
#include "model/CQuorvelle.h"
#include "output/DrawingObjectRecord.h"
#include "output/WorkingView.h"
#include "settings/ReadOptions.h"

LRESULT CSignalDlg::OnBeginTable(WPARAM wParam, LPARAM lParam) {
  beginWParam = static_cast<int>(wParam);
  rows.Start(static_cast<int>(lParam));
  receiving = 1;
  endFlags = 0;
  if (FuncState == kFuncCreate && ++rangeIndex > 0) {
    furtherTables.push_back(std::make_unique<CQuorvelle>());
    currentTable = furtherTables.back().get();
  }
  if (currentTable) currentTable->WorkbookPath = linkInfo.Path;
  ReadOptions(FuncState, CommandView());
  return 0;
}

namespace {
// The text of a copy-data block, never read past its bytes.
std::string BlockText(const COPYDATASTRUCT* block) {
  if (!block || !block->lpData || block->cbData == 0) return {};
  const char* data = static_cast<const char*>(block->lpData);
  return std::string(data, strnlen(data, block->cbData));
}
}  // namespace

LRESULT CSignalDlg::OnCopyData(WPARAM wParam, LPARAM lParam) {
  const auto* block = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  HWND hwnd = hwnd_;
  if (block) {
    if (receiving && currentTable) {
      if (block->dwData == kCopyDataRecord && block->cbData == kCellRecordSize) {
        rows.Receive(*currentTable, block->lpData, block->cbData);
      } else if (block->dwData == kCopyDataRecord && block->cbData == kShapeRecordSize) {
        MakeShapeFromRecord(static_cast<const unsigned char*>(block->lpData), block->cbData, *currentTable,
                            excelVersion);
      }
    } else if (block->dwData == kCopyDataPath) {
      transferredPath = BlockText(block);
    } else if (block->dwData == kCopyDataMessage) {
      // The add-in's text is shown as it is, never taken as a format.
      mdlOutput_printf(MSG_MESSAGE, "%s", BlockText(block).c_str());
    }
  }
  return DefWindowProcA(hwnd, WM_COPYDATA, wParam, lParam);
}

LRESULT CSignalDlg::OnEndTable(WPARAM wParam, LPARAM lParam) {
  receiving = 0;
  rows.cellsInRow = 0;
  if (endFlags != 0 || !currentTable) return 0;
  endFlags = static_cast<unsigned char>(lParam & 0xFF);
  if (endFlags & kEndFlagCancel)
    PostMessageA(hwnd_, kMsgCancelTransfer, wParam, lParam);
  else if (!noAutoOutput && (endFlags & kEndFlagOutput))
    PostMessageA(hwnd_, kMsgOutputToDgn, wParam, lParam);
  return 0;
}

LRESULT CSignalDlg::OnCancelTransfer(WPARAM, LPARAM) {
  HWND main = mdlNativeWindow_getMainHandle(0);
  if (IsIconic(main)) ShowWindow(main, SW_RESTORE);
  SetForegroundWindow(main);
  CleanUpAndEnd();  // this window is gone from here on
  return 0;
}
