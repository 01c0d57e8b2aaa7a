#include "tools/quorvelle/SupportCommand.h"

#include <iostream>

#include "platform/registry.h"
#include "sim/platform/SimPlatform.h"
#include "tools/quorvelle/DialogSteps.h"
#include "tools/quorvelle/Steps.h"

namespace {

// The module's dialogs, by their controls.
constexpr int kOk = 1;
constexpr int kStatusLine = 1001;
constexpr int kCheckUp = 1002;
constexpr int kDownloadLink = 3556;
constexpr char kUserKey[] = "Software\\Korvu\\KorvuMSV8i\\Quorvelle";
constexpr char kServerValue[] = "UpdateServer";

// Prints each address the module handed to the system since `from`.
void PrintOpened(std::size_t from) {
  const auto& opened = sim::ShellExecutions();
  for (std::size_t i = from; i < opened.size(); ++i) std::cout << "would open: " << opened[i].file << "\n";
}

std::string RunOpening(ModuleLoader& module, const std::string& keyin) {
  const std::size_t from = sim::ShellExecutions().size();
  if (std::string error = StepRunner(module).Run("keyin " + keyin); !error.empty()) return error;
  if (sim::ShellExecutions().size() == from) return "the module opened nothing.";
  PrintOpened(from);
  return "";
}

std::string About(ModuleLoader& module) {
  return RunKeyinAtDialog(module, "QUORVELLE ABOUT", "The About box", [](IDialogPresenter& dialog) {
    std::cout << dialog.Caption() << "\n";
    for (int id : dialog.ControlIds())
      if (id != kOk) std::cout << dialog.ControlText(id) << "\n";
    sim::Press(dialog, kOk);
  });
}

// The user's server value in force for one run, the one before put back afterwards.
class ServerForThisRun {
 public:
  explicit ServerForThisRun(const std::string& server) : active_(!server.empty()) {
    if (!active_) return;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kUserKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
      return;
    char value[1024];
    DWORD type = 0, size = sizeof value;
    if (RegQueryValueExA(key, kServerValue, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
        type == REG_SZ)
      previous_ = std::string(value, size ? size - 1 : 0);
    hadValue_ = !previous_.empty();
    RegSetValueExA(key, kServerValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(server.c_str()),
                   static_cast<DWORD>(server.size() + 1));
    RegCloseKey(key);
  }
  ~ServerForThisRun() {
    if (!active_) return;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kUserKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    if (hadValue_)
      RegSetValueExA(key, kServerValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(previous_.c_str()),
                     static_cast<DWORD>(previous_.size() + 1));
    else
      RegDeleteValueA(key, kServerValue);
    RegCloseKey(key);
  }
  ServerForThisRun(const ServerForThisRun&) = delete;
  ServerForThisRun& operator=(const ServerForThisRun&) = delete;

 private:
  bool active_;
  bool hadValue_ = false;
  std::string previous_;
};

std::string CheckUpdate(ModuleLoader& module, const std::string& server) {
  ServerForThisRun serverForThisRun(server);
  std::string status;
  bool newer = false;
  const std::string error =
      RunKeyinAtDialog(module, "QUORVELLE CHECKUPDATE", "The Check for Update dialog", [&](IDialogPresenter& dialog) {
        sim::Press(dialog, kCheckUp);
        status = dialog.ControlText(kStatusLine);
        std::cout << status << "\n";
        newer = dialog.ControlVisible(kDownloadLink);
        if (newer) std::cout << dialog.ControlText(kDownloadLink) << "\n";
        sim::Press(dialog, kOk);
      });
  if (!error.empty()) return error;
  if (status.rfind("Network connection failed", 0) == 0) return "the update check failed: " + status;
  return "";
}

}  // namespace

bool SupportNeedsDesign(const SupportRequest& request) {
  return !request.words.empty() && request.words[0] == "help";
}

std::string RunSupportCommand(ModuleLoader& module, const SupportRequest& request) {
  const std::string usage = "support needs about, mail, demo, check-update [--server HOST[:PORT]] or help.";
  if (request.words.size() != 1) return usage;
  const std::string& what = request.words[0];
  if (!request.server.empty() && what != "check-update") return "--server goes with check-update only.";
  if (what == "about") return About(module);
  if (what == "mail") return RunOpening(module, "QUORVELLE SUPPORT");
  if (what == "demo") return RunOpening(module, "QUORVELLE DEMO");
  if (what == "check-update") return CheckUpdate(module, request.server);
  if (what == "help") return StepRunner(module).Run("keyin QUORVELLE HELP");
  return usage;
}
