// The save time of a link: automation dates, their one text form, and the local
// time of a file's modification.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "support/FileModificationTime.h"
#include "support/OleDateTime.h"
#include "tests/TestSupport.h"

namespace {

// The machine's time zone, set for the length of one test.
class FixedTimeZone {
 public:
  explicit FixedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~FixedTimeZone() {
    if (old_)
      setenv("TZ", old_->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

 private:
  std::optional<std::string> old_;
};

FILETIME UtcFileTime(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second, WORD millis) {
  SYSTEMTIME utc{year, month, 0, day, hour, minute, second, millis};
  FILETIME ft{};
  EXPECT_TRUE(SystemTimeToFileTime(&utc, &ft));
  return ft;
}

TEST(LinkSaveTimeTest, TextFormRoundTripsEveryDate) {
  struct Case {
    COleDateTime time;
    const char* text;
  };
  const Case cases[] = {
      {COleDateTime(2026, 12, 10, 14, 3, 27), "12/10/2026 14:03:27"},
      {COleDateTime(2026, 1, 5, 9, 3, 7), "1/5/2026 9:03:07"},
      {COleDateTime(2028, 2, 29, 23, 59, 59), "2/29/2028 23:59:59"},
      {COleDateTime(100, 1, 1, 0, 0, 0), "1/1/0100 0:00:00"},
      {COleDateTime(9999, 12, 31, 23, 59, 59), "12/31/9999 23:59:59"},
      // Automation dates: day 0 is 30 December 1899; before it the time of day still
      // counts forwards.
      {COleDateTime(0.0), "12/30/1899 0:00:00"},
      {COleDateTime(2.5), "1/1/1900 12:00:00"},
      {COleDateTime(-1.25), "12/29/1899 6:00:00"},
      {COleDateTime(45658.75), "1/1/2025 18:00:00"},
      {COleDateTime(0.999999999), "12/31/1899 0:00:00"},  // to the nearest second
  };
  for (const Case& c : cases) {
    ASSERT_EQ(COleDateTime::valid, c.time.GetStatus()) << c.text;
    EXPECT_EQ(c.text, c.time.Format());
    COleDateTime parsed;
    EXPECT_TRUE(parsed.ParseDateTime(c.text)) << c.text;
    EXPECT_EQ(c.text, parsed.Format());
  }
  // A time read back is the same time, so a stored save time compares equal.
  COleDateTime stored(2026, 12, 10, 14, 3, 27), read;
  read.ParseDateTime(stored.Format());
  EXPECT_TRUE(read == stored);
  EXPECT_FALSE(read == COleDateTime(2026, 12, 10, 14, 3, 28));
}

TEST(LinkSaveTimeTest, TextsInAnyOtherFormAreInvalid) {
  const char* texts[] = {
      "",
      "12/10/2026",             // no time
      "12/10/2026 14:03",       // no seconds
      "12/10/26 14:03:27",      // two-digit year
      "12/10/2026 2:03:27 PM",  // twelve-hour time
      "12-10-2026 14:03:27",
      " 12/10/2026 14:03:27",
      "12/10/2026 14:03:27 ",
      "12/10/2026  14:03:27",
      "12/10/2026 14:3:27",
      "123/10/2026 14:03:27",
      "13/10/2026 14:03:27",
      "4/31/2026 14:03:27",
      "2/29/2026 14:03:27",  // not a leap year
      "12/10/2026 24:00:00",
      "12/10/2026 14:60:00",
      "1/1/0099 0:00:00",  // before the first automation date
      "12/10/2026 14:03:27\xE2\x80\x8F",
  };
  for (const char* text : texts) {
    COleDateTime time(2026, 1, 1, 0, 0, 0);
    EXPECT_FALSE(time.ParseDateTime(text)) << text;
    EXPECT_EQ(COleDateTime::invalid, time.GetStatus()) << text;
    EXPECT_EQ("", time.Format()) << text;
  }
  EXPECT_EQ(COleDateTime::null, COleDateTime().GetStatus());
  EXPECT_EQ("", COleDateTime().Format());
  EXPECT_EQ(COleDateTime::invalid, COleDateTime(2026, 2, 30, 0, 0, 0).GetStatus());
  EXPECT_EQ(COleDateTime::invalid, COleDateTime(1e9).GetStatus());
}

TEST(LinkSaveTimeTest, FileTimesAreTheLocalTimeToTheSecond) {
  FixedTimeZone zone("EST5");
  COleDateTime time(UtcFileTime(2026, 12, 10, 19, 3, 27, 900));
  EXPECT_EQ("12/10/2026 14:03:27", time.Format());  // the milliseconds dropped
  EXPECT_TRUE(time == COleDateTime(2026, 12, 10, 14, 3, 27));
}

class LinkSaveTimeOfFileTest : public HostTest {};

TEST_F(LinkSaveTimeOfFileTest, ReadsTheFilesTimeOrLeavesTheTimeAsItWas) {
  FixedTimeZone zone("EST5");
  const std::string book = dir.File("Book1.xlsx");
  std::ofstream(book) << "workbook";
  using namespace std::chrono;
  const auto utc = sys_days{year{2026} / 12 / 10} + hours{19} + minutes{3} + seconds{27};
  std::filesystem::last_write_time(book, std::filesystem::file_time_type::clock::from_sys(utc));

  COleDateTime time;
  ASSERT_TRUE(ReadFileModificationTime(sim::ToWindowsPath(book), &time));
  EXPECT_EQ("12/10/2026 14:03:27", time.Format());

  COleDateTime kept(2020, 1, 1, 0, 0, 0);
  EXPECT_FALSE(ReadFileModificationTime(sim::ToWindowsPath(dir.File("Missing.xlsx")), &kept));
  EXPECT_EQ("1/1/2020 0:00:00", kept.Format());
}

}  // namespace
