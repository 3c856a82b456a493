// Vertex sets and (set, end vertex) states packed into one number:
// state = mask(S) * n + e - 1, vertex v being bit v - 1 of the mask.
#pragma once

#include <cstdint>

// A vertex set: entry v tells whether vertex v belongs to it (entry 0 carries nothing).
using POLE_BOOL = bool[101];

// Powers of two, MOCNINA[i] = 2^i for i = 0..28; entries 29 and 30 stay 0.
inline int32_t MOCNINA[31];

// Fills MOCNINA; the first action of every search program.
void FILL_MOCNINA();

// The state number of the set A[1..n] with end vertex B (n = POCET_VRCHOLOV).
int32_t NA_CISLO(const POLE_BOOL& A, int32_t B);
// The set (into A[1..n]) and the end vertex (into B) of state V.
void NA_POLE(int32_t V, POLE_BOOL& A, int32_t& B);
