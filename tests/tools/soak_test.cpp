// Creates stopped by kill -9 at random moments, loading, drawing or saving: every
// design file afterwards opens, and holds each table it held before and, whole, the
// table of every create that finished. QUORVELLE_SOAK_CREATES sets how many creates
// run (a few dozen by default; a few hundred for a real soak), QUORVELLE_SOAK_SEED
// the seed of the moments, which a failure prints.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <thread>

#include "tests/tools/ShellTestSupport.h"

namespace {

using Clock = std::chrono::steady_clock;

int FromEnvironment(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::atoi(value) : fallback;
}

class SoakTest : public ShellTest {
 protected:
  // Starts a create of the fixture's range at a point; its process.
  // Its messages go to errors(), which a failure prints.
  pid_t StartCreate(const std::string& dgn, int x) {
    const std::string registry = "QUORVELLE_REGISTRY=" + dir.File("registry.json");
    const std::string at = std::to_string(x) + ",0";
    const std::string errors = Errors();
    const pid_t child = fork();
    if (child == 0) {
      putenv(const_cast<char*>(registry.c_str()));
      const int null = open("/dev/null", O_WRONLY);
      const int log = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
      dup2(null, 1);
      dup2(log, 2);
      execl(QV_SHELL, QV_SHELL, "--quiet", "--design", dgn.c_str(), "create", "--workbook", kBook, "--sheet", "styles",
            "--range", "A1:D20", "--at", at.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
    return child;
  }

  std::string Errors() { return dir.File("create.err"); }

  std::string ErrorsText() {
    std::ifstream in(Errors());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str().substr(0, 4000);
  }

  // The members of each table of the design file; fails the test when it does not open.
  std::vector<std::size_t> Tables(const std::string& dgn) {
    ShellResult dump = Shell("--quiet --design " + dgn + " dump");
    EXPECT_EQ(0, dump.status) << dump.out.substr(0, 400);
    std::vector<std::size_t> tables;
    if (dump.status != 0) return tables;
    const nlohmann::json design = nlohmann::json::parse(dump.out);
    for (const auto& element : design["elements"])
      if (element["name"] == "Cell_Quorvelle") tables.push_back(element["members"].size());
    return tables;
  }

  static constexpr const char* kBook = QV_SOURCE_DIR "/tests/fixtures/xlsx/4_every_style.xlsx";
};

TEST_F(SoakTest, CreatesKilledAtRandomLeaveEveryDesignFileWhole) {
  const int creates = FromEnvironment("QUORVELLE_SOAK_CREATES", 24);
  const unsigned seed = static_cast<unsigned>(FromEnvironment("QUORVELLE_SOAK_SEED", static_cast<int>(std::random_device{}())));
  SCOPED_TRACE("QUORVELLE_SOAK_SEED=" + std::to_string(seed));
  std::mt19937 random(seed);

  // One create undisturbed: how long it takes and what a whole table holds.
  const std::string first = dir.File("first.dgn");
  ASSERT_EQ(0, Shell("--quiet --design " + first + " new").status);
  const auto start = Clock::now();
  int status = 0;
  waitpid(StartCreate(first, 0), &status, 0);
  const auto undisturbed = Clock::now() - start;
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const std::vector<std::size_t> one = Tables(first);
  ASSERT_EQ(1u, one.size());
  const std::size_t members = one[0];

  // Ten creates to a design file, so that each check stays small.
  std::string dgn;
  std::size_t tables = 0;
  int killed = 0;
  std::uniform_int_distribution<long> moment(0, std::chrono::duration_cast<std::chrono::microseconds>(undisturbed).count() * 6 / 5);
  for (int i = 0; i < creates; ++i) {
    if (i % 10 == 0) {
      dgn = dir.File("soak" + std::to_string(i) + ".dgn");
      ASSERT_EQ(0, Shell("--quiet --design " + dgn + " new").status);
      tables = 0;
    }
    const pid_t child = StartCreate(dgn, 1000 * (i % 10));
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    const bool stopped = waitpid(child, &status, WNOHANG) == 0;
    if (stopped) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      ++killed;
    }
    const bool finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    ASSERT_TRUE(finished || stopped) << "create " << i << " failed with status " << status << "\n" << ErrorsText();

    const std::vector<std::size_t> now = Tables(dgn);
    ASSERT_FALSE(HasFailure()) << "create " << i;
    // The table of a create killed is there whole or not at all; nothing before it is lost.
    if (finished)
      ASSERT_EQ(tables + 1, now.size()) << "create " << i;
    else
      ASSERT_TRUE(now.size() == tables || now.size() == tables + 1) << "create " << i << ": " << now.size();
    for (std::size_t table : now) ASSERT_EQ(members, table) << "create " << i;
    tables = now.size();
  }
  std::printf("%d creates, %d of them killed\n", creates, killed);
}

}  // namespace
