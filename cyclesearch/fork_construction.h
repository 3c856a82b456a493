// From the input graph and a choice of fork centres to the search graph: the reduced
// graph (the input graph minus the centres and their neighbours, renumbered 1..n in
// ascending input order), the exception pairs with their middle vertices, and the start
// vertex; and back from the found sequence to a cycle of the input graph.
#pragma once

#include <cstdint>

#include "graph_record.h"
#include "search_graph.h"

inline bool BUDE_V_NOVOM[101];
inline int32_t PRECISLUJ[101];
inline int32_t PRECISLUJINV[101];
// The middle of the exception pair with these two ends (input numbers): a value below 100
// is one middle vertex; x * 100 + y is the two-vertex middle x, y, x next to the first end.
inline int32_t MEDZI_NIMI[101][101];
inline int32_t VZDIALENOST[101][101];
inline int32_t ZACIATOK = 0;
inline bool MOZE_BYT = false;
inline int32_t POZICIA = 0;

// Set when the construction meets a graph it cannot handle for this choice (a short
// cycle through a centre); such a choice gives no cycle.
inline bool CONSTRUCTION_BROKEN = false;

// Shortest-path distances of the input graph, 1000 between components (symmetric).
// A row is filled when first read through DISTANCE: a graph whose first fork choices
// succeed needs only a few of them. PREPARE_GRAPH puts every row out of date.
inline uint32_t DISTANCE_GRAPH_STAMP = 0;
inline uint32_t DISTANCE_ROW_STAMP[101];
void FILL_DISTANCE_ROW(int32_t s);

inline int32_t DISTANCE(int32_t a, int32_t b) {
  if (DISTANCE_ROW_STAMP[a] != DISTANCE_GRAPH_STAMP) FILL_DISTANCE_ROW(a);
  return VZDIALENOST[a][b];
}

// True when a cycle of length at most 4 (or a repeated edge) passes through `centre`.
bool SHORT_CYCLE_THROUGH(int32_t centre);

// The reduced graph without the centres and all their neighbours. Ends the program with
// the failure report when more vertices remain than a search can hold.
void BUILD_REDUCED_GRAPH(const int32_t* centres, int32_t count);

// a, b := b, a.
void VYMENA(int32_t& A, int32_t& B);

// The two neighbours of a other than c, in slot order.
void OTHER_TWO_NEIGHBOURS(int32_t a, int32_t c, int32_t& first, int32_t& second);

// The exception pair (p, q) with one middle vertex (input numbers).
void ADD_EXCEPTION_PAIR(int32_t p, int32_t q, int32_t middle);

// One fork: for each neighbour a of the centre, the pair of a's two other neighbours.
void ADD_FORK_PAIRS(int32_t centre);
// Far neighbours of `centre`: a neighbour a at distance at least 4 from every vertex of
// far_from[0..count-1] gives the pair of its two other neighbours.
void ADD_FAR_PAIRS(int32_t centre, const int32_t* far_from, int32_t count);
// Neighbours a of `outer` and b of `inner` at distance 2: the two pairs through their
// shared neighbour, and the edge from that neighbour to its third one removed.
void ADD_BRIDGED_PAIRS(int32_t outer, int32_t inner);
// Neighbours a of `outer` and b of `inner` that are adjacent: one pair through a and b.
void ADD_ADJACENT_PAIRS(int32_t outer, int32_t inner);

// ZACIATOK := the smallest reduced vertex that ends no exception pair; false if none.
bool CHOOSE_START_VERTEX();
// The three-fork fallback: the smallest input vertex at distance 2 from near and at least 3
// from other, renumbered; false if there is none.
bool CHOOSE_FALLBACK_START(int32_t near, int32_t other);

// Per graph, before its fork choices: the neighbour masks from which the distances and
// the short cycles through a centre (where no fork can be centred) are found when asked.
void PREPARE_GRAPH();

// Builds the search graph of one fork choice: the reduced graph, the exception pairs and
// ZACIATOK. False when the choice cannot be searched: a short cycle through a centre, a
// construction that breaks, or no start vertex.
bool PREPARE_FORK_CHOICE(const int32_t* centre, int32_t forks);
// True when the last prepared choice starts at the three-fork fallback vertex.
inline bool FALLBACK_START_USED = false;

// Calls visit(centres) for the fork choices of the graph in their order, until it returns
// false: one centre 1..n; pairs at distance at least 3; triples whose middle centre is at
// distance at least 3 from both others and whose outer two are at distance at least 5.
template <typename Visit>
void FOR_EACH_FORK_CHOICE(int32_t forks, Visit visit);

// Turns DOM_KRUZNICA from reduced numbers into the cycle of the input graph: maps it back,
// puts the middle vertices of every exception pair between its ends.
void BUILD_CYCLE();

template <typename Visit>
void FOR_EACH_FORK_CHOICE(int32_t forks, Visit visit) {
  const int32_t n = V_POCET_VRCHOLOV;
  int32_t c[3];
  if (forks == 1) {
    for (c[0] = 1; c[0] <= n; ++c[0]) {
      if (!visit(c)) return;
    }
  } else if (forks == 2) {
    for (c[0] = 1; c[0] <= n - 1; ++c[0]) {
      for (c[1] = c[0] + 1; c[1] <= n; ++c[1]) {
        if (DISTANCE(c[0], c[1]) >= 3 && !visit(c)) return;
      }
    }
  } else {
    for (c[0] = 1; c[0] <= n - 2; ++c[0]) {
      // Third centres far enough from the first one; most triples end here.
      int32_t far_from_first[101];
      int32_t far_count = 0;
      for (int32_t v = c[0] + 2; v <= n; ++v) {
        if (DISTANCE(c[0], v) >= 5) far_from_first[far_count++] = v;
      }
      if (far_count == 0) continue;
      for (c[1] = c[0] + 1; c[1] <= n - 1; ++c[1]) {
        if (DISTANCE(c[0], c[1]) < 3) continue;
        for (int32_t i = 0; i < far_count; ++i) {
          c[2] = far_from_first[i];
          if (c[2] > c[1] && DISTANCE(c[1], c[2]) >= 3 && !visit(c)) return;
        }
      }
    }
  }
}
