// The support commands and a processor fault inside the host, from the host shell.
#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/LoopbackHttpServer.h"
#include "tests/tools/ShellTestSupport.h"

namespace {

using SupportShellTest = ShellTest;

TEST_F(SupportShellTest, AFaultInsideAHostOperationIsReportedAndTheNextStepRuns) {
  const std::string dgn = dir.File("plan.dgn");
  ASSERT_EQ(0, Shell("--design " + dgn + " new").status);
  ASSERT_EQ(0, Shell("registry set 'HKEY_LOCAL_MACHINE\\SOFTWARE\\Korvu\\KorvuMSV8i\\Quorvelle' Path 'Z:" +
                     dir.path().string() + "'").status);
  ShellResult r = Shell("--design " + dgn + " --inject-fault mdlElmdscr_add run 'keyin QUORVELLE HELP' "
                        "'keyin QUORVELLE HELP'");
  EXPECT_EQ(1, r.status) << r.out;  // the module reported an error
  EXPECT_NE(std::string::npos, r.out.find("Please send this error to support@korvu.com.")) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("C0000005.\n")) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("mdlElmdscr_add")) << r.out;  // in the stack
  EXPECT_TRUE(std::filesystem::exists(dir.File("MdlQuorvelle.dmp")));
  // The second step placed its sample, the first nothing.
  const auto elements = nlohmann::json::parse(Shell("--design " + dgn + " dump").out)["elements"];
  EXPECT_EQ(1u, elements.size());

  r = Shell("--quiet --design " + dir.File("table.dgn") + " --inject-fault mdlElmdscr_add create --transcript " +
            QV_SOURCE_DIR "/tools/samples/schedule.qvt --at 0,0");
  EXPECT_EQ(1, r.status) << r.out;
}

TEST_F(SupportShellTest, TheSupportCommandsSayWhatTheyWouldOpenAndShow) {
  ShellResult r = Shell("--quiet support demo");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_EQ("would open: http://www.korvu.com/redirect.php?page=demo&product=qv\n", r.out);
  r = Shell("--quiet support mail");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_EQ(0u, r.out.find("would open: mailto:support@korvu.com?body= Please provide")) << r.out;
  r = Shell("--quiet support about");
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_EQ(0u, r.out.find("About Quorvelle 5.70 for MicroStation V8i\nQuorvelle version 5.70\n")) << r.out;
  r = Shell("--quiet support nothing");
  EXPECT_EQ(1, r.status);
  EXPECT_NE(std::string::npos, r.out.find("support needs about, mail, demo")) << r.out;
}

TEST_F(SupportShellTest, TheUpdateCheckAsksTheServerGivenForThisRunOnly) {
  LoopbackHttpServer server;
  server.Answer(200, "MS*Quorvelle: 5.80\n");
  const int port = server.port();
  ShellResult r = Shell("--quiet support check-update --server 127.0.0.1:" + std::to_string(port));
  server.Stop();
  ASSERT_EQ(0, r.status) << r.out;
  EXPECT_EQ("The new version 5.80 is available.\nPlease download the new version by visiting\n"
            "http://www.korvu.com/download.php?product=qv\n",
            r.out);
  // The server was for that run: the value is gone again.
  r = Shell("registry get 'HKEY_CURRENT_USER\\Software\\Korvu\\KorvuMSV8i\\Quorvelle' UpdateServer");
  EXPECT_NE(0, r.status) << r.out;

  // Nothing listens there any more.
  r = Shell("--quiet support check-update --server 127.0.0.1:" + std::to_string(port));
  EXPECT_EQ(1, r.status) << r.out;
  EXPECT_NE(std::string::npos, r.out.find("the update check failed: Network connection failed.")) << r.out;
}

}  // namespace
