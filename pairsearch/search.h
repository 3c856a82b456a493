// The 2DBP search for one graph with its dominating cycle: the first pair of disjoint
// matchings, in a fixed candidate order, such that the graph minus either matching,
// reduced by HOMEOMORFNY, passes JE_BIPARTITNY.
#pragma once

#include "pair_records.h"

// Most items (chords and vertices off the cycle) a search can take: the counter has one
// digit per item and an overflow digit.
inline constexpr int16_t MAX_POLOZIEK = 99;

struct VYSLEDOK_2DBP {
  bool NAJDENE;   // a pair was found
  PARENIE M1;     // the pair, when NAJDENE
  PARENIE M2;
};

// Searches G as READ_CYCLE_RECORD gives it (every degree at most 3) and leaves G
// unchanged. A graph without a cycle (L < 1) has no pair.
//
// Items: the chords (edges between two cycle vertices that are not neighbours on the
// cycle), each from its lower end, in the order of that end and of its slot; then the
// vertices off the cycle in increasing order. Each item has a state 0, 1 or 2 and the
// candidates are the states read as a base-3 counter, item 1 the lowest digit:
//
//   state | chord A-B        | vertex v off the cycle, neighbours s1 s2 s3
//   0     | in neither       | M1 gets v-s1, M2 gets v-s2
//   1     | M1 gets A-B      | M1 gets v-s1, M2 gets v-s3
//   2     | M2 gets A-B      | M1 gets v-s2, M2 gets v-s3
//
// The result is the first candidate in counter order whose M1 passes and whose M2
// passes. A cycle that leaves more than 99 items ends the program with code 106.
VYSLEDOK_2DBP VYHLADAVANIE(const TGRAF& G);
