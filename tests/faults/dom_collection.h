// A generated dominating-cycle file of any length, for the long runs of the data-set
// tools (the long-run test and bench/tools).
//
// Record i has graph number i and 30 vertices: a cycle through all of them in an order
// drawn from i, and a perfect matching of chords between vertices that are not next to
// each other on it, so the graph is cubic and simple and the cycle dominates it. Every
// seventh record is written as one without a cycle (lines "0" and "0"). The records have
// the exact layout the search programs write.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace dom_collection {

inline constexpr int VERTICES = 30;

// A small generator of its own, so that the file is the same on every machine.
struct Lcg {
  uint64_t state;
  uint32_t next(uint32_t bound) {
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<uint32_t>((state >> 33) % bound);
  }
};

inline bool has_cycle(int32_t number) { return number % 7 != 0; }

// The seven lines of record `number`, with CR LF line ends.
inline std::string record(int32_t number) {
  Lcg random{static_cast<uint64_t>(number) * 2654435761ULL + 1};
  std::vector<int> order(VERTICES);  // the cycle, as vertex numbers
  for (int i = 0; i < VERTICES; ++i) order[i] = i + 1;
  for (int i = VERTICES - 1; i > 0; --i) std::swap(order[i], order[random.next(i + 1)]);

  // Chords join cycle positions p and q that are not neighbours on the cycle; positions are
  // paired off at random until such a matching comes out.
  std::vector<int> chord(VERTICES);  // position -> position
  for (;;) {
    std::vector<int> positions(VERTICES);
    for (int i = 0; i < VERTICES; ++i) positions[i] = i;
    for (int i = VERTICES - 1; i > 0; --i) std::swap(positions[i], positions[random.next(i + 1)]);
    bool fine = true;
    for (int i = 0; i < VERTICES; i += 2) {
      int p = positions[i], q = positions[i + 1];
      int gap = std::abs(p - q);
      if (gap == 1 || gap == VERTICES - 1) fine = false;
      chord[p] = q;
      chord[q] = p;
    }
    if (fine) break;
  }

  // Slots of the vertex at position p: its predecessor, its successor, its chord.
  int slot[4][VERTICES + 1];
  for (int p = 0; p < VERTICES; ++p) {
    int v = order[p];
    slot[1][v] = order[(p + VERTICES - 1) % VERTICES];
    slot[2][v] = order[(p + 1) % VERTICES];
    slot[3][v] = order[chord[p]];
  }

  std::string text = std::to_string(number) + "\r\n" + std::to_string(VERTICES) + "\r\n";
  for (int k = 1; k <= 3; ++k) {
    char field[8];
    for (int v = 1; v <= VERTICES; ++v) {
      std::snprintf(field, sizeof field, "%3d", slot[k][v]);
      text += field;
    }
    text += "\r\n";
  }
  if (!has_cycle(number)) return text + "0\r\n0\r\n";
  text += std::to_string(VERTICES) + "\r\n";
  for (int p = 0; p < VERTICES; ++p) {
    if (p > 0) text += ' ';
    text += std::to_string(order[p]);
  }
  return text + "\r\n";
}

// Records first..last, in order.
inline std::string records(int32_t first, int32_t last) {
  std::string text;
  text.reserve(static_cast<std::size_t>(last - first + 1) * 380);
  for (int32_t i = first; i <= last; ++i) text += record(i);
  return text;
}

}  // namespace dom_collection
