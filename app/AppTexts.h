// The texts the application and command layer shows or writes, in one place.
#pragma once

// Registry values written for the add-in at the start of an operation.
constexpr char kValueCurDrawingFolder[] = "CurDrawingFolder";
constexpr char kValueFuncState[] = "FuncState";
constexpr char kValueCurWorkspaceName[] = "CurWorkspaceName";
constexpr char kValueAfmFile[] = "QuorvelleAfmFile";
constexpr char kValueOptFile[] = "QuorvelleOptFile";
constexpr char kValueAttachAppMenu[] = "AttachAppMenu";
constexpr char kValueAutoUpdateAll[] = "AutoUpdateAll";

// Configuration variables.
constexpr char kCfgUserName[] = "_USTN_USERNAME";
constexpr char kCfgFontMapFile[] = "KORVU_QV_AFM";
constexpr char kCfgOptionsFile[] = "KORVU_QV_OPT";

constexpr char kTableCellName[] = "Cell_Quorvelle";

constexpr char kAutoUpdateEnabled[] = "Auto-Update is enabled.";
constexpr char kAutoUpdateDisabled[] = "Auto-Update is disabled.";
