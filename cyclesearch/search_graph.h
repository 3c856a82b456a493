// The graph a path search runs on: the reduced graph in reduced numbering 1..n with its
// plain neighbours in slot order, and the exception pairs that the cycle must cross
// through removed middle vertices. The result is the cycle's vertex sequence.
#pragma once

#include <cstdint>

// Most vertices a search can take: 2^22 * 22 states.
inline constexpr int32_t MAX_SEARCH_VERTICES = 22;

inline int32_t POCET_VRCHOLOV = 0;
inline int32_t POCET_SUSEDOV[101];
inline int32_t SUSEDIA[101][101];
inline int32_t POCET_VYNIMIEK = 0;
inline int32_t V1[101];
inline int32_t V2[101];

// The found sequence DOM_KRUZNICA[1..DLZKA_DOM]: the start vertex, then the path from its
// last vertex back to the vertex that followed the start. The cycle building turns it
// into input numbers and puts the middle vertices back, so it needs room for those too.
inline int32_t DOM_KRUZNICA[101];
inline int32_t DLZKA_DOM = 0;

// A path search: true when a cycle through all POCET_VRCHOLOV vertices starting at
// `start` exists; then DOM_KRUZNICA[1..DLZKA_DOM] holds it in reduced numbering.
// Preconditions: 1 <= start <= POCET_VRCHOLOV <= MAX_SEARCH_VERTICES, every neighbour and
// every pair end in 1..POCET_VRCHOLOV, at most 3 plain neighbours per vertex.
using PathSearch = bool (*)(int32_t start);
