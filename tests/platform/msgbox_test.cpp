#include "platform/msgbox.h"

#include <gtest/gtest.h>

#include "sim/SimOutput.h"
#include "sim/platform/SimPlatform.h"

namespace {

class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::ResetPlatform();
    sim::ClearOutputLog();
    sim::ClearBoxAnswers();
  }
  void TearDown() override { sim::ClearBoxAnswers(); }
};

TEST_F(MessageBoxTest, TheBoxIsRecordedWithItsAnswer) {
  EXPECT_EQ(MessageBoxA(nullptr, "Update the table?", "Quorvelle", MB_YESNO | MB_ICONQUESTION), IDYES);
  ASSERT_EQ(sim::OutputLog().size(), 1u);
  const sim::OutputEvent& box = sim::OutputLog().back();
  EXPECT_EQ(box.kind, sim::OutputKind::WindowsMessageBox);
  EXPECT_EQ(box.text, "Update the table?");
  EXPECT_EQ(box.title, "Quorvelle");
  EXPECT_EQ(box.code, static_cast<int>(MB_YESNO | MB_ICONQUESTION));
  EXPECT_EQ(box.answer, IDYES);

  MessageBoxA(nullptr, nullptr, nullptr, MB_OK);
  EXPECT_EQ(sim::OutputLog().back().title, "Error");  // Windows' caption when none is given
  EXPECT_EQ(sim::OutputLog().back().text, "");
}

TEST_F(MessageBoxTest, UnscriptedBoxesTakeTheirFirstButton) {
  const std::pair<UINT, int> cases[] = {
      {MB_OK | MB_ICONINFORMATION, IDOK},
      {MB_OKCANCEL | MB_ICONWARNING, IDOK},
      {MB_YESNO, IDYES},
      {MB_YESNOCANCEL | MB_ICONERROR, IDYES},
      {MB_RETRYCANCEL, IDRETRY},
      {MB_ABORTRETRYIGNORE, IDABORT},
  };
  for (const auto& [type, expected] : cases) EXPECT_EQ(MessageBoxA(nullptr, "t", "c", type), expected) << type;
}

TEST_F(MessageBoxTest, ScriptedAnswersAreTakenInOrder) {
  sim::PushBoxAnswer(IDNO);
  sim::PushBoxAnswer(IDCANCEL);
  EXPECT_EQ(MessageBoxA(nullptr, "first", "c", MB_YESNO), IDNO);
  EXPECT_EQ(MessageBoxA(nullptr, "second", "c", MB_YESNOCANCEL), IDCANCEL);
  EXPECT_EQ(MessageBoxA(nullptr, "third", "c", MB_OKCANCEL), IDOK);
  EXPECT_EQ(sim::OutputTexts(sim::OutputKind::WindowsMessageBox),
            (std::vector<std::string>{"first", "second", "third"}));
}

}  // namespace
