// graph6 and sparse6: the one-line text forms in which graph generators, snark lists and
// graph databases exchange simple graphs, decoded into and encoded from an adjacency
// matrix on the vertices 1..n.
//
// Both forms start with the vertex count N(n): one character n + 63 for n <= 62, else
// '~' and three characters of 6 bits each (n <= 258047), else "~~" and six characters.
// graph6 then packs the upper triangle x(0,1), x(0,2), x(1,2), x(0,3), ... six bits to a
// character (value + 63), padded with zero bits. sparse6 (prefixed ':') lists the edges
// as pairs (b, x) of one bit and k bits, k the bit length of n - 1: b = 1 moves the
// current vertex v on by one, then x > v makes x the current vertex, otherwise {x, v} is
// an edge. Vertex i of the text is vertex i + 1 here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "graph_record.h"

namespace graph6 {

// The records of the tool chain carry at most 99 vertices.
inline constexpr int32_t MAX_VERTICES = MAX_RECORD_VERTICES;

// A simple undirected graph on the vertices 1..n; index 0 carries nothing.
struct Graph {
  int32_t n = 0;
  bool adjacent[MAX_VERTICES + 1][MAX_VERTICES + 1] = {};
};

// Decodes one graph6 or sparse6 line (without its line end; a ">>graph6<<" or
// ">>sparse6<<" header in front is allowed). Returns an empty text on success, otherwise
// what is wrong with the line; `graph` then holds nothing of use.
std::string decode(std::string_view line, Graph& graph);

// The graph6 line of the graph, without a line end.
std::string encode_graph6(const Graph& graph);

// Empty when every vertex has exactly three neighbours, otherwise which one does not.
std::string cubic_fault(const Graph& graph);

// The neighbours of v in ascending order; returns how many there are (at most 3 kept).
int32_t ascending_neighbours(const Graph& graph, int32_t v, int32_t (&out)[3]);

}  // namespace graph6
