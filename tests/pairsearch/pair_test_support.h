// Helpers of the 2DBP tests: records from text, and matchings as readable text.
#pragma once

#include <string>
#include <vector>

#include "pair_records.h"
#include "search.h"

namespace pairtest {

struct Record {
  int32_t ZNACKA;
  TGRAF G;
};

// Every record of a dominating-cycle text, read with READ_CYCLE_RECORD.
std::vector<Record> read_records(const std::string& bytes);

// "a-b c-d ..." in the matching's own order and orientation.
std::string edges(const PARENIE& M);
// "none" or "M1: ... / M2: ...".
std::string outcome(const VYSLEDOK_2DBP& v);

// A graph given as adjacency lists (vertex v's list is lists[v-1]) with a cycle.
TGRAF graph(const std::vector<std::vector<int16_t>>& lists, const std::vector<int16_t>& cycle);

// The number of items the search takes for G (chords and vertices off the cycle),
// counted directly from the lists and the cycle.
int item_count(const TGRAF& G);

}  // namespace pairtest
