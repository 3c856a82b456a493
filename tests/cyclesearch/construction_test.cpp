// The way from a fork choice to the search graph and from the found sequence back to a
// cycle, on hand-worked examples: which exception pairs arise in which order and
// orientation, which edges go, where the search starts, and where middles are inserted.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "cycle_search_test_support.h"
#include "e2e/e2e.h"
#include "fork_construction.h"
#include "path_search.h"
#include "text_file.h"

namespace {

// Loads the `index`-th graph (from 0) of a test collection into the input graph.
void load_graph(const char* collection, int index) {
  e2e::Scratch scratch;
  scratch.write("in.c", e2e::test_data(std::string("graphs/") + collection));
  graphtext::TextReader in;
  in.open(scratch.file("in.c").c_str());
  for (int i = 0; i <= index; ++i) READ_GRAPH_RECORD(in);
  in.close();
}

using Pairs = std::vector<std::pair<int, int>>;

Pairs exception_pairs() {
  Pairs pairs;
  for (int k = 1; k <= POCET_VYNIMIEK; ++k) pairs.emplace_back(V1[k], V2[k]);
  return pairs;
}

std::vector<int> plain_list(int v) {
  return {SUSEDIA[v] + 1, SUSEDIA[v] + 1 + POCET_SUSEDOV[v]};
}

TEST(ForkConstruction, AdjacentAndBridgedPairsBetweenForksAtDistanceThree) {
  // Graph 2 on 14 vertices: 1 [7 9 11], 3 [8 13 14]. Neighbours 9-8, 9-13, 11-13 and 11-14
  // are at distance 2, 7-14 are adjacent. The reduced graph keeps 2 4 5 6 10 12 as 1..6.
  load_graph("cubic_g5_14.c", 1);
  PREPARE_GRAPH();
  const int32_t centres[2] = {1, 3};
  EXPECT_FALSE(PREPARE_FORK_CHOICE(centres, 2)) << "every reduced vertex ends a pair";
  EXPECT_EQ(POCET_VRCHOLOV, 6);
  EXPECT_FALSE(CONSTRUCTION_BROKEN);
  // 9-8 share 2 in place; 9-13 share 4 (a's pair swapped); 11-13 share 5 (b's pair
  // swapped); 11-14 share 6, whose pair with 7 is left out as 7 is removed; 7-14 adjacent.
  EXPECT_EQ(exception_pairs(),
            (Pairs{{1, 2}, {1, 6}, {2, 1}, {2, 3}, {3, 4}, {3, 2}, {4, 3}, {5, 4}}));
  EXPECT_EQ(MEDZI_NIMI[2][4], 9);
  EXPECT_EQ(MEDZI_NIMI[2][12], 8);
  EXPECT_EQ(MEDZI_NIMI[4][5], 13);
  EXPECT_EQ(MEDZI_NIMI[5][6], 11);
  EXPECT_EQ(MEDZI_NIMI[10][6], 714);
  EXPECT_EQ(MEDZI_NIMI[6][10], 1407);
  // Every shared neighbour lost the edge to its third neighbour: 2-10, 4-12, 5-10, 6-12.
  for (int v = 1; v <= 6; ++v) EXPECT_EQ(plain_list(v), std::vector<int>{}) << "vertex " << v;
}

TEST(ForkConstruction, FarAndBridgedPairsBetweenForksAtDistanceFour) {
  // Snark 1 on 26 vertices, centres 1 [2 3 4] and 6 [13 17 19]: 4 and 13 are far, 2-19 and
  // 3-17 are at distance 2. Reduced: 5 7 8 9 10 11 12 14 15 16 18 20 21 .. 26 as 1..18.
  load_graph("snarks_26.c", 0);
  PREPARE_GRAPH();
  const int32_t centres[2] = {1, 6};
  ASSERT_TRUE(PREPARE_FORK_CHOICE(centres, 2));
  EXPECT_EQ(POCET_VRCHOLOV, 18);
  EXPECT_EQ(exception_pairs(), (Pairs{{15, 17}, {7, 9}, {13, 14}, {13, 8}, {18, 16}, {18, 4}}));
  EXPECT_EQ(MEDZI_NIMI[23][25], 4);
  EXPECT_EQ(MEDZI_NIMI[12][15], 13);
  EXPECT_EQ(MEDZI_NIMI[21][14], 19);
  EXPECT_EQ(MEDZI_NIMI[26][9], 17);
  EXPECT_EQ(ZACIATOK, 1);
  EXPECT_EQ(plain_list(1), (std::vector<int>{8, 9, 12})) << "5 keeps 14 15 20";
  EXPECT_EQ(plain_list(9), (std::vector<int>{1})) << "15 lost 21";
  EXPECT_EQ(plain_list(13), (std::vector<int>{})) << "21 lost 15";
  EXPECT_EQ(plain_list(15), (std::vector<int>{12})) << "23 lost 26";
  EXPECT_EQ(plain_list(18), (std::vector<int>{})) << "26 lost 23";
}

TEST(ForkConstruction, OneForkPairsAreTheOtherNeighboursOfEachNeighbour) {
  // Petersen as numbered in the collection: 1 [4 7 10]; 4 [1 8 9], 7 [1 2 3], 10 [1 5 6].
  load_graph("cubic_g5_10.c", 0);
  PREPARE_GRAPH();
  const int32_t centre[1] = {1};
  ASSERT_TRUE(PREPARE_FORK_CHOICE(centre, 1));
  // Reduced: 2 3 5 6 8 9 as 1..6.
  EXPECT_EQ(exception_pairs(), (Pairs{{5, 6}, {1, 2}, {3, 4}}));
  EXPECT_EQ(MEDZI_NIMI[8][9], 4);
  EXPECT_EQ(ZACIATOK, 1);
}

TEST(ForkConstruction, ThreeForksFallBackToAStartNearTheThirdCentre) {
  // Snark 3 on 28 vertices, centres 1, 11, 14: every reduced vertex ends a pair, and the
  // smallest vertex at distance 2 from 14 and at least 3 from 11 is 6.
  load_graph("snarks_28.c", 2);
  PREPARE_GRAPH();
  const int32_t centres[3] = {1, 11, 14};
  ASSERT_TRUE(PREPARE_FORK_CHOICE(centres, 3));
  EXPECT_FALSE(CHOOSE_START_VERTEX());
  ASSERT_TRUE(FALLBACK_START_USED);
  EXPECT_EQ(PRECISLUJINV[ZACIATOK], 6);
  ASSERT_TRUE(FIND_DOMINATING_PATH(ZACIATOK));
  BUILD_CYCLE();
  EXPECT_EQ(DOM_KRUZNICA[1], 6) << "the written cycle starts at the fallback vertex";
}

TEST(ForkConstruction, ShortCyclesThroughACentreGiveNoChoice) {
  // K4 is all triangles; a 5-prism has 4-cycles through every vertex.
  V_POCET_VRCHOLOV = 4;
  int k4[4][3] = {{2, 3, 4}, {1, 3, 4}, {1, 2, 4}, {1, 2, 3}};
  for (int v = 1; v <= 4; ++v) {
    for (int k = 1; k <= 3; ++k) V_SUSEDIA[v][k] = k4[v - 1][k - 1];
    V_POCET_SUSEDOV[v] = 3;
  }
  for (int v = 1; v <= 4; ++v) EXPECT_TRUE(SHORT_CYCLE_THROUGH(v));
  V_POCET_VRCHOLOV = 10;
  for (int i = 1; i <= 5; ++i) {
    int outer[3] = {i % 5 + 1, (i + 3) % 5 + 1, i + 5};
    int inner[3] = {i % 5 + 6, (i + 3) % 5 + 6, i};
    for (int k = 1; k <= 3; ++k) {
      V_SUSEDIA[i][k] = outer[k - 1];
      V_SUSEDIA[i + 5][k] = inner[k - 1];
    }
    V_POCET_SUSEDOV[i] = V_POCET_SUSEDOV[i + 5] = 3;
  }
  PREPARE_GRAPH();
  for (int v = 1; v <= 10; ++v) {
    const int32_t centre[1] = {v};
    EXPECT_FALSE(PREPARE_FORK_CHOICE(centre, 1)) << "centre " << v;
  }
  load_graph("cubic_g5_10.c", 0);
  for (int v = 1; v <= 10; ++v) EXPECT_FALSE(SHORT_CYCLE_THROUGH(v)) << "girth 5";
}

// Distances by Floyd-Warshall over the edges of the input graph taken both ways.
std::vector<std::vector<int>> floyd_warshall_distances() {
  const int n = V_POCET_VRCHOLOV;
  std::vector<std::vector<int>> d(n + 1, std::vector<int>(n + 1, 1000));
  for (int v = 1; v <= n; ++v) d[v][v] = 0;
  for (int v = 1; v <= n; ++v) {
    for (int k = 1; k <= V_POCET_SUSEDOV[v]; ++k) {
      int w = V_SUSEDIA[v][k];
      if (w == v) continue;
      d[v][w] = d[w][v] = 1;
    }
  }
  for (int m = 1; m <= n; ++m) {
    for (int a = 1; a <= n; ++a) {
      for (int b = 1; b <= n; ++b) d[a][b] = std::min(d[a][b], d[a][m] + d[m][b]);
    }
  }
  for (int v = 1; v <= n; ++v) {
    for (int k = 1; k <= V_POCET_SUSEDOV[v]; ++k) {
      if (V_SUSEDIA[v][k] == v) d[v][v] = 1;  // a loop: one edge away from itself
    }
  }
  return d;
}

// Rows are filled when first read, so they are read here in a scrambled order, after rows
// of an earlier graph were read, and for graphs on both sides of the one-word masks.
void expect_distances_of_current_graph(const char* what) {
  PREPARE_GRAPH();
  const int n = V_POCET_VRCHOLOV;
  const auto expected = floyd_warshall_distances();
  for (int i = 0; i < n; ++i) {
    int a = (i * 7) % n + 1;
    for (int b = 1; b <= n; ++b) {
      ASSERT_EQ(DISTANCE(a, b), expected[a][b]) << what << ": " << a << " to " << b;
    }
  }
}

TEST(ForkConstruction, DistancesEqualAllPairsShortestPaths) {
  const std::pair<const char*, int> graphs[] = {
      {"cubic_g5_10.c", 0}, {"cubic_g5_14.c", 0}, {"cubic_g5_14.c", 1}, {"snarks_28.c", 2}};
  for (const auto& [collection, index] : graphs) {
    load_graph(collection, index);
    expect_distances_of_current_graph(collection);
  }
  // Two components (a loop on 1, a double edge 2-3; a path 4-5-6), 1000 between them.
  V_POCET_VRCHOLOV = 6;
  const int rows[6][3] = {{1, 2, 0}, {1, 3, 3}, {2, 2, 0}, {5, 0, 0}, {4, 6, 0}, {5, 0, 0}};
  for (int v = 1; v <= 6; ++v) {
    V_POCET_SUSEDOV[v] = 0;
    for (int k = 0; k < 3 && rows[v - 1][k] != 0; ++k) {
      V_SUSEDIA[v][++V_POCET_SUSEDOV[v]] = rows[v - 1][k];
    }
  }
  expect_distances_of_current_graph("two components");
  // A ring of 90 vertices with chords v to v + 45: masks of two words.
  V_POCET_VRCHOLOV = 90;
  for (int v = 1; v <= 90; ++v) {
    V_POCET_SUSEDOV[v] = 3;
    V_SUSEDIA[v][1] = v % 90 + 1;
    V_SUSEDIA[v][2] = (v + 88) % 90 + 1;
    V_SUSEDIA[v][3] = (v + 44) % 90 + 1;
  }
  expect_distances_of_current_graph("90 vertices");
}

TEST(ForkChoices, InLexicographicOrderWithTheDistanceConditions) {
  load_graph("snarks_28.c", 2);
  PREPARE_GRAPH();
  for (int forks = 1; forks <= 3; ++forks) {
    std::vector<std::vector<int>> visited;
    FOR_EACH_FORK_CHOICE(forks, [&](const int32_t* c) {
      visited.emplace_back(c, c + forks);
      return true;
    });
    std::vector<std::vector<int>> expected;
    const int n = V_POCET_VRCHOLOV;
    for (int a = 1; a <= n; ++a) {
      if (forks == 1) expected.push_back({a});
      for (int b = a + 1; forks >= 2 && b <= n; ++b) {
        if (DISTANCE(a, b) < 3) continue;
        if (forks == 2) expected.push_back({a, b});
        for (int c = b + 1; forks == 3 && c <= n; ++c) {
          if (DISTANCE(b, c) >= 3 && DISTANCE(a, c) >= 5) expected.push_back({a, b, c});
        }
      }
    }
    EXPECT_EQ(visited, expected) << forks << " forks";
    EXPECT_FALSE(visited.empty());
  }
  // Outer centres closer than 5 rule a triple out even when both are far from the middle.
  bool seen_close_outer_pair = false;
  FOR_EACH_FORK_CHOICE(3, [&](const int32_t* c) {
    EXPECT_GE(DISTANCE(c[0], c[2]), 5);
    return true;
  });
  for (int a = 1; a <= V_POCET_VRCHOLOV && !seen_close_outer_pair; ++a) {
    for (int b = a + 1; b <= V_POCET_VRCHOLOV; ++b) {
      for (int c = b + 1; c <= V_POCET_VRCHOLOV; ++c) {
        seen_close_outer_pair |= DISTANCE(a, b) >= 3 && DISTANCE(b, c) >= 3 &&
                                 DISTANCE(a, c) < 5;
      }
    }
  }
  EXPECT_TRUE(seen_close_outer_pair) << "the graph has triples that the last condition skips";
  int stops = 0;
  FOR_EACH_FORK_CHOICE(2, [&](const int32_t*) { return ++stops < 3; });
  EXPECT_EQ(stops, 3) << "a false from the visitor ends the run";
}

// ------------------------------------------------------------ back to the input graph

// Sets up a reduced graph of `n` vertices named 10, 20, 30, ... in input numbers.
void name_reduced_vertices(int n) {
  POCET_VRCHOLOV = n;
  for (int v = 1; v <= n; ++v) PRECISLUJINV[v] = 10 * v;
  POCET_VYNIMIEK = 0;
}

void add_pair(int v1, int v2) {
  ++POCET_VYNIMIEK;
  V1[POCET_VYNIMIEK] = v1;
  V2[POCET_VYNIMIEK] = v2;
}

std::vector<int> built_cycle(const std::vector<int>& sequence) {
  DLZKA_DOM = static_cast<int32_t>(sequence.size());
  for (std::size_t i = 0; i < sequence.size(); ++i) DOM_KRUZNICA[i + 1] = sequence[i];
  BUILD_CYCLE();
  return {DOM_KRUZNICA + 1, DOM_KRUZNICA + 1 + DLZKA_DOM};
}

TEST(CycleBuilding, TwoVertexMiddlesFollowTheDirection) {
  name_reduced_vertices(3);
  add_pair(1, 2);  // 10 next to a = 5, 20 next to b = 6
  MEDZI_NIMI[10][20] = 506;
  MEDZI_NIMI[20][10] = 605;
  EXPECT_EQ(built_cycle({1, 2, 3}), (std::vector<int>{10, 5, 6, 20, 30}));
  EXPECT_EQ(built_cycle({2, 1, 3}), (std::vector<int>{20, 6, 5, 10, 30}));
  EXPECT_EQ(built_cycle({1, 3, 2}), (std::vector<int>{10, 30, 20, 6, 5}))
      << "a pair of the last and the first vertex ends the cycle with its middle";
}

TEST(CycleBuilding, APairAddedTwiceIsInsertedOnce) {
  name_reduced_vertices(4);
  add_pair(1, 2);
  add_pair(2, 1);
  add_pair(3, 4);
  MEDZI_NIMI[10][20] = MEDZI_NIMI[20][10] = 7;
  MEDZI_NIMI[30][40] = MEDZI_NIMI[40][30] = 8;
  EXPECT_EQ(built_cycle({1, 2, 4, 3}), (std::vector<int>{10, 7, 20, 40, 8, 30}));
}

// ------------------------------------------------------------ the path search itself

void set_plain(int v, std::vector<int> neighbours) {
  POCET_SUSEDOV[v] = static_cast<int32_t>(neighbours.size());
  for (std::size_t l = 0; l < neighbours.size(); ++l) SUSEDIA[v][l + 1] = neighbours[l];
}

std::vector<int> found_sequence(int start) {
  if (!FIND_DOMINATING_PATH(start)) return {};
  return {DOM_KRUZNICA + 1, DOM_KRUZNICA + 1 + DLZKA_DOM};
}

TEST(PathSearch, TheFirstSlotOfTheStartClosesTheCycle) {
  // A square 1-2-3-4: with 2 in the first slot of 1 the path must end at 2.
  POCET_VRCHOLOV = 4;
  POCET_VYNIMIEK = 0;
  set_plain(1, {2, 4});
  set_plain(2, {1, 3});
  set_plain(3, {2, 4});
  set_plain(4, {3, 1});
  EXPECT_EQ(found_sequence(1), (std::vector<int>{1, 2, 3, 4}));
  set_plain(1, {4, 2});
  EXPECT_EQ(found_sequence(1), (std::vector<int>{1, 4, 3, 2}));
}

TEST(PathSearch, AnEndOfAPairJumpsFirst) {
  // Plain 1-2, 3-4, 4-1, pair (2, 3): reaching 2 forces the jump to 3.
  POCET_VRCHOLOV = 4;
  POCET_VYNIMIEK = 0;
  set_plain(1, {2, 4});
  set_plain(2, {1});
  set_plain(3, {4});
  set_plain(4, {3, 1});
  add_pair(2, 3);
  // Both goals are reachable (1 2 3 4 ends at 4, 1 4 3 2 ends at 2); slot 1 of the start wins.
  EXPECT_EQ(found_sequence(1), (std::vector<int>{1, 2, 3, 4}));
  // From 2 the first move is the jump: 2 3 4 1, closing to 2 through the plain edge 1-2.
  EXPECT_EQ(found_sequence(2), (std::vector<int>{2, 1, 4, 3}));
}

TEST(PathSearch, NoCycleAndTooFewSlots) {
  POCET_VRCHOLOV = 4;
  POCET_VYNIMIEK = 0;
  set_plain(1, {2});
  set_plain(2, {1, 3});
  set_plain(3, {2, 4});
  set_plain(4, {3});
  EXPECT_EQ(found_sequence(1), std::vector<int>{}) << "a path, not a cycle";
  set_plain(1, {});
  EXPECT_EQ(found_sequence(1), std::vector<int>{}) << "a start without plain neighbours";
}

}  // namespace
