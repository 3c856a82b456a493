// The Graphviz drawing of a graph with its dominating cycle: the cycle as a circle, the
// chords inside it, the vertices off the cycle outside, and the two bipartizing matchings
// of a 2DBP result in two colours. Every vertex gets a pinned position, so that neato
// draws the picture as laid out here.
#pragma once

#include <cstdint>
#include <string>

#include "draw_pairs.h"
#include "graph6.h"

namespace draw {

struct Picture {
  int32_t number = 0;              // the graph number, for the caption
  const graph6::Graph* graph = nullptr;
  int32_t cycle_length = 0;        // cycle[1..cycle_length], in cyclic order
  const int32_t* cycle = nullptr;
  const PairBlock* pairs = nullptr;  // nullptr: no 2DBP result given
};

// The DOT text of the picture, lines ended by LF.
std::string dot_text(const Picture& picture);

}  // namespace draw
