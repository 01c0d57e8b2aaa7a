// The exports the host calls: table recognition by the locate filter, the settings
// queries and toggles, the key-in table.
#include <set>

#include "app/Exports.h"
#include "app/ModuleState.h"
#include "output/PatternTemplate.h"
#include "host/mscommand.h"
#include "host/mselmdscr.h"
#include "host/mslinkage.h"
#include "host/msmodel.h"
#include "host/msstate.h"
#include "host/msxattr.h"
#include "settings/Profile.h"
#include "sim/SimOutput.h"
#include "tests/app/AppTestSupport.h"

extern "C" const MdlCommandEntry* mdlApplication_commandTable(int* count);

namespace {

class ExportsTest : public ModuleTest {
 protected:
  // A cell header with the given name; linkage key 0 means none.
  ULong AddCell(const char16_t* name, UShort linkageKey, bool linkAttribute = false) {
    MSElement header;
    mdlCell_create(&header, name, nullptr, 0);
    if (linkageKey) mdlLinkage_appendStringLinkage(&header, linkageKey, u"C:\\Data\\Book1.xlsx");
    MSElementDescr* cell = nullptr;
    mdlElmdscr_new(&cell, nullptr, &header);
    ULong pos = mdlElmdscr_add(cell);
    mdlElmdscr_freeAll(&cell);
    if (linkAttribute) {
      ElementRef ref = dgnCache_findElemByFilePos(mdlModelRef_getCache(mdlModelRef_getActive()), pos);
      EditElemHandle edit(ref, mdlModelRef_getActive());
      char link[2088] = {};
      edit.ScheduleWriteXAttribute(XAttributeHandlerId(3900, 0), 0, sizeof link, link);
      edit.ReplaceInModel(ref);
    }
    return pos;
  }
};

TEST_F(ExportsTest, TheLocateFilterAcceptsTablesOnlyWhileNoOperationRuns) {
  struct Case {
    const char16_t* name;
    UShort key;
    bool attribute;
    int accepted;
  } cases[] = {
      {u"Cell_Quorvelle", 4, false, 1},  {u"CELL_QUORVELLE", 4, false, 1}, {u"Cell_Quorvelle", 0, true, 1},
      {u"Cell_Quorvelle", 5, false, 0},  {u"Cell_Quorvelle", 0, false, 0}, {u"Other", 4, false, 0},
  };
  for (const auto& c : cases) {
    ULong pos = AddCell(c.name, c.key, c.attribute);
    moduleIdle = 1;
    EXPECT_EQ(c.accepted, Quorvelle_Filter(0, 0, mdlModelRef_getActive(), pos)) << static_cast<int>(c.key);
    moduleIdle = 0;
    EXPECT_EQ(0, Quorvelle_Filter(0, 0, mdlModelRef_getActive(), pos));
  }
  moduleIdle = 1;
  EXPECT_EQ(0, Quorvelle_Filter(0, 0, mdlModelRef_getActive(), 9999));
}

TEST_F(ExportsTest, AttachAppMenuIsReadFromTheMachineKey) {
  const std::string key = "SOFTWARE\\Korvu\\KorvuMSV8i\\Quorvelle";
  EXPECT_EQ(0, IsAttachAppMenu());  // no key
  WriteRegistryString(HKEY_LOCAL_MACHINE, key, "Path", "C:\\Program Files\\Korvu");
  EXPECT_EQ(0, IsAttachAppMenu());  // key without the value
  WriteRegistryString(HKEY_LOCAL_MACHINE, key, "AttachAppMenu", "1");
  EXPECT_EQ(0, IsAttachAppMenu());  // a value of the wrong kind reads as absent
  WriteRegistryDword(HKEY_LOCAL_MACHINE, key, "AttachAppMenu", 1);
  EXPECT_EQ(1, IsAttachAppMenu());
}

TEST_F(ExportsTest, TurningAutoUpdateTwiceRestoresTheSettingAndSaysSoEachTime) {
  EXPECT_EQ(0, IsAutoUpdate());
  EXPECT_EQ(1, Quorvelle_TurnAutoUpdate());
  EXPECT_EQ(1, IsAutoUpdate());
  EXPECT_EQ(1, Quorvelle_TurnAutoUpdate());
  EXPECT_EQ(0, IsAutoUpdate());
  EXPECT_EQ((std::vector<std::string>{"Auto-Update is enabled.", "Auto-Update is disabled."}),
            sim::OutputTexts(sim::OutputKind::HostMessageBox));
}

TEST_F(ExportsTest, LoadingBuildsTheHatchTemplateAndResetStartsTheDefaultCommand) {
  EXPECT_EQ(LINE_ELM, patternTemplate.type);
  ASSERT_EQ(2u, patternTemplate.points.size());
  EXPECT_NE(patternTemplate.points[0].x, patternTemplate.points[1].x);
  mdlState_startPrimitive(nullptr, nullptr, "SOMETHING", nullptr);
  EXPECT_EQ(1, Quorvelle_Reset());
  EXPECT_EQ("default", sim::RunningCommand());
}

TEST_F(ExportsTest, EveryKeyInRunsSomethingAndIsUnique) {
  int count = 0;
  const MdlCommandEntry* table = mdlApplication_commandTable(&count);
  ASSERT_GT(count, 0);
  std::set<std::string> keyins;
  for (int i = 0; i < count; ++i) {
    EXPECT_TRUE(keyins.insert(table[i].keyin).second) << table[i].keyin;
    EXPECT_TRUE(table[i].function || table[i].dataPoint) << table[i].keyin;
    if (table[i].filter) {
      EXPECT_NE(nullptr, table[i].dataPoint) << table[i].keyin;
    }
  }
  EXPECT_EQ(1u, keyins.count("QUORVELLE CREATE"));
  EXPECT_EQ(1u, keyins.count("QUORVELLE REPLACELINK"));
}

}  // namespace
