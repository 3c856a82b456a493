// The fast path search against the literal level-by-level search, on every fork choice
// of every graph of the test collections: same verdict, same sequence.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "cycle_search_test_support.h"
#include "e2e/e2e.h"
#include "literal_path_search.h"
#include "path_search.h"
#include "search_graph.h"

namespace {

struct Tally {
  int searches = 0;
  int found = 0;
  int mismatches = 0;
  std::string first_mismatch;
};
Tally tally;

std::string sequence_text() {
  std::string text;
  for (int32_t i = 1; i <= DLZKA_DOM; ++i) text += std::to_string(DOM_KRUZNICA[i]) + " ";
  return text;
}

// Runs both searches on the search graph the program built and keeps the fast answer.
bool comparing_search(int32_t start) {
  ++tally.searches;
  bool literal = LITERAL_PATH_SEARCH(start);
  std::string literal_sequence = literal ? sequence_text() : "";
  bool fast = FIND_DOMINATING_PATH(start);
  std::string fast_sequence = fast ? sequence_text() : "";
  tally.found += fast;
  if (literal != fast || literal_sequence != fast_sequence) {
    if (tally.mismatches++ == 0) {
      tally.first_mismatch = "start " + std::to_string(start) + ", n " +
                             std::to_string(POCET_VRCHOLOV) + ": literal [" +
                             literal_sequence + "] fast [" + fast_sequence + "]";
    }
  }
  return fast;
}

// The search programs' fork rules, trying every choice of every graph.
CycleSearchProgram every_choice(int32_t forks) {
  CycleSearchProgram p = forks == 1 ? CYCLESEARCH1 : forks == 2 ? CYCLESEARCH2X : CYCLESEARCH3X;
  p.every_choice = true;
  p.lists_unfound = false;
  return p;
}

struct Case {
  const char* collection;
  int32_t forks;
  bool shuffled;
  int stride;  // every stride-th graph of the collection, to keep the literal runs short
};

class FastSearchMatchesLiteral : public ::testing::TestWithParam<Case> {};

TEST_P(FastSearchMatchesLiteral, OnEveryForkChoice) {
  const Case& c = GetParam();
  std::string collection =
      cycle_test::every_nth_record(e2e::test_data(std::string("graphs/") + c.collection),
                                   c.stride);
  if (c.shuffled) collection = cycle_test::shuffled_collection(collection, 20261211);
  tally = Tally{};
  cycle_test::run_in_process(every_choice(c.forks), collection, comparing_search);
  EXPECT_EQ(tally.mismatches, 0) << tally.first_mismatch;
  EXPECT_GT(tally.searches, 0);
  RecordProperty("searches", tally.searches);
  RecordProperty("found", tally.found);
  std::printf("%s, %d forks%s: %d searches, %d found\n", c.collection, c.forks,
              c.shuffled ? ", shuffled" : "", tally.searches, tally.found);
}

INSTANTIATE_TEST_SUITE_P(
    Collections, FastSearchMatchesLiteral,
    ::testing::Values(Case{"cubic_g5_10.c", 1, false, 1}, Case{"cubic_g5_12.c", 1, false, 1},
                      Case{"cubic_g5_14.c", 1, false, 1}, Case{"cubic_g5_16.c", 1, false, 1},
                      Case{"cubic_g5_16.c", 1, true, 1}, Case{"cubic_g5_18.c", 1, false, 2},
                      Case{"cubic_g5_18.c", 1, true, 2}, Case{"cubic_g5_20.c", 1, true, 50},
                      Case{"cubic_g5_16.c", 2, false, 1},
                      Case{"cubic_g5_18.c", 2, false, 1}, Case{"cubic_g5_18.c", 2, true, 1},
                      Case{"cubic_g5_20.c", 2, false, 10}, Case{"cubic_g5_20.c", 2, true, 10},
                      Case{"snarks_26.c", 3, false, 1}, Case{"snarks_26.c", 3, true, 1},
                      Case{"snarks_28.c", 3, false, 50}, Case{"snarks_28.c", 3, true, 50}),
    [](const auto& info) {
      std::string name = info.param.collection;
      name = name.substr(0, name.find('.'));
      return name + "_forks" + std::to_string(info.param.forks) +
             (info.param.shuffled ? "_shuffled" : "") +
             (info.param.stride > 1 ? "_every" + std::to_string(info.param.stride) : "");
    });

}  // namespace
