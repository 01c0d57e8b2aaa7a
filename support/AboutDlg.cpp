#include "support/AboutDlg.h"

#include <cstdio>
#include <string>

#include "platform/msgbox.h"
#include "support/SupportTexts.h"

namespace {
std::string Title() {
  char text[256];
  std::snprintf(text, sizeof text, kAboutTitleFormat, kProductName, kProductVersion, kPlatformName);
  return text;
}
}  // namespace

CAboutDlg::CAboutDlg(HWND parent) : CDialogPresenter("IDD_ABOUTBOX", Title(), parent) {}

void CAboutDlg::OnInitDialog() {
  char line[256];
  std::snprintf(line, sizeof line, kAboutVersionFormat, kProductName, kProductVersion);
  AddControl(kVersionLineId, line);
  AddControl(kCopyrightLineId, kWebSite);
  AddControl(IDOK, "&OK");
}
