// The records of the 2DBP search: a graph with its dominating cycle (TGRAF), a matching
// (PARENIE), and the reading of one dominating-cycle record into a graph.
//
// Both records are plain values: every operation takes its own copy and returns new
// records. Indices start at 1; index 0 of the vertex arrays carries nothing, and
// entries beyond the current graph keep whatever an earlier record left there.
#pragma once

#include <cstdint>

#include "text_file.h"

// Array bound of every vertex-indexed table.
inline constexpr int16_t MAX_VRCHOLOV = 100;
// Most vertices a dominating-cycle record can carry (its neighbour fields are 3 wide).
inline constexpr int16_t MAX_VRCHOLOV_ZAZNAMU = 99;
// Most cycle vertices a record may list.
inline constexpr int16_t MAX_DLZKA_DOM = 100;

struct TGRAF {
  int16_t POCET_VRCHOLOV;           // n; the vertices are 1..n
  int16_t DLZKA_DOM;                // L, the cycle length; 0 or less: no cycle
  bool JE_BIP;                      // verdict of JE_BIPARTITNY
  int16_t POCET_SUSEDOV[MAX_VRCHOLOV + 1];                  // degree (list length)
  int16_t SUSEDIA[MAX_VRCHOLOV + 1][MAX_VRCHOLOV + 1];      // adjacency lists, in order
  int16_t DOMINUJUCA[MAX_DLZKA_DOM + 2];  // cycle [1..L]; 0 and L+1 are wrap-around slots
  int16_t FARBA[MAX_VRCHOLOV + 1];  // colour in the bipartiteness test: -1, 0 or 1
};

struct PARENIE {
  int16_t POCET_HRAN;               // m
  int16_t V1[MAX_VRCHOLOV + 1];     // edge k joins V1[k] and V2[k], k = 1..m, in the
  int16_t V2[MAX_VRCHOLOV + 1];     // order added and with the ends as given
};

// Appends the edge (x, y) with x as its first end.
inline void PRIDAJ_HRANU(PARENIE& M, int16_t x, int16_t y) {
  ++M.POCET_HRAN;
  M.V1[M.POCET_HRAN] = x;
  M.V2[M.POCET_HRAN] = y;
}

// Reads the next dominating-cycle record into ZNACKA and G: the graph number, n, the
// three neighbour rows (row k gives slot k of every vertex), L and the L cycle vertices,
// all as tokens; then skips the rest of the cycle line, and one more line when L <= 0.
// Only POCET_VRCHOLOV, DLZKA_DOM, POCET_SUSEDOV[1..n] (all 3), SUSEDIA[1..n][1..3] and
// DOMINUJUCA[1..L] are written.
//
// A value that the tables cannot hold ends the program with code 106 naming the record:
// n outside 0..99, a neighbour or a cycle vertex outside 1..n, L above 100 or below the
// 16-bit range. Nothing else (symmetry, the cycle being a dominating cycle) is checked.
void READ_CYCLE_RECORD(graphtext::TextReader& file, int32_t& ZNACKA, TGRAF& G);

// The candidate matchings are built on the cycle being a dominating cycle of the cubic
// graph: L >= 3 distinct vertices, each listing its two cycle neighbours once and one more
// vertex, and every vertex off the cycle listing only cycle vertices. Then there are at
// most L / 2 items; a record that breaks this (it is outside the format) could make the
// exponential search run for ever, so it ends the program with code 106, naming the
// record (read last from `file`) and the vertex.
void REQUIRE_DOMINATING_CYCLE(const graphtext::TextReader& file, int32_t ZNACKA, const TGRAF& G);
