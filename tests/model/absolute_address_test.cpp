// Absolute A1 addresses.
#include <gtest/gtest.h>

#include <string>

#include "model/AbsoluteAddress.h"

namespace {

TEST(AbsoluteAddressTest, OneOrTwoColumnLettersAndADecimalRow) {
  struct Parsed {
    const char* address;
    int row, column;
  };
  const Parsed parsed[] = {
      {"$A$1", 1, 1},     {"$Z$10", 10, 26},  {"$AA$3", 3, 27},
      {"$AB$4", 4, 28},   {"$ZZ$1048576", 1048576, 702}, {"$B$007", 7, 2},
  };
  for (const Parsed& p : parsed) {
    int row = -1, column = -1;
    EXPECT_TRUE(ParseAbsoluteAddress(p.address, &row, &column)) << p.address;
    EXPECT_EQ(p.row, row) << p.address;
    EXPECT_EQ(p.column, column) << p.address;
  }

  const char* rejected[] = {"",      "$",     "$A$",   "A1",    "$A1",        "A$1",    "$AAA$3",
                            "$a$1",  "$A$1x", "$A$-1", "$A$+1", "$A$ 1",      "$1$1",   "$A$1:$B$2",
                            "$A$$1", "$$1",   "$A",    "$AB$",  "$A$99999999999"};
  for (const char* address : rejected) {
    int row = -1, column = -1;
    EXPECT_FALSE(ParseAbsoluteAddress(address, &row, &column)) << address;
    EXPECT_EQ(-1, row) << address;
  }
}

}  // namespace
