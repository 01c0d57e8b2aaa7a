// The literal data of the add-in registration: the add-in's identity, the registry
// keys and values Excel reads, and the messages shown when registration fails.
#pragma once

#include <cstddef>

// The add-in's COM class, looked up under HKEY_CLASSES_ROOT as "CLSID\<class id>".
constexpr char kAddinClassId[] = "{8E236125-FF40-49f4-9636-45EB1BEB6272}";
constexpr char kClassKeyFormat[] = "CLSID\\%s";
constexpr char kAddinProgId[] = "QuorvelleV8i.XQVAddinMS";

// The add-in's library: <common application data>\Microsoft\AddIns\QuorvelleV8i.dll.
constexpr char kAddinLibraryFolder[] = "Microsoft\\AddIns\\";
constexpr char kAddinLibraryName[] = "QuorvelleV8i";
constexpr char kAddinLibraryExtension[] = ".dll";
constexpr char kRegisterEntryPoint[] = "DllRegisterServer";

// Excel's list of COM add-ins of the user (HKEY_CURRENT_USER).
constexpr char kExcelAddinKey[] = "Software\\Microsoft\\Office\\Excel\\Addins\\QuorvelleV8i.XQVAddinMS";
constexpr char kFriendlyNameValue[] = "FriendlyName";
constexpr char kDescriptionValue[] = "Description";
constexpr char kLoadBehaviorValue[] = "LoadBehavior";
constexpr char kCommandLineSafeValue[] = "CommandLineSafe";
constexpr char kAddinDisplayName[] = "QuorvelleV8i";
// Excel loads the add-in at start-up / does not load it.
constexpr unsigned kLoadAtStartup = 3;
constexpr unsigned kDoNotLoad = 0;
constexpr unsigned kCommandLineSafe = 1;

// Excel's crash-recovery lists (HKEY_CURRENT_USER), cleared in this order.
constexpr const char* kResiliencyKeys[] = {
    "Software\\Microsoft\\Office\\14.0\\Excel\\Resiliency\\DisabledItems",
    "Software\\Microsoft\\Office\\15.0\\Excel\\Resiliency\\DisabledItems",
    "Software\\Microsoft\\Office\\16.0\\Excel\\Resiliency\\DisabledItems",
    "Software\\Microsoft\\Office\\17.0\\Excel\\Resiliency\\DisabledItems",
    "Software\\Microsoft\\Office\\14.0\\Excel\\Resiliency\\StartupItems",
    "Software\\Microsoft\\Office\\15.0\\Excel\\Resiliency\\StartupItems",
    "Software\\Microsoft\\Office\\16.0\\Excel\\Resiliency\\StartupItems",
    "Software\\Microsoft\\Office\\17.0\\Excel\\Resiliency\\StartupItems",
};
// Entries naming this text are the add-in's.
constexpr char kResiliencySearchText[] = "Quorvelle";
// The longest value name and data examined in those lists.
constexpr std::size_t kResiliencyMaxNameChars = 259;
constexpr std::size_t kResiliencyMaxDataBytes = 1024;

// Messages.
constexpr char kFailedToLoadFormat[] = "Failed to Load %s: %d.";
constexpr char kFailedToRegister[] = "Failed to register the Quorvelle.";
constexpr char kExcelNotStarted[] =
    "Quorvelle failed to start Excel.\n\nThis may be due to one of the following reasons:\n1. Make sure Excel 2000 or "
    "higher is installed.\n2. There may be something wrong with your Excel. Here are two ways to fix this issue:\n    "
    "a. Run your Microsoft Office Setup to repair your office - restore your office to its original state.\n    b. "
    "Uninstall your Excel and reinstall it.\n\nNotes:\n. Both ways will keep your office customized GUI and data "
    "files.\n. For isolation purposes, please consider using other computer to do the same task.";
