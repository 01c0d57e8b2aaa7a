// The support commands: what the support e-mail says of the system, the addresses
// handed to the system, the About box, the help sample and the version comparison.
#include <nlohmann/json.hpp>

#include "app/Exports.h"
#include "host/msmodel.h"
#include "platform/msgbox.h"
#include "sim/SimDialogs.h"
#include "sim/SimFailures.h"
#include "sim/SimOutput.h"
#include "sim/excel/SimExcel.h"
#include "support/AboutDlg.h"
#include "support/Registry.h"
#include "support/SupportPages.h"
#include "support/SystemFacts.h"
#include "support/UpdateList.h"
#include "tests/TestSupport.h"

namespace {

class SupportCommandsTest : public HostTest {};

TEST_F(SupportCommandsTest, TheOperatingSystemTextNamesProductEditionServicePackAndBuild) {
  struct Case {
    const char* name;
    sim::SystemVersion version;
    int failedCalls;           // of GetVersionExA, the extended record first
    const char* productType;   // the registry's, for the basic record
    std::string expected;
  } cases[] = {
      {"XP Professional SP3", {5, 1, 0x00010A28, 2, "Service Pack 3", 3, 0, 1}, 0, nullptr,
       "Microsoft Windows XP Professional Service Pack 3 (Build 2600)\n"},
      {"XP Home", {5, 1, 2600, 2, "Service Pack 2", 2, 0x200, 1}, 0, nullptr,
       "Microsoft Windows XP Personal Service Pack 2 (Build 2600)\n"},
      {"2000 Datacenter", {5, 0, 2195, 2, "Service Pack 4", 4, 0x80, 3}, 0, nullptr,
       "Microsoft Windows 2000 DataCenter Server Service Pack 4 (Build 2195)\n"},
      {"2000 Advanced Server", {5, 0, 2195, 2, "", 0, 0x2, 3}, 0, nullptr,
       "Microsoft Windows 2000 Advanced Server  (Build 2195)\n"},
      {"a domain controller names no edition", {5, 0, 2195, 2, "", 0, 0, 2}, 0, nullptr,
       "Microsoft Windows 2000  (Build 2195)\n"},
      {"after XP only the edition", {}, 0, nullptr, "Professional  (Build 19045)\n"},
      {"NT 4", {4, 0, 1381, 2, "Service Pack 6", 6, 0, 1}, 0, nullptr,
       "Microsoft Windows NT Professional version 4.0 Service Pack 6 (Build 1381)\n"},
      {"NT 4 with the basic record only", {4, 0, 1381, 2, "Service Pack 5", 5, 0, 1}, 1, "LanmanNT",
       "Microsoft Windows NT Server version 4.0 Service Pack 5 (Build 1381)\n"},
      {"basic record, SERVERNT", {5, 0, 2195, 2, "", 0, 0, 3}, 1, "SERVERNT",
       "Microsoft Windows 2000 Advanced Server  (Build 2195)\n"},
      {"basic record, no product type", {5, 0, 2195, 2, "", 0, 0, 3}, 1, nullptr,
       "Microsoft Windows 2000  (Build 2195)\n"},
      {"95 OSR2", {4, 0, 1111, 1, " B", 0, 0, 0}, 0, nullptr, "Microsoft Windows 95 OSR2 "},
      {"95", {4, 0, 950, 1, "", 0, 0, 0}, 0, nullptr, "Microsoft Windows 95 "},
      {"98 SE", {4, 10, 2222, 1, " A", 0, 0, 0}, 0, nullptr, "Microsoft Windows 98 SE "},
      {"Me", {4, 90, 3000, 1, "", 0, 0, 0}, 0, nullptr, "Microsoft Windows Me "},
      {"Win32s", {1, 30, 0, 0, "", 0, 0, 0}, 0, nullptr, "Microsoft Win32s "},
      {"no version at all", {}, 2, nullptr, ""},
  };
  for (const Case& c : cases) {
    sim::SetSystemVersion(c.version);
    sim::FailOperation("GetVersionExA", c.failedCalls);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions");
    if (c.productType) {
      ASSERT_TRUE(WriteRegistryString(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions",
                                      "ProductType", c.productType));
    }
    EXPECT_EQ(c.expected, OSVersionText()) << c.name;
    sim::ClearFailures();
  }
  EXPECT_EQ("MicroStation 8B0", PlatformVersionText());
}

TEST_F(SupportCommandsTest, TheSupportMailCarriesTheFactsInItsBody) {
  sim::SetSystemVersion({5, 1, 2600, 2, "Service Pack 3", 3, 0, 1});
  EXPECT_EQ(
      "mailto:support@korvu.com?body= Please provide the following info to help us troubleshooting. Thanks. %0a%0d "
      "Operation System: Microsoft Windows XP Professional Service Pack 3 (Build 2600)\n %0a%0d CAD Platform "
      "Version: MicroStation 8B0 %0a%0d Excel Version: 16.0 %0a%0d Product Name: Quorvelle %0a%0d Product Version: "
      "5.70 %0a%0d Problem Description: (Step by Step) %0a%0d Screenshot(s): (Optional) %0a%0d Please attach sample "
      "files (.dwg and/or .xls) to help us troubleshooting if applicable. %0a%0d We will working on your problem and "
      "give you answers ASAP.",
      SupportMailAddress("16.0"));
}

TEST_F(SupportCommandsTest, TheExportsOpenTheirAddressesAndShowTheirBoxes) {
  Product_Support();
  EXPECT_EQ(1, Product_Demo());
  const auto& opened = sim::ShellExecutions();
  ASSERT_EQ(2u, opened.size());
  EXPECT_EQ("open", opened[0].verb);
  EXPECT_EQ(1, opened[0].show);  // SW_SHOWNORMAL
  EXPECT_EQ(0u, opened[0].file.find("mailto:support@korvu.com?body="));
  // The Excel the module started to ask for its version is gone again.
  EXPECT_NE(std::string::npos, opened[0].file.find("Excel Version: 16.0 %0a%0d"));
  EXPECT_TRUE(sim::RunningExcelInstances().empty());
  EXPECT_EQ("http://www.korvu.com/redirect.php?page=demo&product=qv", opened[1].file);
  EXPECT_EQ("open", opened[1].verb);

  std::string versionLine;
  sim::PushDialogScript([&](IDialogPresenter& dialog) {
    versionLine = dialog.ControlText(CAboutDlg::kVersionLineId);
    sim::Press(dialog, IDOK);
  });
  EXPECT_EQ(1, Product_About());
  EXPECT_EQ("Quorvelle version 5.70", versionLine);
  const auto shown = sim::OutputLog();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ("About Quorvelle 5.70 for MicroStation V8i", shown.front().title);
}

TEST_F(SupportCommandsTest, HelpPlacesTheSampleNodeWithItsSevenThreeMasterUnitsOut) {
  EXPECT_EQ(1, Product_Help());
  const auto dump = nlohmann::json::parse(sim::DumpDesignFile());
  ASSERT_EQ(1u, dump["elements"].size()) << dump.dump(1);
  const auto& node = dump["elements"][0];
  EXPECT_EQ(7, node["type"]);
  EXPECT_DOUBLE_EQ(3.0, node["origin"][0].get<double>());
  EXPECT_DOUBLE_EQ(3.0, node["origin"][1].get<double>());
  ASSERT_EQ(2u, node["members"].size());
  EXPECT_EQ("YD", node["members"][0]["text"]);
  EXPECT_EQ("7", node["members"][1]["text"]);

  // A node that cannot be made leaves the model as it was, and the command still
  // answers 1.
  sim::FailOperation("mdlTextNode_createWithStringsWide");
  EXPECT_EQ(1, Product_Help());
  sim::FailOperation("mdlText_createWide");
  EXPECT_EQ(1, Product_Help());
  EXPECT_EQ(1u, nlohmann::json::parse(sim::DumpDesignFile())["elements"].size());
}

TEST_F(SupportCommandsTest, VersionsCompareByTheirNumberedParts) {
  const std::pair<const char*, int> cases[] = {
      {"5.70", 1}, {"5.80", 0}, {"5.71", 0}, {"6", 0},     {"5.8", 1},  {"5.70.1", 1},
      {"5.69", 1}, {"5", 1},    {"", 1},     {"5..1", 1},  {"5.7x", 1}, {"v6.0", 1},
  };
  for (const auto& [server, current] : cases) EXPECT_EQ(current, CompareVersions(server)) << server;
}

TEST_F(SupportCommandsTest, AListLineGivesItsTailOfTheKeysLength) {
  const std::tuple<const char*, bool, const char*> cases[] = {
      {"MS*Quorvelle: 5.80", true, "5.80"},
      {"ms*quorvelle:5.70 ", true, "5.70"},
      {"xyz MS*Quorvelle: 5.90", true, "lle: 5.90"},
      {"MS*Other: 9.0", false, ""},
      {"MS*Quorvelle:", true, ""},
  };
  for (const auto& [line, found, version] : cases) {
    std::string got;
    EXPECT_EQ(found, VersionOfLine(line, &got)) << line;
    EXPECT_EQ(version, got) << line;
  }
}

}  // namespace
