// The graph operations on TGRAF: matching removal, the homeomorphic reduction and the
// 2-colouring, each case checked on the program's operations and on the literal ones.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "graph_operations.h"
#include "literal_search.h"
#include "pair_test_support.h"

namespace {

// Numbers separated by single blanks.
std::string joined(const int16_t* values, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += ' ';
    text += std::to_string(values[i]);
  }
  return text;
}

using Lists = std::vector<std::vector<int16_t>>;

// "n | list of 1 | list of 2 | ...", e.g. "3 | 2 3 | 1 | 1".
std::string lists_of(const TGRAF& G) {
  std::string text = std::to_string(G.POCET_VRCHOLOV);
  for (int v = 1; v <= G.POCET_VRCHOLOV; ++v) {
    text += " |";
    if (G.POCET_SUSEDOV[v] > 0) text += ' ';
    text += joined(&G.SUSEDIA[v][1], G.POCET_SUSEDOV[v]);
  }
  return text;
}

std::unique_ptr<TGRAF> graph_of(const Lists& lists) {
  return std::make_unique<TGRAF>(pairtest::graph(lists, {}));
}

PARENIE matching(const std::vector<std::pair<int16_t, int16_t>>& edges) {
  PARENIE M{};
  for (auto [a, b] : edges) PRIDAJ_HRANU(M, a, b);
  return M;
}

struct RemovalCase {
  const char* name;
  Lists lists;
  std::vector<std::pair<int16_t, int16_t>> edges;
  const char* expected;
};

class Removal : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(Removal, RemovesEachEdgeAtBothEnds) {
  const auto G = graph_of(GetParam().lists);
  const std::string before = lists_of(*G);
  const PARENIE M = matching(GetParam().edges);
  EXPECT_EQ(lists_of(ODOBER_PARENIE(*G, M)), GetParam().expected);
  EXPECT_EQ(lists_of(literal::ODOBER_PARENIE(*G, M)), GetParam().expected);
  EXPECT_EQ(lists_of(*G), before) << "the input graph is unchanged";
}

// K4: 1-2 1-3 1-4 2-3 2-4 3-4.
const Lists K4 = {{2, 3, 4}, {1, 3, 4}, {1, 2, 4}, {1, 2, 3}};

