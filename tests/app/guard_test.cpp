// The guard every command runs in: each kind of failure is reported its own way and
// nothing reaches the host.
#include <stdexcept>

#include "app/CommandGuard.h"
#include "automation/ComError.h"
#include "host/msoutput.h"
#include "sim/SimOutput.h"
#include "support/Breadcrumbs.h"
#include "support/FaultTranslator.h"
#include "tests/TestSupport.h"
#include "tests/support/FaultHelpers.h"

namespace {

class GuardTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    crashName.clear();
    crashStep = 0;
    InstallFaultTranslator();
  }
};

TEST_F(GuardTest, EachKindOfFailureGetsItsReportAndTheCleanUpRunsFirst) {
  struct Case {
    const char* name;
    bool reportsAutomation;
    std::function<void()> body;
    sim::OutputKind kind;
    std::string text;
    bool cleanedUp;
  } cases[] = {
      {"automation reported", true, [] { throw _com_error(0x800A03EC, "Unable to get the Open property"); },
       sim::OutputKind::HostMessageBox, "Unable to get the Open property", true},
      {"automation not reported", false, [] { throw _com_error(0x80020009); }, sim::OutputKind::HostMessageBox,
       "Error raise in Test", true},
      {"automation without a text", true, [] { throw _com_error(static_cast<HRESULT>(0x80004005)); },
       sim::OutputKind::HostMessageBox, "Unknown error 0x80004005", true},
      {"anything else", false, [] { throw std::runtime_error("boom"); }, sim::OutputKind::HostMessageBox,
       "Error raise in Test", true},
      {"not even an exception", false, [] { throw 42; }, sim::OutputKind::HostMessageBox, "Error raise in Test", true},
      {"processor fault", true, [] { faults::ReadInvalidAddress(); }, sim::OutputKind::AdvisoryBox,
       "Catched the Exception in CAcadFunc::Test: C0000005.\n", false},
  };
  for (const auto& c : cases) {
    sim::ClearOutputLog();
    bool cleaned = false;
    CommandGuard guard{"CAcadFunc::Test", "Error raise in Test", c.reportsAutomation, [&] { cleaned = true; }};
    EXPECT_NO_THROW(RunGuarded(guard, c.body)) << c.name;
    ASSERT_EQ(1u, sim::OutputLog().size()) << c.name;
    EXPECT_EQ(c.kind, sim::OutputLog()[0].kind) << c.name;
    // A fault's report goes on with the modules and the stack.
    const std::string& text = sim::OutputLog()[0].text;
    EXPECT_EQ(c.text, c.kind == sim::OutputKind::AdvisoryBox ? text.substr(0, c.text.size()) : text) << c.name;
    EXPECT_EQ(MSGBOX_ICON_INFORMATION, sim::OutputLog()[0].code) << c.name;
    EXPECT_EQ(c.cleanedUp, cleaned) << c.name;
  }
}

TEST_F(GuardTest, AFaultReportQuotesTheLastBreadcrumbUnderTheVendorsTitle) {
  RecordBreadcrumb("CSignalDlg::OnOutputToDgn", 612);
  CommandGuard guard{"CAcadFunc::UpdateQuorvelle_Selected", "x"};
  guard.titlePrefix = [] { return std::string("3: "); };
  RunGuarded(guard, [] { faults::ReadInvalidAddress(); });
  ASSERT_EQ(1u, sim::OutputLog().size());
  EXPECT_EQ("3: Please send this error to support@korvu.com.", sim::OutputLog()[0].title);
  EXPECT_EQ(0u, sim::OutputLog()[0].text.find(
                    "Catched the Exception in CAcadFunc::UpdateQuorvelle_Selected: C0000005.\nCSignalDlg::OnOutputToDgn, 612\n"));
}

TEST_F(GuardTest, AFailingCleanUpDoesNotEscapeEither) {
  CommandGuard guard{"CAcadFunc::Test", "Error raise in Test", false, [] { throw std::runtime_error("again"); }};
  EXPECT_NO_THROW(RunGuarded(guard, [] { throw std::logic_error("first"); }));
  EXPECT_EQ(std::vector<std::string>{"Error raise in Test"}, sim::OutputTexts(sim::OutputKind::HostMessageBox));
}

}  // namespace
