#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "protocol.h"
#include "protocol_reading.h"

namespace {

TEST(ListTokenValue, OnlyDecimalsOfThirtyTwoBitsCount) {
  struct Case {
    const char* token;
    int32_t value;
  };
  for (const Case& c : {Case{"17", 17}, Case{"007", 7}, Case{"+7", 7}, Case{"-12", -12},
                        Case{"2147483647", 2147483647}, Case{"-2147483648", -2147483647 - 1},
                        Case{"2147483648", 0}, Case{"99999999999999999999", 0}, Case{"", 0},
                        Case{"+", 0}, Case{"12a", 0}, Case{"1.5", 0}, Case{"\t5", 0}}) {
    EXPECT_EQ(tools::LIST_TOKEN_VALUE(c.token), c.value) << '"' << c.token << '"';
  }
}

// Every text the elapsed-time formatter writes must read back as the duration it came
// from: three-digit hours and the signed components of negative durations too.
TEST(TimeLineHundredths, ReadsBackEveryFormattedDuration) {
  const int32_t durations[] = {0,
                               5,
                               123456,
                               23 * 360000 + 59 * 6000 + 59 * 100 + 99,
                               99 * 360000 + 59 * 6000 + 59 * 100 + 99,
                               100 * 360000,
                               299 * 360000 + 59 * 6000 + 59 * 100 + 97,
                               2147483647,
                               -5,
                               -100,
                               -(23 * 360000 + 58 * 6000),
                               -2147483647 - 1};
  for (int32_t d : durations) {
    std::string line = "Trvalo to celkovo: " + SPRACUJ(d);
    EXPECT_EQ(tools::TIME_LINE_HUNDREDTHS(line), d) << line;
  }
  for (int32_t d = 0; d < 2 * 360000; d += 37) {
    ASSERT_EQ(tools::TIME_LINE_HUNDREDTHS("Trvalo to celkovo: " + SPRACUJ(d)), d);
  }
}

TEST(TimeLineHundredths, TrailingBlanksAndBrokenFields) {
  EXPECT_EQ(tools::TIME_LINE_HUNDREDTHS("Trvalo to celkovo: 00:30:00.50   "), 180050);
  // A field that is not a number counts 0, the others still count.
  EXPECT_EQ(tools::TIME_LINE_HUNDREDTHS("Trvalo to celkovo: 01:xx:02.03"), 360203);
  EXPECT_EQ(tools::TIME_LINE_HUNDREDTHS("Trvalo to celkovo: 01:02"), 372000);
  EXPECT_EQ(tools::TIME_LINE_HUNDREDTHS("Trvalo to celkovo: "), 0);
  EXPECT_EQ(tools::TIME_LINE_HUNDREDTHS(""), 0);
}

TEST(CountLineFound, IsTheThirdWord) {
  EXPECT_EQ(tools::COUNT_LINE_FOUND("Bolo najdenych 12 dvojic dizjunktnych bipartizujucich "
                                    "pareni, nebolo najdenych 3"),
            12);
  EXPECT_EQ(tools::COUNT_LINE_FOUND("Bolo najdenych 7 dominujucich kruznic, nebolo najdenych 0"), 7);
  EXPECT_EQ(tools::COUNT_LINE_FOUND("Bolo najdenych 40"), 40);
  EXPECT_EQ(tools::COUNT_LINE_FOUND("Bolo najdenych x dvojic"), 0);
  EXPECT_EQ(tools::COUNT_LINE_FOUND("B"), 0);
}

}  // namespace
