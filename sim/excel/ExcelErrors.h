// The failures of the stand-in Excel: the status codes and texts Excel and COM use,
// raised as the automation errors the module catches.
#pragma once

#include <string>

#include "platform/wintypes.h"

namespace sim {

constexpr HRESULT kClassNotRegistered = static_cast<HRESULT>(0x80040154);    // REGDB_E_CLASSNOTREG
constexpr HRESULT kServerExecFailure = static_cast<HRESULT>(0x80080005);     // CO_E_SERVER_EXEC_FAILURE
constexpr HRESULT kOperationUnavailable = static_cast<HRESULT>(0x800401E3);  // MK_E_UNAVAILABLE
constexpr HRESULT kInvalidPointer = static_cast<HRESULT>(0x80004003);        // E_POINTER
constexpr HRESULT kDisconnected = static_cast<HRESULT>(0x80010108);          // RPC_E_DISCONNECTED
constexpr HRESULT kBadIndex = static_cast<HRESULT>(0x8002000B);              // DISP_E_BADINDEX
constexpr HRESULT kMemberNotFound = static_cast<HRESULT>(0x80020003);        // DISP_E_MEMBERNOTFOUND
constexpr HRESULT kTypeMismatch = static_cast<HRESULT>(0x80020005);          // DISP_E_TYPEMISMATCH
constexpr HRESULT kBadParamCount = static_cast<HRESULT>(0x8002000E);         // DISP_E_BADPARAMCOUNT
constexpr HRESULT kUnexpected = static_cast<HRESULT>(0x8000FFFF);            // E_UNEXPECTED
constexpr HRESULT kInvalidArgument = static_cast<HRESULT>(0x80070057);       // E_INVALIDARG
constexpr HRESULT kExcelError = static_cast<HRESULT>(0x800A03EC);            // Excel's own failures

// Excel's texts of failures that carry a name.
std::string FileNotFoundText(const std::string& path);
std::string SameNameOpenText(const std::string& fileName);
std::string NoSheetToSelectText(const std::string& sheet);
// A file that is no workbook Excel can read, and the reader's reason.
std::string DamagedFileText(const std::string& fileName, const std::string& reason);

[[noreturn]] void Raise(HRESULT status, const std::string& message);
// A call on Excel after it ended, or on a workbook after it was closed.
[[noreturn]] void RaiseDisconnected();
[[noreturn]] void RaiseBadIndex();
// Excel's own failure, raised as the dispatch exception Excel's errors arrive as.
[[noreturn]] void RaiseExcelError(const std::string& message, HRESULT status = kExcelError);

// Excel's texts of failures without a name.
extern const char kRangeFailedText[];
extern const char kActivateFailedText[];
extern const char kSelectFailedText[];
extern const char kSetVisibleFailedText[];
extern const char kSetInstalledFailedText[];
extern const char kNotVisibleToUserText[];
extern const char kNotInteractiveText[];
extern const char kReferenceNotValidText[];
extern const char kInvalidProcedureCallText[];

}  // namespace sim
