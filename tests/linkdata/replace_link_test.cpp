// The key-in that moves the links of every table under one folder to another: its
// command text, the tables it re-points and the messages it writes.
#include "app/Exports.h"
#include "host/mselement.h"
#include "host/msmodel.h"
#include "output/LinkData.h"
#include "sim/SimOutput.h"
#include "tests/linkdata/LinkDataTestSupport.h"

namespace {

using ReplaceLinkTest = LinkDataTest;

std::vector<std::string> Messages() { return sim::OutputTexts(sim::OutputKind::Message); }

// The placed cell as the design file holds it now, found by its identifier.
MSElement ReadBack(const MSElement& placed) {
  MSElement now;
  const ElementRef ref = dgnCache_findElemByID(mdlModelRef_getCache(mdlModelRef_getActive()), placed.id);
  EXPECT_EQ(SUCCESS, mdlElement_read(&now, mdlModelRef_getActive(), elementRef_getFilePos(ref)));
  return now;
}

TEST_F(ReplaceLinkTest, ACommandTextWithoutTwoPartsChangesNothing) {
  const MSElement table = PlaceWithLinkages({{4, "C:\\Old\\a.xlsx"}});
  struct Case {
    const char* text;
    const char* message;
  } cases[] = {{nullptr, "The path is NULL."},
               {"", "The path is empty."},
               {"C:\\Old", "Invalid path."},
               {"|D:\\New", "Invalid path."},
               {"C:\\Old|", "Invalid path."}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text ? c.text : "(none)");
    sim::ClearOutputLog();
    Quorvelle_ReplaceLink(c.text);
    EXPECT_EQ(std::vector<std::string>{c.message}, Messages());
    EXPECT_EQ("C:\\Old\\a.xlsx", TextOf(table, 4));
  }
}

TEST_F(ReplaceLinkTest, TablesUnderTheOldFolderGetTheNewOneLetterCaseAside) {
  const MSElement moved = PlaceWithLinkages({{4, "c:\\old\\a.xls"}, {5, "Doors"}, {2, "$A$1:$B$2"}});
  const MSElement other = PlaceWithLinkages({{4, "C:\\Other\\b.xls"}});
  MSElement plain;
  mdlCell_create(&plain, u"Cell_Other", nullptr, 0);
  Place(plain);
  sim::ClearOutputLog();
  Quorvelle_ReplaceLink("\"C:\\Old\"|\"D:\\New\"");
  EXPECT_EQ(std::vector<std::string>{"Changed c:\\old\\a.xls to D:\\New\\a.xls successfully."}, Messages());
  EXPECT_EQ(std::vector<std::string>{"Unable to update. You did not save the Excel file originally.\n"},
            sim::OutputTexts(sim::OutputKind::Printf));
  EXPECT_EQ("D:\\New\\a.xls", TextOf(ReadBack(moved), 4));
  EXPECT_EQ("Doors", TextOf(ReadBack(moved), 5));
  EXPECT_EQ("C:\\Other\\b.xls", TextOf(ReadBack(other), 4));
}

// The prefix is text, not a folder; the first "|" splits; a stored relative path is
// matched as stored.
TEST_F(ReplaceLinkTest, ThePrefixIsMatchedAsTextAgainstThePathAsStored) {
  struct Case {
    const char* stored;
    const char* command;
    const char* after;
  } cases[] = {
      {"C:\\Data2\\b.xls", "C:\\Data|D:\\New", "D:\\New2\\b.xls"},
      {"C:\\Data\\b.xls", "C:\\Data|D:\\A|B", "D:\\A|B\\b.xls"},
      {"..\\Data\\b.xls", "C:\\Data|D:\\New", "..\\Data\\b.xls"},
      {"..\\Data\\b.xls", "..\\Data|..\\New", "..\\New\\b.xls"},
  };
  // Each case's table is checked before the next command runs over it as well.
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    const MSElement table = PlaceWithLinkages({{4, c.stored}});
    Quorvelle_ReplaceLink(c.command);
    EXPECT_EQ(c.after, TextOf(ReadBack(table), 4));
  }
}

TEST_F(ReplaceLinkTest, AModelWithoutCellHeadersSaysNothing) {
  sim::ClearOutputLog();
  Quorvelle_ReplaceLink("C:\\Old|D:\\New");
  EXPECT_TRUE(sim::OutputLog().empty());
}

// A table placed by an earlier version keeps its link in the link record, which the
// readers prefer to the string linkage: the record is re-pointed as well, so that the
// message that it changed is true.
TEST_F(ReplaceLinkTest, ALinkKeptInTheLegacyRecordIsRePointedToo) {
  const MSElement table = PlaceWithLinkages({{4, "C:\\Old\\legacy.xlsx"}});
  WriteAttribute(table, 0, LinkRecord(u"C:\\Old\\legacy.xlsx", u"Sheet1", u"$A$1:$C$3", u"12/10/2026 14:03:27"));
  sim::ClearOutputLog();
  Quorvelle_ReplaceLink("C:\\Old|\\\\server\\share");
  EXPECT_EQ(std::vector<std::string>{"Changed C:\\Old\\legacy.xlsx to \\\\server\\share\\legacy.xlsx successfully."},
            Messages());
  const MSElement after = ReadBack(table);
  xlslinkinfo link;
  ASSERT_EQ(1, ReadXlsInfo(&after, &link, false));
  EXPECT_EQ("\\\\server\\share\\legacy.xlsx", link.Path);
  EXPECT_EQ("Sheet1", link.Worksheet);
  EXPECT_EQ("$A$1:$C$3", link.Range);
  EXPECT_EQ("12/10/2026 14:03:27", link.LastSaveTime.Format());
}

}  // namespace
