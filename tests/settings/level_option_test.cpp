// Resolving a level option's name into a level of the active model.
#include <optional>

#include "host/msmodel.h"
#include "settings/LevelResolution.h"
#include "sim/SimFailures.h"
#include "tests/TestSupport.h"

namespace {

std::optional<LevelID> LevelNamed(const std::u16string& name) {
  LevelID id = 0;
  if (mdlLevel_getIdFromName(&id, mdlModelRef_getActive(), 0, name.c_str()) != SUCCESS) return std::nullopt;
  return id;
}

class LevelOptionTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    walls_ = sim::AddLevel(u"Walls");
    active_ = sim::AddLevel(u"Annotation");
    ASSERT_EQ(SUCCESS, mdlParams_setActive(&active_, ACTIVEPARAM_LEVEL));
    sim::AddLibraryLevel(u"Doors");
  }
  LevelID walls_ = 0, active_ = 0;
};

TEST_F(LevelOptionTest, NamesResolveToTheModelTheLibraryANewLevelOrTheActiveLevel) {
  struct Case {
    const char* text;
    const char* name;       // the option's name afterwards
    const char16_t* level;  // the level whose identifier it takes
  };
  const Case cases[] = {
      {"", "Annotation", u"Annotation"},  // not set: the active level
      {"*", "Annotation", u"Annotation"},
      {"Wall*", "Annotation", u"Annotation"},
      {"Walls", "Walls", u"Walls"},
      {"WALLS", "WALLS", u"Walls"},             // found regardless of case, kept as written
      {"Doors", "Doors", u"Doors"},             // from the library, now in the model
      {"Roof", "Roof", u"Roof"},                // created
      {"Bad|Name", "Bad|Name", u"Annotation"},  // the host refuses such a level
  };
  for (const Case& c : cases) {
    LevelOption option{"previous", 999};
    ResolveLevelOption(c.text, &option);
    EXPECT_EQ(c.name, option.name) << c.text;
    std::optional<LevelID> level = LevelNamed(c.level);
    ASSERT_TRUE(level) << c.text;
    EXPECT_EQ(*level, option.id) << c.text;
  }
  EXPECT_EQ(walls_, *LevelNamed(u"Walls"));
  EXPECT_EQ(active_, *LevelNamed(u"Annotation"));
}

TEST_F(LevelOptionTest, ALevelThatCannotBeCreatedGivesTheActiveLevelAndKeepsItsName) {
  sim::FailOperation("mdlLevel_create");
  LevelOption option;
  ResolveLevelOption("Roof", &option);
  EXPECT_EQ("Roof", option.name);
  EXPECT_EQ(active_, option.id);
  EXPECT_FALSE(LevelNamed(u"Roof"));

  // A name that is found needs no creation.
  sim::FailOperation("mdlLevel_create", -1);
  ResolveLevelOption("Doors", &option);
  EXPECT_EQ(*LevelNamed(u"Doors"), option.id);
  EXPECT_NE(active_, option.id);
}

}  // namespace
