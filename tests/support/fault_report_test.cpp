// Processor faults inside a guarded command: the report the user is shown, the dump
// file written for the maker, and the host going on afterwards.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/CommandGuard.h"
#include "host/mselement.h"
#include "sim/SimFailures.h"
#include "sim/SimOutput.h"
#include "support/Breadcrumbs.h"
#include "support/FaultTranslator.h"
#include "support/Registry.h"
#include "tests/TestSupport.h"
#include "tests/support/FaultHelpers.h"

namespace {

namespace fs = std::filesystem;

class FaultReportTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    crashName.clear();
    crashStep = 0;
    InstallFaultTranslator();
    previousFolder_ = fs::current_path();
    fs::current_path(dir.path());
  }
  void TearDown() override {
    fs::current_path(previousFolder_);
    HostTest::TearDown();
  }

  // The one advisory box the guarded body leads to.
  static std::string ReportOf(const std::function<void()>& body) {
    sim::ClearOutputLog();
    RunGuarded({"CAcadFunc::UpdateQuorvelle_Accept", "Unknown error raise in Quorvelle_Update_Accept."}, body);
    const auto reports = sim::OutputTexts(sim::OutputKind::AdvisoryBox);
    EXPECT_EQ(1u, reports.size());
    return reports.empty() ? "" : reports[0];
  }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private:
  fs::path previousFolder_;
};

TEST_F(FaultReportTest, EachFaultIsReportedWithItsCodeTheBreadcrumbAndTheStackAndTheHostGoesOn) {
  struct Case {
    const char* name;
    std::function<void()> body;
    const char* code;
    const char* faultingFunction;
  } cases[] = {
      {"invalid memory access", [] { faults::ReadInvalidAddress(); }, "C0000005", "faults::ReadInvalidAddress"},
      {"division by zero", [] { faults::DivideByZero(7); }, "C0000094", "faults::DivideByZero"},
      {"illegal instruction", [] { faults::IllegalInstruction(); }, "C000001D", "faults::IllegalInstruction"},
      {"inside a host operation",
       [] {
         sim::FaultOperation("mdlCell_create");
         MSElement cell;
         mdlCell_create(&cell, u"T", nullptr, 0);
       },
       "C0000005", "mdlCell_create"},
  };
  // Twice over: a fault must leave the translator ready for the next one.
  for (int round = 0; round < 2; ++round) {
    for (const Case& c : cases) {
      RecordBreadcrumb("CSignalDlg::OnOutputToDgn", 612);
      const std::string report = ReportOf(c.body);
      EXPECT_EQ(0u, report.find(std::string("Catched the Exception in CAcadFunc::UpdateQuorvelle_Accept: ") + c.code +
                                ".\nCSignalDlg::OnOutputToDgn, 612\n"))
          << c.name << "\n" << report;
      // The modules, then the frames from the faulting function outwards.
      const std::size_t faulting = report.find(c.faultingFunction);
      EXPECT_NE(std::string::npos, report.find("OS-Version: 10.0.19045")) << c.name;
      EXPECT_NE(std::string::npos, report.find(", SymType: '")) << c.name;
      EXPECT_NE(std::string::npos, faulting) << c.name << "\n" << report;
      EXPECT_LT(faulting, report.find("FaultReportTest_EachFaultIsReported")) << c.name;
    }
  }
  // A command after the faults runs as usual.
  bool ran = false;
  RunGuarded({"CAcadFunc::Next", "x"}, [&] { ran = true; });
  EXPECT_TRUE(ran);
}

TEST_F(FaultReportTest, NothingRecordedMeansNoBreadcrumbLine) {
  const std::string report = ReportOf([] { faults::ReadInvalidAddress(); });
  EXPECT_EQ(0u, report.find("Catched the Exception in CAcadFunc::UpdateQuorvelle_Accept: C0000005.\nOS-Version: "))
      << report;
}

TEST_F(FaultReportTest, TheFaultingFramesAreUnwoundWithTheirObjects) {
  int destroyed = 0;
  struct Counted {
    int& count;
    ~Counted() { ++count; }
  };
  ReportOf([&] {
    Counted outer{destroyed};
    [&] {
      Counted inner{destroyed};
      faults::ReadInvalidAddress();
    }();
  });
  EXPECT_EQ(2, destroyed);
}

TEST_F(FaultReportTest, TheDumpGoesToTheInstallationFolderElseTheCurrentOne) {
  const fs::path installed = dir.path() / "install";
  fs::create_directories(installed);
  struct Case {
    const char* name;
    std::string pathValue;  // "" leaves the value out
    fs::path expected;      // empty: no file anywhere
  } cases[] = {
      {"no Path value", "", dir.path() / "MdlQuorvelle.dmp"},
      {"Path without a closing backslash", sim::ToWindowsPath(installed.string()), installed / "MdlQuorvelle.dmp"},
      {"Path with one", sim::ToWindowsPath(installed.string()) + "\\", installed / "MdlQuorvelle.dmp"},
      {"Path naming no folder", "Z:\\no\\such\\folder", {}},
  };
  for (const Case& c : cases) {
    fs::remove(dir.path() / "MdlQuorvelle.dmp");
    fs::remove(installed / "MdlQuorvelle.dmp");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, InstallationKeyPath().c_str());
    if (!c.pathValue.empty()) {
      ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, InstallationKeyPath(), "Path", c.pathValue));
    }
    // The report is shown whether or not the dump could be written.
    EXPECT_EQ(0u, ReportOf([] { faults::ReadInvalidAddress(); }).find("Catched the Exception")) << c.name;
    if (c.expected.empty()) {
      EXPECT_FALSE(fs::exists(dir.path() / "MdlQuorvelle.dmp")) << c.name;
      EXPECT_FALSE(fs::exists(installed / "MdlQuorvelle.dmp")) << c.name;
      continue;
    }
    const std::string dump = Read(c.expected);
    EXPECT_NE(std::string::npos, dump.find("Exception C0000005")) << c.name << "\n" << dump;
    EXPECT_NE(std::string::npos, dump.find("Access: read of address 0x10")) << c.name;
    EXPECT_NE(std::string::npos, dump.find("Stack, innermost first")) << c.name;
    EXPECT_NE(std::string::npos, dump.find("test_support")) << c.name;  // among the modules
  }
}

TEST_F(FaultReportTest, AFaultOnAThreadWithoutTheTranslatorStillEndsTheProcess) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(std::thread([] { faults::ReadInvalidAddress(); }).join(), "");
}

}  // namespace
