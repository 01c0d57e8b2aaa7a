// The maker's addresses and the texts shared by every error report.
#pragma once

constexpr char kProductTitle[] = "Korvu Quorvelle for MicroStation V8i";
constexpr char kSupportAddress[] = "support@korvu.com";

constexpr char kProductName[] = "Quorvelle";
constexpr char kProductVersion[] = "5.70";
constexpr char kPlatformName[] = "for MicroStation V8i";
// The maker's web server (the update list) and pages.
constexpr char kUpdateServer[] = "www.korvu.com";
constexpr char kWebSite[] = "http://www.korvu.com/";
constexpr char kDownloadPage[] = "http://www.korvu.com/download.php?product=qv";

// The support e-mail's body: operating system, platform version, Excel version,
// product name and version. The doubled percent signs become the address's escapes.
constexpr char kSupportMailBody[] =
    " Please provide the following info to help us troubleshooting. Thanks. %%0a%%0d Operation System: %s %%0a%%0d "
    "CAD Platform Version: %s %%0a%%0d Excel Version: %s %%0a%%0d Product Name: %s %%0a%%0d Product Version: %s "
    "%%0a%%0d Problem Description: (Step by Step) %%0a%%0d Screenshot(s): (Optional) %%0a%%0d Please attach sample "
    "files (.dwg and/or .xls) to help us troubleshooting if applicable. %%0a%%0d We will working on your problem and "
    "give you answers ASAP.";
constexpr char kPlatformVersionFormat[] = "MicroStation %X";
constexpr unsigned kPlatformVersion = 0x8B0;

// About.
constexpr char kAboutTitleFormat[] = "About %s %s %s";
constexpr char kAboutVersionFormat[] = "%s version %s";

// Check for Update.
constexpr char kUpdateTitle[] = "Check for Update";
constexpr char kUpdateObject[] = "updatelist/checkforupdate.txt";
constexpr char kUpdateKeyFormat[] = "%s*%s:";
constexpr char kUpdatePrompt[] = "Click Check up to see if a new version is available.";
constexpr char kUpdateConnecting[] = "Connecting...";
constexpr char kUpdateConnectionFailed[] = "Network connection failed.";
constexpr char kUpdateStatusFailed[] = "Network connection failed: %ld.";
constexpr char kUpdateCurrent[] = "Quorvelle version is current and up-to-date.";
constexpr char kUpdateAvailable[] = "The new version %s is available.\nPlease download the new version by visiting";
// Where an administrator points the check at another server: "host" or "host:port",
// under the installation key, else the user's settings key.
constexpr char kUpdateServerValue[] = "UpdateServer";
constexpr char kDemoPage[] = "http://www.korvu.com/redirect.php?page=demo&product=qv";
