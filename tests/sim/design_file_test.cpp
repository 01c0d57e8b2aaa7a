// The design file: identity of elements, undo, and saving and opening on disk.
#include <filesystem>
#include <fstream>

#include "host/mselmdscr.h"
#include "host/mslinkage.h"
#include "host/msmodel.h"
#include "host/msxattr.h"
#include "sim/SimFailures.h"
#include "sim/dgn/ElementJson.h"
#include "sim/host/Descriptors.h"
#include "tests/TestSupport.h"
#include "tests/sim/SimTestHelpers.h"

namespace {

class DesignFileTest : public HostTest {};

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

ElementID IdAt(ULong pos) {
  MSElement el;
  EXPECT_EQ(SUCCESS, mdlElement_read(&el, mdlModelRef_getActive(), pos));
  return mdlElement_getID(&el);
}

TEST_F(DesignFileTest, IdentifiersAreNeverGivenTwiceAcrossDeleteSaveAndReopen) {
  std::string path = dir.File("ids.dgn");
  sim::NewDesignFile(path);
  ULong a = AddLine(0, 0, 1, 1);
  ULong b = AddCell(u"C", 2);
  ElementID idA = IdAt(a), idB = IdAt(b);
  MSElement el;
  ASSERT_EQ(SUCCESS, mdlElement_read(&el, mdlModelRef_getActive(), b));
  ASSERT_EQ(SUCCESS, mdlElement_undoableDelete(&el, b, 1));
  ULong c = AddLine(0, 0, 2, 2);
  EXPECT_NE(c, b);
  EXPECT_GT(IdAt(c), idB);
  ASSERT_EQ("", sim::SaveDesignFile());

  sim::ResetHost();
  ASSERT_EQ("", sim::OpenDesignFile(path));
  EXPECT_EQ(idA, IdAt(a));
  EXPECT_NE(SUCCESS, mdlElement_read(&el, mdlModelRef_getActive(), b));  // the deleted cell is gone
  ElementID highest = IdAt(c);
  ULong d = AddCell(u"D", 1);
  EXPECT_GT(d, c);
  MSElementDescr* dscr = nullptr;
  ASSERT_GT(mdlElmdscr_read(&dscr, d, mdlModelRef_getActive(), 0, nullptr), 0);
  // Header and member both get identifiers never used before in this file.
  EXPECT_GT(dscr->el.id, highest);
  ASSERT_NE(nullptr, dscr->h.firstElem);
  EXPECT_GT(dscr->h.firstElem->el.id, highest);
  EXPECT_NE(dscr->h.firstElem->el.id, dscr->el.id);
  mdlElmdscr_freeAll(&dscr);
}

TEST_F(DesignFileTest, UndoBringsBackADeletedElementWithItsIdentityAndAttributes) {
  ULong pos = AddCell(u"T", 3);
  ElementRef ref = dgnCache_findElemByFilePos(mdlModelRef_getCache(mdlModelRef_getActive()), pos);
  {
    EditElemHandle edit(ref, mdlModelRef_getActive());
    unsigned char bytes[5] = {1, 2, 3, 4, 5};
    ASSERT_EQ(SUCCESS, edit.ScheduleWriteXAttribute(XAttributeHandlerId(3900, 0), 0, 5, bytes));
    ASSERT_EQ(SUCCESS, edit.ReplaceInModel(ref));
  }
  ElementID id = IdAt(pos);
  MSElement el;
  ASSERT_EQ(SUCCESS, mdlElement_read(&el, mdlModelRef_getActive(), pos));
  ASSERT_EQ(SUCCESS, mdlElement_undoableDelete(&el, pos, 1));
  EXPECT_NE(SUCCESS, mdlElement_read(&el, mdlModelRef_getActive(), pos));
  EXPECT_EQ(nullptr, dgnCache_findElemByID(mdlModelRef_getCache(mdlModelRef_getActive()), id));

  ASSERT_TRUE(sim::Undo());
  EXPECT_EQ(id, IdAt(pos));
  EXPECT_EQ(ref, dgnCache_findElemByID(mdlModelRef_getCache(mdlModelRef_getActive()), id));
  XAttributeHandle x(ref, XAttributeHandlerId(3900, 0), 0);
  ASSERT_TRUE(x.IsValid());
  EXPECT_EQ(5u, x.GetSize());
}

TEST_F(DesignFileTest, SaveAndOpenKeepEverythingTheFileHolds) {
  std::string path = dir.File("round.dgn");
  sim::NewDesignFile(path);
  sim::SetUnits(1000, 12, UNIT_FEET, UNIT_INCHES);
  LevelID level = sim::AddLevel(u"Borders");
  ASSERT_EQ(SUCCESS, mdlParams_setActive(&level, ACTIVEPARAM_LEVEL));
  sim::SetColor(7, {1, 2, 3});
  ULong pos = AddCell(u"Cell_Quorvelle", 4);
  MSElement header;
  ASSERT_EQ(SUCCESS, mdlElement_read(&header, mdlModelRef_getActive(), pos));
  // A lone surrogate survives the trip through the file.
  const MSWChar odd[] = {u'a', 0xD800, u'b', 0};
  ASSERT_EQ(SUCCESS, mdlLinkage_appendStringLinkage(&header, 4, u"C:\\Data\\Book1.xlsx"));
  ASSERT_EQ(SUCCESS, mdlLinkage_appendStringLinkage(&header, 5, odd));
  ASSERT_EQ(pos, mdlElement_rewrite(&header, nullptr, pos));
  std::string before = sim::DumpDesignFile();
  ASSERT_EQ("", sim::SaveDesignFile());

  sim::ResetHost();
  ASSERT_EQ("", sim::OpenDesignFile(path));
  EXPECT_EQ(before, sim::DumpDesignFile());
  MSElement again;
  ASSERT_EQ(SUCCESS, mdlElement_read(&again, mdlModelRef_getActive(), pos));
  MSWChar text[16];
  ASSERT_EQ(SUCCESS, mdlLinkage_extractNamedStringLinkageByIndex(text, 16, 5, 0, &again));
  EXPECT_EQ(std::u16string(odd), std::u16string(text));
  RGBColorDef rgb;
  ASSERT_EQ(SUCCESS, mdlColor_elementColorToRGB(&rgb, 7, mdlModelRef_getActive()));
  EXPECT_EQ(3, rgb.blue);
}

TEST_F(DesignFileTest, ForeignOrDamagedFilesAreRefusedAndChangeNothing) {
  std::string good = dir.File("good.dgn");
  sim::NewDesignFile(good);
  AddLine(0, 0, 5, 5);
  ASSERT_EQ("", sim::SaveDesignFile());
  std::string openDump = sim::DumpDesignFile();

  std::string text = dir.File("notes.dgn");
  std::ofstream(text) << "this is a text file, not a design file\n";
  std::string truncated = dir.File("truncated.dgn");
  std::string bytes = FileBytes(good);
  std::ofstream(truncated, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
  std::string otherDb = dir.File("other.dgn");
  ASSERT_EQ(0, std::system(("sqlite3 " + otherDb + " 'CREATE TABLE t(x); INSERT INTO t VALUES(1);'").c_str()));

  struct Case {
    std::string path;
    std::string expected;
  } cases[] = {
      {dir.File("missing.dgn"), "no such file"},
      {text, "is not a design file"},
      {truncated, "damaged"},
      {otherDb, "is not a design file"},
  };
  for (const auto& c : cases) {
    std::string original = FileBytes(c.path);
    std::string error = sim::OpenDesignFile(c.path);
    EXPECT_NE(std::string::npos, error.find(c.expected)) << c.path << ": " << error;
    EXPECT_EQ(openDump, sim::DumpDesignFile()) << "the open file changed after " << c.path;
    EXPECT_EQ(original, FileBytes(c.path)) << c.path << " was changed";
  }
  // Saving over a foreign file is refused too.
  std::string original = FileBytes(otherDb);
  EXPECT_NE(std::string::npos, sim::SaveDesignFile(otherDb).find("not a design file"));
  EXPECT_EQ(original, FileBytes(otherDb));
  EXPECT_NE(std::string::npos, sim::SaveDesignFile(text).find("not a design file"));
}

TEST_F(DesignFileTest, AMalformedRecordIsNamedByItsFilePosition) {
  std::string path = dir.File("bad.dgn");
  sim::NewDesignFile(path);
  ULong pos = AddLine(0, 0, 1, 1);
  ASSERT_EQ("", sim::SaveDesignFile());
  std::string sql = "sqlite3 " + path + " \"UPDATE elements SET body = '{\\\"type\\\": 3}' WHERE filepos = " +
                    std::to_string(pos) + "\"";
  ASSERT_EQ(0, std::system(sql.c_str()));
  sim::ResetHost();
  std::string error = sim::OpenDesignFile(path);
  EXPECT_NE(std::string::npos, error.find("file position " + std::to_string(pos))) << error;
}

TEST_F(DesignFileTest, ColoursOutOfRangeAreRefusedNotChanged) {
  std::string path = dir.File("colours.dgn");
  sim::NewDesignFile(path);
  ASSERT_EQ("", sim::SaveDesignFile());
  for (const char* value : {"300", "-1", "'red'", "2.5"}) {
    SCOPED_TRACE(value);
    std::string sql = std::string("sqlite3 ") + path + " \"UPDATE colors SET green = " + value + " WHERE idx = 7\"";
    ASSERT_EQ(0, std::system(sql.c_str()));
    const std::string before = FileBytes(path);
    sim::ResetHost();
    std::string error = sim::OpenDesignFile(path);
    EXPECT_NE(std::string::npos, error.find("colour 7 has a component that is no number from 0 to 255")) << error;
    EXPECT_EQ(before, FileBytes(path));
  }
}

TEST_F(DesignFileTest, StoredSettingsOutOfRangeAreRefused) {
  std::string path = dir.File("settings.dgn");
  sim::NewDesignFile(path);
  ASSERT_EQ("", sim::SaveDesignFile());
  const struct {
    const char* key;
    const char* value;
    const char* reason;
  } cases[] = {
      {"uorPerMaster", "1e308", "its units are out of range"},
      {"activeColor", "300", "its active colour or weight is out of range"},
      {"activeColor", "-1", "its active colour or weight is out of range"},
      {"activeWeight", "32", "its active colour or weight is out of range"},
      {"activeTextHeight", "-2", "its active text size is no size"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + " " + c.value);
    std::ofstream(dir.File("copy.sql")) << "UPDATE meta SET value = '" << c.value << "' WHERE key = '" << c.key << "';";
    const std::string copy = dir.File("copy.dgn");
    std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(0, std::system(("sqlite3 " + copy + " < " + dir.File("copy.sql")).c_str()));
    sim::ResetHost();
    std::string error = sim::OpenDesignFile(copy);
    EXPECT_NE(std::string::npos, error.find(c.reason)) << error;
  }
}

TEST_F(DesignFileTest, AFileWithElementsStoredAsJsonStillOpens) {
  // Files saved before elements were stored compactly hold each tree as JSON text.
  std::string path = dir.File("older.dgn");
  sim::NewDesignFile(path);
  ULong pos = AddCell(u"Cell_Quorvelle", 3);
  ASSERT_EQ("", sim::SaveDesignFile());
  const std::string before = sim::DumpDesignFile();
  std::string body;
  {
    MSElementDescr* cell = nullptr;
    ASSERT_GT(mdlElmdscr_read(&cell, pos, mdlModelRef_getActive(), 0, nullptr), 0);
    ElementNode node = sim::NodeOf(cell);
    mdlElmdscr_freeAll(&cell);
    body = sim::StoredNode(node).dump();
  }
  std::string quoted;
  for (char c : body) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  const std::string sql = "UPDATE elements SET body = '" + quoted + "' WHERE filepos = " + std::to_string(pos) +
                          "; PRAGMA user_version = 1;";
  std::ofstream(dir.File("older.sql")) << sql;
  ASSERT_EQ(0, std::system(("sqlite3 " + path + " < " + dir.File("older.sql")).c_str()));

  sim::ResetHost();
  ASSERT_EQ("", sim::OpenDesignFile(path));
  EXPECT_EQ(before, sim::DumpDesignFile());
}

TEST_F(DesignFileTest, ASaveCutShortLeavesThePreviousFileIntact) {
  std::string path = dir.File("crash.dgn");
  sim::NewDesignFile(path);
  AddLine(0, 0, 1, 1);
  ASSERT_EQ("", sim::SaveDesignFile());
  std::string saved = sim::DumpDesignFile();
  for (int i = 0; i < 50; ++i) AddLine(i, 0, i, 10);
  // The process dies in the middle of writing the elements.
  EXPECT_EXIT(
      {
        sim::FailOperation("SaveModel.crash");
        sim::SaveDesignFile();
      },
      ::testing::ExitedWithCode(3), "");
  sim::ResetHost();
  ASSERT_EQ("", sim::OpenDesignFile(path));
  EXPECT_EQ(saved, sim::DumpDesignFile());
}

}  // namespace
