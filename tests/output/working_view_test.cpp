// The view a command draws in: the one it works in, else the one the user last
// worked in.
#include "host/msview.h"
#include "output/WorkingView.h"
#include "tests/TestSupport.h"

namespace {

using WorkingViewTest = HostTest;

TEST_F(WorkingViewTest, TheCommandsViewElseTheLastOne) {
  struct Case {
    const char* what;
    int working, last, expected;
  } cases[] = {
      {"no view of the command: the last one", -1, 2, 2},
      {"the command's view", 3, 0, 3},
      {"the first view is a view", 0, 5, 0},
  };
  for (const Case& c : cases) {
    workingView = c.working;
    tcbP->lstvw = c.last;
    EXPECT_EQ(c.expected, CommandView()) << c.what;
  }
  workingView = -1;
}

}  // namespace
