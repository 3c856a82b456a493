// READ_CYCLE_RECORD: what it reads, where it leaves the file, what it leaves alone.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "e2e/e2e.h"
#include "pair_records.h"
#include "pair_test_support.h"

using e2e::crlf;

namespace {

const std::string ROWS_OF_K4 = crlf({"  2  1  1  1", "  3  3  2  2", "  4  4  4  3"});

TEST(ReadCycleRecord, ReadsTheRowsAsSlotsAndTheCycle) {
  const auto records = pairtest::read_records(crlf({"-12", "4"}) + ROWS_OF_K4 +
                                              crlf({"4", "1 2 3 4"}));
  ASSERT_EQ(records.size(), 1u);
  const TGRAF& G = records[0].G;
  EXPECT_EQ(records[0].ZNACKA, -12);
  EXPECT_EQ(G.POCET_VRCHOLOV, 4);
  EXPECT_EQ(G.DLZKA_DOM, 4);
  for (int v = 1; v <= 4; ++v) EXPECT_EQ(G.POCET_SUSEDOV[v], 3);
  EXPECT_EQ(G.SUSEDIA[1][1], 2);
  EXPECT_EQ(G.SUSEDIA[1][2], 3);
  EXPECT_EQ(G.SUSEDIA[1][3], 4);
  EXPECT_EQ(G.SUSEDIA[4][1], 1);
  EXPECT_EQ(G.SUSEDIA[4][3], 3);
  EXPECT_EQ(G.DOMINUJUCA[1], 1);
  EXPECT_EQ(G.DOMINUJUCA[4], 4);
}

// Each case is followed by a second record, which must be read whole: the first left
// the file at its start.
class NextRecordStart : public ::testing::TestWithParam<std::string> {};

TEST_P(NextRecordStart, IsWhereTheRecordEnds) {
  const std::string second = crlf({"9", "4"}) + ROWS_OF_K4 + crlf({"3", "1 2 3"});
  const auto records = pairtest::read_records(GetParam() + second);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].ZNACKA, 9);
  EXPECT_EQ(records[1].G.DLZKA_DOM, 3);
  EXPECT_EQ(records[1].G.DOMINUJUCA[3], 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NextRecordStart,
    ::testing::Values(
        // Without a cycle: line 6 ends at once and line 7 is skipped whole.
        crlf({"8", "4"}) + ROWS_OF_K4 + crlf({"0", "0"}),
        // Trailing blanks and text after the cycle are skipped with the line.
        crlf({"8", "4"}) + ROWS_OF_K4 + crlf({"2", "1 2   \t", "", " "}),
        crlf({"8", "4"}) + ROWS_OF_K4 + crlf({"2", "1 2 3 4 and more"}),
        // Numbers may be spread over lines in any way; only the cycle line counts.
        crlf({"8 4  2 1 1 1", "3 3 2 2 4 4", "4 3 2", "1", "2"}),
        // Lone CR and LF line ends.
        std::string("8\r4\n 2 1 1 1\r3 3 2 2\n4 4 4 3\r0\n0\r")));

TEST(ReadCycleRecord, LeavesEntriesBeyondTheRecordAsTheyWere) {
  e2e::Scratch scratch;
  scratch.write("in.c", crlf({"1", "6", "  2  1  1  5  4  5", "  3  3  2  6  6  4",
                              "  4  4  4  1  2  3", "6", "1 2 3 4 5 6"}) +
                            crlf({"2", "4"}) + ROWS_OF_K4 + crlf({"3", "1 2 3"}));
  auto file = std::make_unique<graphtext::TextReader>();
  file->open(scratch.file("in.c").c_str());
  auto G = std::make_unique<TGRAF>();
  int32_t ZNACKA = 0;
  READ_CYCLE_RECORD(*file, ZNACKA, *G);
  G->JE_BIP = true;
  G->FARBA[1] = 1;
  READ_CYCLE_RECORD(*file, ZNACKA, *G);
  EXPECT_EQ(G->POCET_VRCHOLOV, 4);
  EXPECT_EQ(G->SUSEDIA[5][1], 4) << "vertex 5 of the first record";
  EXPECT_EQ(G->SUSEDIA[6][3], 3);
  EXPECT_EQ(G->POCET_SUSEDOV[6], 3);
  EXPECT_EQ(G->DOMINUJUCA[4], 4) << "cycle entries beyond L";
  EXPECT_TRUE(G->JE_BIP);
  EXPECT_EQ(G->FARBA[1], 1);
  EXPECT_FALSE(file->more_records());
}

}  // namespace
