// "Check for Update" against a web server of its own on the loopback address.
#include "app/Exports.h"
#include "platform/msgbox.h"
#include "sim/SimDialogs.h"
#include "sim/SimOutput.h"
#include "support/LiveUpdateDlg.h"
#include "support/Registry.h"
#include "tests/LoopbackHttpServer.h"
#include "tests/TestSupport.h"
#include "ui/Hyperlink.h"

namespace {

class LiveUpdateTest : public HostTest {
 protected:
  void PointAt(const std::string& server) {
    ASSERT_TRUE(WriteRegistryString(HKEY_CURRENT_USER, ProfileKeyPath(kProductSectionName), "UpdateServer", server));
  }
  static constexpr const char* kProductSectionName = "Quorvelle";

  struct Seen {
    std::string prompt, status;
    bool linkShown = false, buttonsEnabledAfter = false;
  };
  // Runs the command: the status line before and after "Check up" is pressed.
  static Seen Check() {
    Seen seen;
    sim::PushDialogScript([&](IDialogPresenter& dialog) {
      seen.prompt = dialog.ControlText(CLiveUpdateDlg::kStatusId);
      sim::Press(dialog, CLiveUpdateDlg::kCheckUpId);
      seen.status = dialog.ControlText(CLiveUpdateDlg::kStatusId);
      seen.linkShown = dialog.ControlVisible(CHyperlink::kControlId);
      seen.buttonsEnabledAfter = dialog.ControlEnabled(CLiveUpdateDlg::kCheckUpId) && dialog.ControlEnabled(IDOK);
      if (seen.linkShown) sim::Press(dialog, CHyperlink::kControlId);
      sim::Press(dialog, IDOK);
    });
    EXPECT_EQ(1, Product_CheckUpdate());
    return seen;
  }
};

TEST_F(LiveUpdateTest, TheServersListSaysWhetherANewerVersionIsThere) {
  LoopbackHttpServer server;
  PointAt("127.0.0.1:" + std::to_string(server.port()));
  struct Case {
    const char* name;
    int status;
    std::string list;
    std::string expected;
    bool linkShown;
  } cases[] = {
      {"newer", 200, "MS*Quorvelle: 5.80\n", "The new version 5.80 is available.\nPlease download the new version by visiting",
       true},
      {"the same, another letter case", 200, "Other product: 9.9\r\nms*quorvelle:5.70\r\n",
       "Quorvelle version is current and up-to-date.", false},
      {"the key after other text: its tail, not the text after the key", 200, "Latest MS*Quorvelle: 5.90\n",
       "Quorvelle version is current and up-to-date.", false},
      {"5.8 is older than 5.70", 200, "MS*Quorvelle: 5.8", "Quorvelle version is current and up-to-date.", false},
      {"no line for the product", 200, "MS*Other: 9.0\n", "Quorvelle version is current and up-to-date.", false},
      {"not found", 404, "", "Network connection failed: 404.", false},
  };
  for (const Case& c : cases) {
    server.Answer(c.status, c.list);
    sim::ClearShellExecutions();
    const Seen seen = Check();
    EXPECT_EQ("Click Check up to see if a new version is available.", seen.prompt) << c.name;
    EXPECT_EQ(c.expected, seen.status) << c.name;
    EXPECT_EQ(c.linkShown, seen.linkShown) << c.name;
    EXPECT_TRUE(seen.buttonsEnabledAfter) << c.name;
    // The link opens the download page.
    EXPECT_EQ(c.linkShown ? 1u : 0u, sim::ShellExecutions().size()) << c.name;
  }
  const auto requests = server.requests();
  ASSERT_EQ(6u, requests.size());
  EXPECT_EQ("GET /updatelist/checkforupdate.txt HTTP/1.0", requests[0]);
  EXPECT_TRUE(sim::OutputTexts(sim::OutputKind::WindowsMessageBox).empty());
}

TEST_F(LiveUpdateTest, AServerThatCannotBeReachedIsSaidInTheStatusAndABox) {
  LoopbackHttpServer gone;
  const int port = gone.port();
  gone.Stop();
  PointAt("http://127.0.0.1:" + std::to_string(port) + "/");
  const Seen seen = Check();
  EXPECT_EQ("Network connection failed.", seen.status);
  EXPECT_FALSE(seen.linkShown);
  EXPECT_TRUE(seen.buttonsEnabledAfter);
  EXPECT_EQ(std::vector<std::string>{"A connection with the server could not be established\r\n"},
            sim::OutputTexts(sim::OutputKind::WindowsMessageBox));
}

TEST_F(LiveUpdateTest, TheServerComesFromTheInstallationThenTheUserThenTheMaker) {
  EXPECT_EQ("www.korvu.com", CLiveUpdateDlg::UpdateServer());
  PointAt("user.example:8080");
  EXPECT_EQ("user.example:8080", CLiveUpdateDlg::UpdateServer());
  ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, InstallationKeyPath(), "UpdateServer", "updates.example"));
  EXPECT_EQ("updates.example", CLiveUpdateDlg::UpdateServer());
}

}  // namespace
