#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "e2e/e2e.h"
#include "tool_run.h"

using e2e::crlf;

namespace {

using Rows = std::vector<std::vector<int>>;  // three neighbour rows of n entries
using Cycle = std::vector<int>;

// K4: every vertex is adjacent to the three others.
const Rows K4 = {{2, 1, 1, 1}, {3, 3, 2, 2}, {4, 4, 4, 3}};
// The prism: triangles 1 2 3 and 4 5 6 joined by 1-4, 2-5, 3-6.
const Rows PRISM = {{2, 1, 1, 1, 2, 3}, {3, 3, 2, 5, 4, 4}, {4, 5, 6, 6, 6, 5}};

// Eight vertices whose lists put 7 beside 1 and beside 5 (not a cubic graph: the checks
// take the lists as they are).
const Rows EIGHT = {{7, 1, 1, 1, 7, 3, 1, 7}, {2, 3, 2, 5, 4, 4, 5, 7}, {3, 5, 6, 6, 6, 5, 8, 7}};

// A dominating-cycle record as the search programs write it.
std::string record(int number, const Rows& rows, const Cycle& cycle) {
  std::string text = std::to_string(number) + "\r\n" + std::to_string(rows[2].size()) + "\r\n";
  for (const auto& row : rows) {
    for (int w : row) {
      std::string digits = std::to_string(w);
      text += std::string(digits.size() < 3 ? 3 - digits.size() : 0, ' ') + digits;
    }
    text += "\r\n";
  }
  if (cycle.empty()) return text + "0\r\n0\r\n";
  text += std::to_string(cycle.size()) + "\r\n";
  for (std::size_t i = 0; i < cycle.size(); ++i) {
    if (i > 0) text += ' ';
    text += std::to_string(cycle[i]);
  }
  return text + "\r\n";
}

// A record of `n` vertices (the rows of the prism repeated) with a cycle of `length`
// vertices numbered 1, 2, ...: too large for the tables when either passes 100.
std::string oversized_record(int number, int n, int length) {
  Rows rows(3);
  for (int v = 0; v < n; ++v) {
    for (int k = 0; k < 3; ++k) rows[k].push_back(PRISM[k][v % 6]);
  }
  Cycle cycle;
  for (int i = 1; i <= length; ++i) cycle.push_back(i);
  return record(number, rows, cycle);
}

const std::string ALL_VALID = "Vsetky grafy maju platne dominujuce kruznice.";

std::string failing(int number) {
  return "V pripade grafu " + std::to_string(number) + " nie je dana kruznica dominujucou kruznicou.";
}

struct Case {
  const char* name;
  std::string input;
  std::vector<std::string> report;
};

// Failure messages name the case, not its bytes.
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class CyclecheckTest : public ::testing::TestWithParam<Case> {};

TEST_P(CyclecheckTest, WritesItsReport) {
  const Case& c = GetParam();
  e2e::Run run = e2e::run_with("cyclecheck", {{"s30_26251_dom.c", c.input}});
  tool_run::expect_clean(run);
  e2e::expect_files(run, {{"s30_26251_dom.c", c.input}, {"protokol.txt", crlf(c.report)}});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CyclecheckTest,
    ::testing::Values(
        Case{"EmptyInput", "", {ALL_VALID}},
        Case{"OnlyBlankLines", "\r\n  \r\n\t\r\n", {ALL_VALID}},
        Case{"OnlyRecordsWithoutCycle", record(1, PRISM, {}) + record(2, K4, {}), {ALL_VALID}},
        Case{"ValidCycles",
             record(1, PRISM, {1, 2, 3, 6, 5, 4}) + record(2, K4, {1, 2, 3}) +
                 record(3, PRISM, {4, 5, 6, 3, 2, 1}) + record(4, PRISM, {}),
             {ALL_VALID}},
        // Every step is an edge, the closing one too; only the repetition fails.
        Case{"RepeatedVertex", record(7, K4, {1, 2, 3, 4, 1, 2, 3, 4}), {failing(7)}},
        // 1 2 3 6 5 dominates every edge but 5 and 1 are not adjacent.
        Case{"MissingClosingEdge", record(8, PRISM, {1, 2, 3, 6, 5}), {failing(8)}},
        Case{"OneVertexCycle", record(9, K4, {1}), {failing(9)}},
        // A true cycle, but the edges of the triangle 4 5 6 have no end on it.
        Case{"UndominatedEdge", record(10, PRISM, {1, 2, 3}), {failing(10)}},
        // Two adjacent vertices are a cycle to the checks; here they touch every edge.
        Case{"TwoAdjacentVertices", record(11, {{2, 1}, {2, 1}, {2, 1}}, {1, 2}), {ALL_VALID}},
        Case{"SeveralFailingInInputOrder",
             record(30, PRISM, {1, 2, 3}) + record(20, PRISM, {1, 2, 3, 6, 5, 4}) +
                 record(10, K4, {1}) + record(40, K4, {}),
             {failing(30), failing(10)}},
        // One record per successful fork choice: each is verified on its own.
        Case{"RecordsOfOneGraphRepeated",
             record(5, PRISM, {1, 2, 3, 6, 5, 4}) + record(5, PRISM, {1, 2, 3}) +
                 record(5, PRISM, {4, 5, 6, 3, 2, 1}) + record(5, PRISM, {1, 2, 4}),
             {failing(5), failing(5)}},
        // An earlier graph of eight vertices leaves 1-7 and 5-7 in the adjacency table;
        // vertex 7 of a six-vertex graph must not borrow them.
        Case{"CycleVertexOutsideTheGraph",
             record(1, EIGHT, {1, 7, 5}) + record(2, PRISM, {1, 2, 3, 6, 5, 7}) +
                 record(3, PRISM, {1, 2, 3, 6, 5, 4, 0}),
             {failing(1), failing(2), failing(3)}},
        // Neighbour 101 of vertex 1 lies past the tables; the cycle would pass otherwise.
        Case{"NeighbourOutsideTheTables",
             "4\r\n6\r\n" + crlf({"101  1  1  1  2  3", "  3  3  2  5  4  4",
                                    "  4  5  6  6  6  5", "6", "2 1 4 5 6 3"}),
             {failing(4)}},
        Case{"NeighbourOutsideTheGraph",
             record(5, {{2, 1, 1, 1, 2, 3}, {3, 3, 2, 5, 4, 9}, {4, 5, 6, 6, 6, 5}},
                    {1, 2, 3, 6, 5, 4}),
             {failing(5)}},
        // Records too large for the tables fail, and the next record is read in step.
        Case{"TooManyVertices",
             oversized_record(12, 101, 6) + record(13, PRISM, {1, 2, 3, 6, 5, 4}),
             {failing(12)}},
        Case{"TooLongCycle",
             oversized_record(14, 6, 101) + record(15, PRISM, {1, 2, 3, 6, 5, 4}),
             {failing(14)}},
        Case{"HugeCycleLengthInTheLastRecord",
             "18\r\n6\r\n" + crlf({"  2  1  1  1  2  3", "  3  3  2  5  4  4",
                                     "  4  5  6  6  6  5", "2000000000", "1 2 3 6 5 4"}),
             {failing(18)}},
        // A cycle cut short reads 0 for its missing vertices, which fails.
        Case{"TruncatedCycle", "21\r\n6\r\n" + crlf({"  2  1  1  1  2  3", "  3  3  2  5  4  4",
                                                     "  4  5  6  6  6  5", "6", "1 2 3 6"}),
             {failing(21)}}),
    [](const auto& info) { return std::string(info.param.name); });

// Four 30-vertex snarks with dominating cycles found by an independent search; in the
// broken copy two cycle vertices of graph 1002 are swapped and graph 1004 lost the last
// vertex of its cycle.
TEST(Cyclecheck, SnarksOfThirtyVertices) {
  std::string valid = e2e::test_data("tools/four_dom.c");
  e2e::Run run = e2e::run_with("cyclecheck", {{"s30_26251_dom.c", valid}});
  tool_run::expect_clean(run);
  e2e::expect_files(run, {{"s30_26251_dom.c", valid}, {"protokol.txt", crlf({ALL_VALID})}});

  std::string broken = e2e::test_data("tools/four_dom_broken.c");
  run = e2e::run_with("cyclecheck", {{"s30_26251_dom.c", broken}});
  tool_run::expect_clean(run);
  e2e::expect_files(run, {{"s30_26251_dom.c", broken},
                          {"protokol.txt", crlf({failing(1002), failing(1004)})}});
}

TEST(Cyclecheck, ReplacesAnEarlierProtocol) {
  e2e::Scratch scratch;
  std::string input = record(1, PRISM, {1, 2, 3, 6, 5, 4});
  scratch.write("s30_26251_dom.c", input);
  scratch.write("protokol.txt", "1 2 3\r\nBolo najdenych 0 dominujucich kruznic\r\n");
  e2e::Run run = scratch.run("cyclecheck");
  tool_run::expect_clean(run);
  e2e::expect_files(run, {{"s30_26251_dom.c", input}, {"protokol.txt", crlf({ALL_VALID})}});
}

TEST(Cyclecheck, MissingInputStopsBeforeTheReportIsCreated) {
  e2e::Run run = e2e::run_with("cyclecheck", {});
  tool_run::expect_failure(run, 2, "s30_26251_dom.c");
  e2e::expect_files(run, {});
}

// A record that ends before its cycle length would read as one without a cycle and pass
// unchecked: the file was cut short (or a vertex count took every number left).
TEST(Cyclecheck, RecordEndingBeforeItsCycleLengthStops) {
  for (const std::string& last : {std::string("20\r\n6\r\n  2  1  1  1  2  3\r\n"),
                                  std::string("17\r\n2147483647\r\n  1  2\r\n")}) {
    std::string input = record(19, PRISM, {1, 2, 3}) + last;
    e2e::Run run = e2e::run_with("cyclecheck", {{"s30_26251_dom.c", input}});
    tool_run::expect_failure(run, 106, "record 2");
    EXPECT_NE(run.out.find("the file ends before its cycle length"), std::string::npos) << run.out;
    e2e::expect_files(run, {{"s30_26251_dom.c", input}, {"protokol.txt", crlf({failing(19)})}});
  }
}

TEST(Cyclecheck, BadNumberStopsWithTheReportIncomplete) {
  std::string input = record(1, PRISM, {1, 2, 3}) + record(2, PRISM, {1, 2, 3, 6, 5, 4}) +
                      "3\r\n6\r\n  2  1  x  1  2  3\r\n";
  e2e::Run run = e2e::run_with("cyclecheck", {{"s30_26251_dom.c", input}});
  tool_run::expect_failure(run, 106, "\"x\"");
  e2e::expect_files(run, {{"s30_26251_dom.c", input}, {"protokol.txt", crlf({failing(1)})}});
}

}  // namespace
