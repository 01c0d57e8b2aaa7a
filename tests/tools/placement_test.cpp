// A large table placed by the host shell: the same elements, in the same order, with
// the same identifiers and file positions, however placing is made faster or leaner.
#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "sim/excel/xlsx/GridWorkbook.h"
#include "tests/tools/ShellTestSupport.h"

namespace {

using nlohmann::json;

// FNV-1a, 64 bits, in hexadecimal.
std::string Digest(const std::string& text) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 0x100000001b3ULL;
  }
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
  return hex;
}

using PlacementTest = ShellTest;

TEST_F(PlacementTest, ATableOf200By50CellsKeepsEveryElementAsItWasPlacedBefore) {
  const std::string workbook = dir.File("grid.xlsx"), design = dir.File("grid.dgn");
  ASSERT_EQ("", sim::WriteGridWorkbook(workbook, 200, 50));
  ShellResult r = Shell("--quiet --design " + design + " create --workbook " + workbook + " --sheet Data --range " +
                        sim::GridRange(200, 50) + " --at 10,20");
  ASSERT_EQ(0, r.status) << r.out;
  r = Shell("--quiet --design " + design + " dump");
  ASSERT_EQ(0, r.status) << r.out;
  json dump = json::parse(r.out);
  ASSERT_EQ(1u, dump["elements"].size());
  EXPECT_EQ(10302u, dump["elements"][0]["members"].size());
  // The workbook's path and save time differ from run to run.
  json& linkages = dump["elements"][0]["linkages"];
  for (auto it = linkages.begin(); it != linkages.end();)
    it = (*it)["key"] == 3 || (*it)["key"] == 4 ? linkages.erase(it) : it + 1;
  // The design file's font table lists the fonts installed on the machine.
  dump.erase("fonts");
  // Taken from the shell as it placed tables before descriptors appended in constant
  // time and elements were stored in their compact form, since the headings too wide
  // for their columns end at the next heading.
  EXPECT_EQ("9c2428e9b932944a", Digest(dump.dump()));
}

}  // namespace
