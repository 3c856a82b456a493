// The subset-state path search of the tool chain, done depth first.
//
// The level-by-level search over (visited set, head) states keeps, for every state, the
// predecessor that discovered it first; as every move adds one vertex and a level is
// expanded in queue order, that is the predecessor on the lexicographically first move
// sequence (moves numbered in the order a state tries them: jumps across exception pairs
// in list order, then plain neighbours in slot order). Its answer is therefore the
// lexicographically first move sequence to the first reachable goal (the full set ending
// at the first, second or third plain neighbour of the start). A depth-first search that
// tries the moves in that order and looks for one goal at a time finds exactly that
// sequence, and may skip every state from which the goal cannot be reached. Such dead
// states are recognised by sound tests (the unvisited vertices must stay connected, every
// one of them needs two path neighbours, the goal must still be unvisited) and remembered
// per search, so each state is expanded at most once.
#pragma once

#include <cstdint>

#include "search_graph.h"

// The search as every search program runs it; see PathSearch for the contract.
bool FIND_DOMINATING_PATH(int32_t start);

// Counters for the benchmarks: states expanded and searches run since the start.
struct PathSearchCounters {
  uint64_t expanded_states = 0;
  uint64_t searches = 0;
};
const PathSearchCounters& path_search_counters();
