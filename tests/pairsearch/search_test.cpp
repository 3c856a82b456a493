// VYHLADAVANIE on small graphs whose outcome is known, and its invariances.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "e2e/e2e.h"
#include "literal_search.h"
#include "pair_test_support.h"
#include "search.h"

using e2e::crlf;

namespace {

std::unique_ptr<TGRAF> first_graph(const std::string& record) {
  return std::make_unique<TGRAF>(pairtest::read_records(record).at(0).G);
}

struct SearchCase {
  const char* name;
  std::string record;
  const char* outcome;
  int64_t candidates;  // tried by the literal search
};

class KnownOutcome : public ::testing::TestWithParam<SearchCase> {};

TEST_P(KnownOutcome, FirstPassingCandidate) {
  const auto G = first_graph(GetParam().record);
  EXPECT_EQ(pairtest::outcome(VYHLADAVANIE(*G)), GetParam().outcome);
  EXPECT_EQ(pairtest::outcome(literal::VYHLADAVANIE(*G)), GetParam().outcome);
  EXPECT_EQ(literal::POCET_KANDIDATOV, GetParam().candidates);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KnownOutcome,
    ::testing::Values(
        // Chord 2-9 and the vertices 1 and 7 off the cycle: the first candidate passes,
        // v-s1 in M1 and v-s2 in M2 for every v in increasing order, no chord.
        SearchCase{"FirstCandidate",
                   crlf({"26", "10", "  6  8  1 10  7  1  8  5  3  4",
                         "  3  9  5  2  3 10 10  2  6  7", "  4  4  9  1  8  9  5  7  2  6", "8",
                         "10 6 9 3 5 8 2 4"}),
                   "M1: 1-6 7-8 / M2: 1-3 7-10", 1},
        // The chord between 7 and 3 is one item, taken from its lower end; the second
        // candidate puts it into M1.
        SearchCase{"ChordFromLowerEnd",
                   crlf({"3", "10", "  8  8  7 10  9 10  4  2  5  6",
                         "  7  5  4  3  8  9  1  1 10  4", "  2  1  6  7  2  3  3  5  6  9", "8",
                         "6 9 5 8 1 7 4 3"}),
                   "M1: 3-7 2-8 10-6 / M2: 2-5 10-4", 2},
        // Two fork centres in triangles: none of the 3^2 candidates passes.
        SearchCase{"NoPair",
                   crlf({"2", "8", "  8  4  7  5  8  5  6  1", "  7  1  6  8  6  7  3  5",
                         "  2  3  2  2  4  3  1  4", "6", "3 2 1 8 5 6"}),
                   "none", 9},
        // A record outside the format without any item: the counter overflows before
        // its first candidate, so nothing is tried and nothing is found.
        SearchCase{"NoItems", crlf({"1", "2", "2 1", "2 1", "2 1", "2", "1 2"}), "none", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Vyhladavanie, LeavesTheGraphUnchanged) {
  const auto records = pairtest::read_records(e2e::test_data("pairsearch/girth5_14_18.c"));
  for (size_t r = 0; r < 40; ++r) {
    auto G = std::make_unique<TGRAF>(records[r].G);
    G->DOMINUJUCA[0] = -7;
    G->DOMINUJUCA[G->DLZKA_DOM + 1] = -8;
    const auto before = std::make_unique<TGRAF>(*G);
    VYHLADAVANIE(*G);
    ASSERT_EQ(std::memcmp(G.get(), before.get(), sizeof(TGRAF)), 0) << "record " << r;
  }
}

// Where the cycle starts and which way it runs does not change the items (the closing
// edge is a cycle edge like any other), so the pair stays the same.
TEST(Vyhladavanie, DoesNotDependOnTheCycleStartOrDirection) {
  const auto records = pairtest::read_records(e2e::test_data("pairsearch/girth5_14_18_shuffled.c"));
  int checked = 0;
  for (size_t r = 0; r < records.size(); r += 7) {
    auto G = std::make_unique<TGRAF>(records[r].G);
    const std::string expected = pairtest::outcome(VYHLADAVANIE(*G));
    int16_t* cycle = G->DOMINUJUCA + 1;
    std::rotate(cycle, cycle + 1, cycle + G->DLZKA_DOM);
    ASSERT_EQ(pairtest::outcome(VYHLADAVANIE(*G)), expected) << "record " << r << " rotated";
    std::reverse(cycle, cycle + G->DLZKA_DOM);
    ASSERT_EQ(pairtest::outcome(VYHLADAVANIE(*G)), expected) << "record " << r << " reversed";
    ++checked;
  }
  EXPECT_GT(checked, 200);
}

}  // namespace