INSTANTIATE_TEST_SUITE_P(
    Cases, Removal,
    ::testing::Values(
        RemovalCase{"EmptyMatching", K4, {}, "4 | 2 3 4 | 1 3 4 | 1 2 4 | 1 2 3"},
        RemovalCase{"EdgeNotInGraph", {{2}, {1}, {}}, {{1, 3}}, "3 | 2 | 1 |"},
        // Both ends keep degree 2 with their other entries in the old order.
        RemovalCase{"PerfectMatching", K4, {{1, 3}, {4, 2}}, "4 | 2 4 | 1 3 | 2 4 | 1 3"},
        // Of two parallel entries the last goes.
        RemovalCase{"LastOccurrence", {{2, 3, 2}, {1, 1, 3}, {1, 2}}, {{2, 1}},
                    "3 | 2 3 | 1 3 | 1 2"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReductionCase {
  const char* name;
  Lists lists;
  const char* expected;
};

class Reduction : public ::testing::TestWithParam<ReductionCase> {};

TEST_P(Reduction, SuppressesRenumbersAndMerges) {
  const auto G = graph_of(GetParam().lists);
  const std::string before = lists_of(*G);
  EXPECT_EQ(lists_of(HOMEOMORFNY(*G)), GetParam().expected);
  EXPECT_EQ(lists_of(literal::HOMEOMORFNY(*G)), GetParam().expected);
  EXPECT_EQ(lists_of(*G), before) << "the input graph is unchanged";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Reduction,
    ::testing::Values(
        // Nothing of degree 0 or 2: numbering kept, parallel entries merged.
        ReductionCase{"OnlyMerges", {{2, 2, 3}, {1, 1, 3}, {1, 2, 2}}, "3 | 2 3 | 1 3 | 1 2"},
        ReductionCase{"CubicUnchanged", K4, "4 | 2 3 4 | 1 3 4 | 1 2 4 | 1 2 3"},
        // Any cycle ends as two vertices joined once, an odd one included.
        ReductionCase{"Triangle", {{2, 3}, {1, 3}, {2, 1}}, "2 | 2 | 1"},
        ReductionCase{"FiveCycle", {{2, 5}, {1, 3}, {2, 4}, {3, 5}, {4, 1}}, "2 | 2 | 1"},
        // A-I-B with A and B adjacent: a double edge, merged; the degree-2 vertices
        // that remain are not suppressed again.
        ReductionCase{"PathBesideEdge", {{2, 3}, {1, 3}, {1, 2, 4}, {3}}, "3 | 2 | 1 3 | 2"},
        // A double edge to one neighbour is never suppressed.
        ReductionCase{"DoubleEdge", {{2, 2}, {1, 1}}, "2 | 2 | 1"},
        // Suppressed vertices leave gaps that the renumbering closes.
        ReductionCase{"Gaps", {{2, 4}, {1, 3, 3}, {2, 2, 4}, {3, 1}}, "2 | 2 | 1"},
        ReductionCase{"IsolatedVertexDropped", {{}, {3, 3, 3}, {2, 2, 2}}, "2 | 2 | 1"},
        // K4 minus the edge 3-4: vertices 3 and 4 go, 1 and 2 are joined three times.
        ReductionCase{"ThetaMerged", {{2, 3, 4}, {1, 3, 4}, {1, 2}, {1, 2}}, "2 | 2 | 1"},
        // Degree above 3 keeps the number with an empty list.
        ReductionCase{"DegreeFour", {{2, 2, 2, 2}, {1, 1, 1, 1}}, "2 | |"}),
    [](const auto& info) { return std::string(info.param.name); });

// The merge table for a vertex of degree 3, in its order: the first row that holds.
struct MergeRow {
  int16_t B, C, D;
  const char* expected;
};

class MergeTable : public ::testing::TestWithParam<MergeRow> {};

TEST_P(MergeTable, KeepsTheFirstOfParallelEntries) {
  int16_t list[4] = {};
  const int16_t length = ZLUC_PARALELNE(3, GetParam().B, GetParam().C, GetParam().D, list);
  EXPECT_EQ(joined(&list[1], length), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, MergeTable,
                         ::testing::Values(MergeRow{5, 5, 5, "5"}, MergeRow{5, 5, 7, "5 7"},
                                           MergeRow{5, 7, 5, "5 7"}, MergeRow{7, 5, 5, "7 5"},
                                           MergeRow{5, 6, 7, "5 6 7"}));

// Phase 1 sees its own changes at once. In the square 1 2 3 4 with a pendant 5 at 4,
// suppressing 1 makes 2 list 4 and 3; suppressing 2 then makes 3 list 4 twice, so 3
// stays (equal entries) and becomes the new vertex 1 joined once to 4.
TEST(Reduction, ChangesTakeEffectWithinThePass) {
  const auto G = graph_of({{2, 4}, {1, 3}, {2, 4}, {3, 1, 5}, {4}});
  const TGRAF H = HOMEOMORFNY(*G);
  EXPECT_EQ(lists_of(H), lists_of(literal::HOMEOMORFNY(*G)));
  EXPECT_EQ(lists_of(H), "3 | 2 | 1 3 | 2");
}

struct ColouringCase {
  const char* name;
  Lists lists;
  bool bipartite;
  const char* colours;  // FARBA[1..n]
};

class Colouring : public ::testing::TestWithParam<ColouringCase> {};

TEST_P(Colouring, ColoursTheComponentOfVertex1) {
  const auto G = graph_of(GetParam().lists);
  auto literal_G = std::make_unique<TGRAF>(*G);
  EXPECT_EQ(JE_BIPARTITNY(*G), GetParam().bipartite);
  EXPECT_EQ(G->JE_BIP, GetParam().bipartite);
  EXPECT_EQ(literal::JE_BIPARTITNY(*literal_G), GetParam().bipartite);
  EXPECT_EQ(joined(&G->FARBA[1], G->POCET_VRCHOLOV), GetParam().colours);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Colouring,
    ::testing::Values(
        ColouringCase{"Triangle", {{2, 3}, {1, 3}, {1, 2}}, false, "0 1 0"},
        ColouringCase{"FourCycle", {{2, 4}, {1, 3}, {2, 4}, {3, 1}}, true, "0 1 0 1"},
        ColouringCase{"Loop", {{1, 2}, {1}}, false, "0 -1"},
        ColouringCase{"DoubleEdge", {{2, 2}, {1, 1}}, true, "0 1"},
        ColouringCase{"SingleEdge", {{2}, {1}}, true, "0 1"},
        // The odd cycle lies in the component without vertex 1.
        ColouringCase{"OddCycleElsewhere", {{2}, {1}, {4, 5}, {3, 5}, {3, 4}}, true,
                      "0 1 -1 -1 -1"},
        // After the conflict nothing more is coloured: the walk from 1 goes 2, 3, and 3
        // sees 1 with its own colour; vertex 4 after it keeps -1.
        ColouringCase{"StopsColouringAtConflict", {{2, 4}, {3}, {1, 4}, {3, 1}}, false,
                      "0 1 0 -1"},
        ColouringCase{"NoVertices", {}, true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
