// "Check for Update": asks the maker's web server for the update list and says
// whether a newer version exists, with a link to the download page when one does.
#pragma once

#include <string>

#include "platform/wininet.h"
#include "ui/DialogPresenter.h"
#include "ui/Hyperlink.h"

class CLiveUpdateDlg : public CDialogPresenter {
 public:
  static constexpr int kStatusId = 1001;
  static constexpr int kCheckUpId = 1002;

  explicit CLiveUpdateDlg(HWND parent);

  void OnInitDialog() override;
  void OnCommand(int controlId) override;

  // The server asked: the "UpdateServer" value ("host" or "host:port") of the
  // installation key, else of the user's settings, else the maker's.
  static std::string UpdateServer();

 private:
  void OnCheckUp();
  // The version the server's list names; "" when the request failed (the status
  // line says why). Throws the Internet library's error code.
  std::string FetchServerVersion(HINTERNET session);
  void SetStatus(const std::string& text) { SetDlgItemText(kStatusId, text); }

  CHyperlink hyperlink_;
};
