#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "e2e/e2e.h"
#include "tool_run.h"

using e2e::crlf;

namespace {

struct Case {
  const char* name;
  std::string first, second, third;
  std::string merged;
};

// Failure messages name the case, not its bytes.
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class PairmergeTest : public ::testing::TestWithParam<Case> {};

TEST_P(PairmergeTest, JoinsTheLinesInOrder) {
  const Case& c = GetParam();
  e2e::Files inputs = {
      {"s28_c4_2dbp_1.c", c.first}, {"s28_c4_2dbp_2.c", c.second}, {"s28_c4_2dbp_3.c", c.third}};
  e2e::Run run = e2e::run_with("pairmerge", inputs);
  tool_run::expect_clean(run);
  e2e::Files expected = inputs;
  expected["s28_c4_2dbp.c"] = c.merged;
  e2e::expect_files(run, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PairmergeTest,
    ::testing::Values(
        Case{"TwoNoneAndThreeLines", crlf({"a1", "a2"}), "", crlf({"c1", "c2", "c3"}),
             crlf({"a1", "a2", "c1", "c2", "c3"})},
        Case{"LineFeedOnlyInputs", "a1\na2\n", "b1\n", "c1\n\nc3\n",
             crlf({"a1", "a2", "b1", "c1", "", "c3"})},
        // A lone CR ends a line; a last line without its end gets one; empty lines stay.
        Case{"OtherLineEnds", "a1\ra2", "\r\n\r\n", "c1\r\nc2", crlf({"a1", "a2", "", "", "c1", "c2"})},
        Case{"LongLineCut", std::string(300, 'a') + "\r\n", "b", "",
             crlf({std::string(255, 'a'), "b"})},
        // Character 26 ends a file: nothing after it is copied.
        Case{"EndOfFileCharacter", "a1\r\n\x1a" "a2\r\n", "b1", "", crlf({"a1", "b1"})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Pairmerge, MissingInputLeavesTheMergedFileIncomplete) {
  e2e::Files inputs = {{"s28_c4_2dbp_1.c", crlf({"a1", "a2"})}, {"s28_c4_2dbp_3.c", crlf({"c1"})}};
  e2e::Run run = e2e::run_with("pairmerge", inputs);
  tool_run::expect_failure(run, 2, "s28_c4_2dbp_2.c");
  e2e::Files expected = inputs;
  expected["s28_c4_2dbp.c"] = crlf({"a1", "a2"});
  e2e::expect_files(run, expected);
}

}  // namespace
