// The block of one graph in a 2DBP result file, as cycledraw reads it: the cycle line and,
// when a pair was found, the edges of the two bipartizing matchings.
#pragma once

#include <cstdint>

#include "graph6.h"
#include "text_file.h"

namespace draw {

enum class PairOutcome { Found, NoPair, NoCycle };

struct Matching {
  int32_t edges = 0;
  int32_t v1[graph6::MAX_VERTICES + 1];
  int32_t v2[graph6::MAX_VERTICES + 1];
};

struct PairBlock {
  PairOutcome outcome = PairOutcome::NoCycle;
  // The cycle of the cycle line. A line longer than a text line holds is read cut, so
  // that only its first `cycle_known` vertices are known.
  int32_t cycle_length = 0;
  int32_t cycle_known = 0;
  int32_t cycle[graph6::MAX_VERTICES + 1];
  Matching first;
  Matching second;
};

// Finds the first block whose line 1 is `number` and reads it. False when the file has
// none; a block that breaks the layout ends the run with a message naming its line.
bool find_pair_block(graphtext::TextReader& file, int32_t number, PairBlock& block);

}  // namespace draw
