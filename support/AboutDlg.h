// The About box: the product, its version and the platform it is made for.
#pragma once

#include "ui/DialogPresenter.h"

class CAboutDlg : public CDialogPresenter {
 public:
  static constexpr int kVersionLineId = 1001;
  static constexpr int kCopyrightLineId = 1002;

  explicit CAboutDlg(HWND parent);
  void OnInitDialog() override;
};
