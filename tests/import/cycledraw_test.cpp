// cycledraw: the layout and colours of the DOT text, rendering with and without Graphviz,
// and the files it must refuse.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "e2e/e2e.h"
#include "tool_run.h"

using e2e::test_data;
using import_test::run_tool;

namespace {

using Edge = std::pair<int, int>;  // lower end first

Edge edge(int a, int b) { return a < b ? Edge{a, b} : Edge{b, a}; }

// What a DOT text of cycledraw shows: node positions, and the edges by attribute text.
struct Dot {
  std::map<int, std::pair<double, double>> position;
  std::set<int> grey;                        // vertices drawn off the cycle
  std::map<Edge, std::string> edges;         // edge -> its attributes
  int edge_lines = 0;

  std::set<Edge> edges_with(const std::string& attribute) const {
    std::set<Edge> found;
    for (const auto& [e, attributes] : edges) {
      if (attributes.find(attribute) != std::string::npos) found.insert(e);
    }
    return found;
  }
  double radius(int v) const { return std::hypot(position.at(v).first, position.at(v).second); }
};

Dot parse_dot(const std::string& text) {
  Dot dot;
  for (const std::string& l : import_test::lines_of(text)) {
    int v = 0;
    int w = 0;
    double x = 0;
    double y = 0;
    int used = 0;
    if (std::sscanf(l.c_str(), "  %d [pos=\"%lf,%lf!\"%n", &v, &x, &y, &used) == 3 && used > 0) {
      dot.position[v] = {x, y};
      if (l.find("#d9d9d9") != std::string::npos) dot.grey.insert(v);
    } else if (std::sscanf(l.c_str(), "  %d -- %d [%n", &v, &w, &used) == 2 && used > 0) {
      dot.edges[edge(v, w)] = l.substr(static_cast<std::size_t>(used));
      ++dot.edge_lines;
    }
  }
  return dot;
}

std::set<Edge> cycle_edges(const std::vector<int>& cycle) {
  std::set<Edge> edges;
  for (std::size_t i = 0; i < cycle.size(); ++i) edges.insert(edge(cycle[i], cycle[(i + 1) % cycle.size()]));
  return edges;
}

// petersen_dom.c: the Petersen graph with a dominating cycle through all vertices but 1.
TEST(CycleDraw, CycleOnACircleAndTheForkCentreOutside) {
  e2e::Scratch scratch;
  scratch.write("dom.c", test_data("import/petersen_dom.c"));
  const auto outcome = run_tool(scratch, "cycledraw", {"dom.c", "1"});
  ASSERT_EQ(outcome.exit_code, 0) << outcome.err;
  EXPECT_EQ(outcome.out.rfind("graph \"graph 1\" {\n", 0), 0u);
  EXPECT_NE(outcome.out.find("label=\"graph 1: dominating cycle of length 9, 1 vertex off the cycle\""),
            std::string::npos);

  const Dot dot = parse_dot(outcome.out);
  ASSERT_EQ(dot.position.size(), 10u);
  EXPECT_EQ(dot.edge_lines, 15);  // every edge once
  EXPECT_EQ(dot.edges.size(), 15u);
  const std::vector<int> cycle = {2, 5, 10, 6, 9, 4, 8, 3, 7};
  EXPECT_EQ(dot.edges_with("penwidth=2.5"), cycle_edges(cycle));
  EXPECT_EQ(dot.grey, std::set<int>{1});
  for (int v : cycle) EXPECT_NEAR(dot.radius(v), dot.radius(2), 0.01) << v;
  EXPECT_GT(dot.radius(1), dot.radius(2) + 0.5);
  // The cycle runs clockwise from the top.
  EXPECT_NEAR(dot.position.at(2).first, 0.0, 0.01);
  EXPECT_GT(dot.position.at(5).first, 0.0);
}

// s26_first3_2dbp.c: the 2DBP result of s26_first3_dom.c; block 2's matchings.
TEST(CycleDraw, MatchingsOfThe2dbpBlockInTwoColours) {
  e2e::Scratch scratch;
  scratch.write("dom.c", test_data("import/s26_first3_dom.c"));
  scratch.write("pairs.c", test_data("import/s26_first3_2dbp.c"));
  const auto outcome = run_tool(scratch, "cycledraw", {"dom.c", "2", "pairs.c"});
  ASSERT_EQ(outcome.exit_code, 0) << outcome.err;
  const Dot dot = parse_dot(outcome.out);
  EXPECT_EQ(dot.edges.size(), 39u);
  EXPECT_EQ(dot.edges_with("#d62728"),
            (std::set<Edge>{{11, 12}, {15, 23}, {17, 22}, {19, 24}, {1, 2}}));
  EXPECT_EQ(dot.edges_with("#1f77b4"), (std::set<Edge>{{6, 13}, {7, 14}, {9, 10}, {20, 21}, {1, 3}}));
  EXPECT_NE(outcome.out.find("red: first bipartizing matching (5 edges); blue, dashed: second (5 edges)"),
            std::string::npos);
}

bool neato_installed() { return ::access("/usr/bin/neato", X_OK) == 0; }

TEST(CycleDraw, RendersWithNeatoAndFallsBackToDot) {
  e2e::Scratch scratch;
  scratch.write("dom.c", test_data("import/petersen_dom.c"));
  const std::string dot_text = run_tool(scratch, "cycledraw", {"dom.c", "1"}).out;

  const auto to_dot = run_tool(scratch, "cycledraw", {"-o", "pic.dot", "dom.c", "1"});
  EXPECT_EQ(to_dot.exit_code, 0);
  EXPECT_EQ(to_dot.out, "");
  EXPECT_EQ(scratch.read("pic.dot"), dot_text);

  // Without Graphviz on the PATH the DOT file is written and a note says so.
  const e2e::Run bare = scratch.run("/usr/bin/env", {"PATH=/nonexistent", "/bin/sh", "-c",
                                                     "exec \"$0\" \"$@\" 2>.stderr", e2e::program_path("cycledraw"),
                                                     "-o", "bare.svg", "dom.c", "1"});
  EXPECT_EQ(bare.exit_code, 0);
  EXPECT_EQ(scratch.read("bare.dot"), dot_text);
  EXPECT_FALSE(scratch.exists("bare.svg"));
  EXPECT_NE(scratch.read(".stderr").find("neato is not installed; wrote bare.dot only"), std::string::npos);

  if (!neato_installed()) GTEST_SKIP() << "Graphviz is not installed";
  const auto svg = run_tool(scratch, "cycledraw", {"-o", "pic.svg", "dom.c", "1"});
  EXPECT_EQ(svg.exit_code, 0) << svg.err;
  EXPECT_NE(scratch.read("pic.svg").find("<svg"), std::string::npos);
  const auto png = run_tool(scratch, "cycledraw", {"-o", "pic.png", "dom.c", "1"});
  EXPECT_EQ(png.exit_code, 0) << png.err;
  EXPECT_EQ(scratch.read("pic.png").substr(1, 3), "PNG");
}

struct BadDrawing {
  const char* name;
  std::vector<std::string> args;
  std::string message;  // the whole standard error line after "cycledraw: "
};

// dom.c holds the three snark records, cycles.c graph 7 without a cycle, broken.c graph 1
// with a cycle step between non-adjacent vertices, other.c graph 1 with a cycle other than
// the one of its 2DBP block, and badpairs.c a block whose matching has a non-edge.
const std::vector<BadDrawing> BAD_DRAWINGS = {
    {"absent_graph", {"dom.c", "99"}, "dom.c has no record of graph 99"},
    {"no_cycle", {"cycles.c", "7"}, "cycles.c: graph 7 has no dominating cycle"},
    {"collection", {"graphs.c", "1"}, "graphs.c is a graph collection, not a dominating-cycle file"},
    {"missing_file", {"none.c", "1"}, "cannot open none.c: No such file or directory"},
    {"broken_cycle", {"broken.c", "1"}, "broken.c: the cycle of graph 1 steps from 1 to 24, which are not adjacent"},
    {"other_cycle", {"other.c", "1", "pairs.c"},
     "pairs.c: the block of graph 1 has another cycle than its dominating-cycle record"},
    {"non_edge", {"dom.c", "1", "badpairs.c"}, "badpairs.c: the matching edge 4-5 of graph 1 is not an edge of the graph"},
    {"absent_block", {"dom.c", "1", "graph7.c"}, "graph7.c has no block of graph 1"},
};

class BadDrawings : public ::testing::TestWithParam<BadDrawing> {};

TEST_P(BadDrawings, AreRefusedWithAMessage) {
  const std::string dom = test_data("import/s26_first3_dom.c");
  const std::string pairs = test_data("import/s26_first3_2dbp.c");
  e2e::Scratch scratch;
  scratch.write("dom.c", dom);
  scratch.write("cycles.c", test_data("import/cycles.c"));
  scratch.write("graphs.c", test_data("graphs/cubic_g5_10.c"));
  scratch.write("pairs.c", pairs);
  std::string broken = dom;
  broken.replace(broken.find("1 3 24"), 6, "1 24 3");
  scratch.write("broken.c", broken);
  // graph 1 of cycles.c comes first with its own cycle; its second record has another one.
  const std::string cycles = test_data("import/cycles.c");
  std::size_t second = 0;
  for (int line = 0; line < 7; ++line) second = cycles.find("\r\n", second) + 2;
  scratch.write("other.c", cycles.substr(second));
  std::string bad_pairs = pairs;
  bad_pairs.replace(bad_pairs.find("\r\n4 23\r\n"), 8, "\r\n4 5\r\n");
  scratch.write("badpairs.c", bad_pairs);
  scratch.write("graph7.c", e2e::crlf({"7", "Dominujuca kruznica: (0)",
                                       "Pre tento graf nie je najdena dominujuca kruznica.", ""}));

  const BadDrawing& bad = GetParam();
  const auto outcome = run_tool(scratch, "cycledraw", bad.args);
  EXPECT_EQ(outcome.exit_code, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, "cycledraw: " + bad.message + "\n");
}

INSTANTIATE_TEST_SUITE_P(Draw, BadDrawings, ::testing::ValuesIn(BAD_DRAWINGS),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
