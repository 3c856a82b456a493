#include <gtest/gtest.h>

#include <string>

#include "e2e/e2e.h"
#include "protocol.h"

using e2e::crlf;
using e2e::without_duration;
using graphtext::RunProtocol;

namespace {

struct Duration {
  int32_t hundredths;
  const char* text;
};

class SpracujTest : public ::testing::TestWithParam<Duration> {};

TEST_P(SpracujTest, FormatsHundredths) {
  EXPECT_EQ(SPRACUJ(GetParam().hundredths), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpracujTest,
    ::testing::Values(Duration{0, "00:00:00.00"}, Duration{5, "00:00:00.05"},
                      Duration{100, "00:00:01.00"}, Duration{123456, "00:20:34.56"},
                      Duration{360000, "01:00:00.00"},
                      Duration{23 * 360000 + 59 * 6000 + 59 * 100 + 99, "23:59:59.99"},
                      Duration{100 * 360000, "100:00:00.00"},
                      Duration{2147483647, "5965:13:56.47"},
                      // Negative values: every component has its own sign and no padding.
                      Duration{-(23 * 360000 + 58 * 6000), "-23:-58:00.00"},
                      Duration{-5, "00:00:00.-5"}, Duration{-100, "00:00:-1.00"},
                      Duration{-2147483647 - 1, "-5965:-13:-56.-48"}));

TEST(Clock, ElapsedTimeIsNeverNegative) {
  int64_t start = graphtext::clock_value();
  int64_t finish = graphtext::clock_value();
  EXPECT_GE(finish, start);
  EXPECT_EQ(graphtext::elapsed_hundredths(500, 100), 0);
  EXPECT_EQ(graphtext::elapsed_hundredths(0, 8640000LL * 3), 8640000 * 3) << "days are kept";
  EXPECT_EQ(graphtext::elapsed_hundredths(0, 1LL << 40), 2147483647);
}

// The unfound list of `count` graphs numbered 1001, 1002, ...
std::string list_of(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    if (i % 10 != 1) text += ' ';
    text += std::to_string(1000 + i);
    if (i % 10 == 0) text += "\r\n";
  }
  return text;
}

std::string protocol_text(int unfound, int found, bool pair_search, bool closing_line_end) {
  e2e::Scratch scratch;
  RunProtocol p;
  p.create(scratch.file("protokol.txt").c_str());
  for (int i = 1; i <= unfound; ++i) p.add_unfound(1000 + i);
  p.NAJDENYCH = found;
  if (pair_search) {
    p.finish_pair_search();
  } else {
    p.finish_cycle_search(closing_line_end);
  }
  p.close();
  return without_duration(scratch.read("protokol.txt"));
}

class ProtocolTest : public ::testing::TestWithParam<int> {};

TEST_P(ProtocolTest, CycleSearchLayout) {
  int n = GetParam();
  EXPECT_EQ(protocol_text(n, 4, false, true),
            list_of(n) + "\r\n" +
                crlf({"Bolo najdenych 4 dominujucich kruznic, nebolo najdenych " +
                          std::to_string(n),
                      "Trvalo to celkovo: <time>"}));
}

TEST_P(ProtocolTest, PairSearchLayout) {
  int n = GetParam();
  EXPECT_EQ(protocol_text(n, 2, true, true),
            list_of(n) + "\r\n" +
                crlf({"Bolo najdenych 2 dvojic dizjunktnych bipartizujucich pareni, nebolo "
                      "najdenych " +
                          std::to_string(n),
                      "Trvalo to celkovo: <time>"}));
}

INSTANTIATE_TEST_SUITE_P(UnfoundCounts, ProtocolTest, ::testing::Values(0, 10, 11, 23));

TEST(Protocol, ListLinesHoldTenNumbers) {
  std::string text = protocol_text(23, 0, false, true);
  EXPECT_EQ(text.substr(0, text.find("Bolo")),
            "1001 1002 1003 1004 1005 1006 1007 1008 1009 1010\r\n"
            "1011 1012 1013 1014 1015 1016 1017 1018 1019 1020\r\n"
            "1021 1022 1023\r\n");
}

TEST(Protocol, EveryGraphFoundGivesEmptyFirstLine) {
  EXPECT_EQ(protocol_text(0, 9, false, true),
            crlf({"", "Bolo najdenych 9 dominujucich kruznic, nebolo najdenych 0",
                  "Trvalo to celkovo: <time>"}));
}

TEST(Protocol, WithoutClosingLineEndTheCountLineComesFirst) {
  EXPECT_EQ(protocol_text(0, 3, false, false),
            crlf({"Bolo najdenych 3 dominujucich kruznic, nebolo najdenych 0",
                  "Trvalo to celkovo: <time>"}));
}

TEST(Protocol, TimeLineShowsAShortRunAsZero) {
  e2e::Scratch scratch;
  RunProtocol p;
  p.create(scratch.file("p.txt").c_str());
  p.finish_cycle_search(true);
  p.close();
  std::string text = scratch.read("p.txt");
  EXPECT_NE(text.find("Trvalo to celkovo: 00:00:00.0"), std::string::npos) << text;
}

}  // namespace
