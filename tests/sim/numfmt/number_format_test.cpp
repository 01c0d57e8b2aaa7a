// The texts Excel shows for values under number format codes, by family of format,
// and what happens to codes and values no format can show.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "sim/excel/numfmt/NumberFormat.h"

namespace {

using sim::CellValueForFormat;

struct Case {
  const char* code;
  double value;
  const char* shown;
};

std::string Shown(const char* code, double value, bool date1904 = false) {
  return sim::FormatCellValue({CellValueForFormat::Number, value}, code, date1904).text;
}

void ExpectAll(std::initializer_list<Case> cases, bool date1904 = false) {
  for (const Case& c : cases) EXPECT_EQ(c.shown, Shown(c.code, c.value, date1904)) << c.code << " " << c.value;
}

TEST(NumberFormat, GeneralFitsElevenCharacters) {
  ExpectAll({
      {"General", 0, "0"},
      {"General", -1, "-1"},
      {"General", 0.1 + 0.2, "0.3"},
      {"General", 1.0 / 3, "0.333333333"},
      {"General", 2.0 / 3, "0.666666667"},
      {"General", -1234.5, "-1234.5"},
      {"General", 1234.56789012345, "1234.56789"},
      {"General", 12345678901, "12345678901"},
      {"General", -12345678901, "-12345678901"},
      {"General", 123456789012, "1.23457E+11"},
      {"General", 99999999999.7, "1E+11"},
      {"General", 1e15, "1E+15"},
      {"General", 0.000123456789, "0.000123457"},
      {"General", 0.0000123456789, "1.23457E-05"},
      {"General", 1.5e-20, "1.5E-20"},
      {"General", 1e100, "1E+100"},
      {"", 42, "42"},
      {"\"Total \"General", 12.5, "Total 12.5"},
      {"General;-General", -3, "-3"},
  });
}

TEST(NumberFormat, DigitPlaceholdersAndThousands) {
  ExpectAll({
      {"0", 0.5, "1"},
      {"0", -0.4, "-0"},
      {"0.00", 2.675, "2.68"},
      {"0.00", 12.343999999999999, "12.34"},
      {"#", 0, ""},
      {"#.##", 0.5, ".5"},
      {".00", 12.5, "12.50"},
      {"00000", 123, "00123"},
      {"000-00-0000", 123456789, "123-45-6789"},
      {"0.0#", 1.5, "1.5"},
      {"0.0#", 1.256, "1.26"},
      {"???.???", 1.5, "  1.5  "},
      {"#,##0", 1234567.891, "1,234,568"},
      {"#,##0.00", -1234.5, "-1,234.50"},
      {"#,##0", 0, "0"},
      {"0", 1e20, "100000000000000000000"},
  });
}

TEST(NumberFormat, ScalingCommasAndPercent) {
  ExpectAll({
      {"0,", 1234567, "1235"},
      {"#,##0,,", 1234567890, "1,235"},
      {"#,##0.0,\"K\"", 12345, "12.3K"},
      {"0%", 0.125, "13%"},
      {"0.0%", -0.5, "-50.0%"},
      {"0%", 0, "0%"},
  });
}

TEST(NumberFormat, Scientific) {
  ExpectAll({
      {"0.00E+00", 12345, "1.23E+04"},
      {"0.00E+00", 0.00012345, "1.23E-04"},
      {"0.00E+00", -12345, "-1.23E+04"},
      {"0.00E+00", 0, "0.00E+00"},
      {"0.00E+00", 9.999, "1.00E+01"},
      {"0.00E+00", 1e300, "1.00E+300"},
      {"0.00E-00", 12345, "1.23E04"},
      {"0.00E-00", 0.012345, "1.23E-02"},
      {"##0.0E+0", 12345, "12.3E+3"},
      {"##0.0E+0", 1234567, "1.2E+6"},
      {"##0.0E+0", 0.00012345, "123.5E-6"},
      {"0000.0000E+0", 123456.789, "0012.3457E+4"},
  });
}

TEST(NumberFormat, Fractions) {
  ExpectAll({
      {"# ?/?", 1.5, "1 1/2"},
      {"# ?/?", 0.75, " 3/4"},
      {"# ?/?", 3, "3    "},
      {"# ?/?", 0, "0    "},
      {"# ?/?", 0.99, "1    "},
      {"# ?/?", 0.3, " 2/7"},
      {"# ?\?/??", 3.14159265358979, "3 14/99"},
      {"# ??\?/???", 3.14159265358979, "3  16/113"},
      {"?/?", 1.25, "5/4"},
      {"?/?", 0, "0/1"},
      {"?/8", 1.5, "12/8"},
      {"?/8", 1e20, "800000000000000000000/8"},
      {"# ?/4", 1.3, "1 1/4"},
      {"# ?/8", 0.5, " 4/8"},
      {"# ?\?/100", 0.25, " 25/100"},
      {"0 0/0", 0.5, "0 1/2"},
  });
}

TEST(NumberFormat, DatesAndTimesIn1900) {
  ExpectAll({
      {"m/d/yyyy", 0, "1/0/1900"},
      {"m/d/yyyy", 1, "1/1/1900"},
      {"m/d/yyyy", 59, "2/28/1900"},
      {"m/d/yyyy", 60, "2/29/1900"},
      {"m/d/yyyy", 61, "3/1/1900"},
      {"dddd", 1, "Sunday"},
      {"ddd d mmm yy", 61, "Thu 1 Mar 00"},
      {"mmm d, yyyy", 45000, "Mar 15, 2023"},
      {"mmmmm", 45000, "M"},
      {"m/d/yyyy", 45351, "2/29/2024"},
      {"m/d/yyyy", 2958465, "12/31/9999"},
      {"m/d/yyyy h:mm", 43831.75, "1/1/2020 18:00"},
      {"yyyy-mm-dd hh:mm:ss", 43831.99999999, "2020-01-02 00:00:00"},
      {"h:mm AM/PM", 0, "12:00 AM"},
      {"h:mm AM/PM", 0.5, "12:00 PM"},
      {"hh:mm a/p", 0.75, "06:00 p"},
      {"h:mm", 10.5 / 24 - 0.4 / 86400, "10:30"},
      {"mm:ss", 1.0 / 24 + 2.0 / 1440 + 3.0 / 86400, "02:03"},
      {"mm:ss.0", 61.26 / 86400, "01:01.3"},
      {"[h]:mm:ss", 1.5, "36:00:00"},
      {"[mm]:ss", 0.5, "720:00"},
      {"[ss]", 1.0 / 1440, "60"},
      {"[$-F800]dddd, mmmm dd, yyyy", 40982, "Wednesday, March 14, 2012"},
      {"[$-F400]h:mm:ss AM/PM", 40982.5, "12:00:00 PM"},
      {"[$-409]d-mmm-yy;@", 40982, "14-Mar-12"},
  });
}

TEST(NumberFormat, DatesIn1904) {
  ExpectAll(
      {
          {"m/d/yyyy", 0, "1/1/1904"},
          {"dddd", 0, "Friday"},
          {"d-m-y", 17816.607951388887, "11-10-52"},
          {"m/d/yyyy", 2958465 - 1462, "12/31/9999"},
      },
      true);
}

TEST(NumberFormat, DatesOutsideExcelsRangeFillTheCell) {
  ExpectAll({
      {"m/d/yyyy", -1, "########"},
      {"m/d/yyyy", 2958466, "########"},
      {"[h]:mm", -0.5, "########"},
      {"0;m/d/yyyy", -5, "########"},
      {"d/m/yy;@", -5, "########"},
  });
  EXPECT_EQ("########", Shown("m/d/yyyy", 2958465 - 1461, true));
}

TEST(NumberFormat, SectionsAndConditions) {
  ExpectAll({
      {"0;(0)", -5, "(5)"},
      {"0;(0)", 0, "0"},
      {"0;-0;\"zero\"", 0, "zero"},
      {"0;;", -5, ""},
      {"0;;", 0, ""},
      {"[>=100]0;[<0]\"minus \"0;0.00", 150, "150"},
      {"[>=100]0;[<0]\"minus \"0;0.00", -5, "minus 5"},
      {"[>=100]0;[<0]\"minus \"0;0.00", 5, "5.00"},
      {"[>=100]0.0;0", -5, "-5"},
      {"[<=9999999]###-####;(###) ###-####", 5551234, "555-1234"},
      {"[<=9999999]###-####;(###) ###-####", 8005551234, "(800) 555-1234"},
      {"[>100]0;[<-100]0", 5, "########"},
      {"[<-10]#\" Wow\"", -11, "-11 Wow"},
      {"[<0]\"minus \"0", -5, "minus 5"},
  });
}

TEST(NumberFormat, ColoursComeWithTheirSection) {
  const struct {
    const char* code;
    double value;
    std::optional<int> colorIndex;
  } cases[] = {
      {"[Red]0", 5, 10},
      {"0;[Red]0", 5, std::nullopt},
      {"0;[Red]0", -5, 10},
      {"[BLUE]0;[Green]-0;[Magenta]0", 0, 14},
      {"[Color10]0", 5, 17},
      {"[Color57]0", 5, std::nullopt},
      {"[Black]0", 5, 8},
      {"[Cyan]0", 5, 15},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.colorIndex, sim::FormatCellValue({CellValueForFormat::Number, c.value}, c.code, false).colorIndex)
        << c.code;
  EXPECT_EQ("5", Shown("[Color10]0", 5));
}

TEST(NumberFormat, LiteralsEscapesPaddingAndFill) {
  ExpectAll({
      {"\"$\"#,##0.00", 1234.5, "$1,234.50"},
      {"0\" units\"", 5, "5 units"},
      {"0 \\m", 5, "5 m"},
      {"_(#,##0_)", 1234, " 1,234 "},
      {"_(* #,##0_);_(* \\(#,##0\\);_(* \"-\"_);_(@_)", -1234, " (1,234)"},
      {"_(* #,##0_);_(* \\(#,##0\\);_(* \"-\"_);_(@_)", 0, " - "},
      {"**0", 5, "5"},
      {"[$\xE2\x82\xAC-407]#,##0.00", 1234.5, "\xE2\x82\xAC" "1,234.50"},
      {"[$USD-409] 0", 5, "USD 5"},
      {"\"unclosed", 5, "unclosed"},
      {"\\", 5, ""},
  });
}

TEST(NumberFormat, TextsBooleansErrorsAndEmptyCells) {
  const struct {
    CellValueForFormat value;
    const char* code;
    const char* shown;
  } cases[] = {
      {{CellValueForFormat::Text, 0, "abc"}, "General", "abc"},
      {{CellValueForFormat::Text, 0, "abc"}, "0.00", "abc"},
      {{CellValueForFormat::Text, 0, "abc"}, "@", "abc"},
      {{CellValueForFormat::Text, 0, "abc"}, "\"Name: \"@", "Name: abc"},
      {{CellValueForFormat::Text, 0, "abc"}, "0;-0;0;\"<\"@\">\"", "<abc>"},
      {{CellValueForFormat::Text, 0, "abc"}, "0;-0;0;\"no text\"", "no text"},
      {{CellValueForFormat::Text, 0, "abc"}, "_(* #,##0_);_(* \\(#,##0\\);_(* \"-\"_);_(@_)", " abc "},
      {{CellValueForFormat::Number, 12.5}, "@", "12.5"},
      {{CellValueForFormat::Boolean, 1}, "0.00", "TRUE"},
      {{CellValueForFormat::Boolean, 0}, "General", "FALSE"},
      {{CellValueForFormat::Error, 0, "#DIV/0!"}, "0.00", "#DIV/0!"},
      {{CellValueForFormat::Empty}, "0.00", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.shown, sim::FormatCellValue(c.value, c.code, false).text) << c.code;
  EXPECT_EQ(10, sim::FormatCellValue({CellValueForFormat::Text, 0, "abc"}, "[Red]General", false).colorIndex);
  EXPECT_EQ(12, sim::FormatCellValue({CellValueForFormat::Text, 0, "abc"}, "0;0;0;[Blue]@", false).colorIndex);
}

TEST(NumberFormat, IsDateFormatLooksAtThePositiveSection) {
  const struct {
    const char* code;
    bool isDate;
  } cases[] = {
      {"m/d/yyyy", true},   {"[h]:mm", true},     {"mm:ss", true},        {"[$-F800]", true},
      {"0.00", false},      {"General", false},   {"\"day\" 0", false},   {"0;[Red]m/d", false},
      {"[Red]0", false},    {"\\d0", false},      {"", false},            {"@", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.isDate, sim::IsDateFormat(c.code)) << c.code;
}

TEST(NumberFormat, AbsurdCodesAndValuesStayBounded) {
  std::string longCode(sim::kMaxFormatCodeLength + 1, '0');
  EXPECT_EQ("12.5", Shown(longCode.c_str(), 12.5));
  EXPECT_EQ(309u, Shown("0", 1e308).size());
  std::string percents = "0" + std::string(1000, '%');
  EXPECT_EQ("########", Shown(percents.c_str(), 5));
  std::string decimals = "0." + std::string(3000, '0');
  EXPECT_EQ(3002u, Shown(decimals.c_str(), 1).size());
  std::string fraction = "# " + std::string(2000, '?') + "/" + std::string(2000, '?');
  std::string third = Shown(fraction.c_str(), 1.0 / 3);
  EXPECT_EQ(4002u, third.size());
  EXPECT_NE(std::string::npos, third.find("1/3"));
  EXPECT_EQ("########", Shown("?/999999999", 1e300));
  std::string elapsed = "[" + std::string(3000, 'h') + "]";
  EXPECT_EQ(3000u, Shown(elapsed.c_str(), 1).size());
  std::string repeated(sim::kMaxFormatCodeLength, '@');
  std::string text(100, 'x');
  EXPECT_EQ(text, sim::FormatCellValue({CellValueForFormat::Text, 0, text}, repeated, false).text);
  EXPECT_EQ("#NUM!", Shown("0.00", std::numeric_limits<double>::quiet_NaN()));
  EXPECT_EQ("#NUM!", Shown("General", std::numeric_limits<double>::infinity()));
}

}  // namespace
