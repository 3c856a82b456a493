// The cubic graph record of the collection files and the dominating-cycle record.
//
// Collection record: the graph number, then three neighbour rows: row k gives the k-th
// neighbour (slot k) of the vertices 1..n, n being the number of entries of row 3.
// Dominating-cycle record: seven lines, the graph number, n, the three rows in fields of
// width 3, the cycle length L and the L cycle vertices (or "0" and "0").
#pragma once

#include <cstdint>

#include "text_file.h"

// The input graph, one set per program, reused from record to record. Index 0 of every
// dimension carries nothing; entries beyond the current record keep older values.
inline int32_t ZNACKA = 0;
inline int32_t V_POCET_VRCHOLOV = 0;
inline int32_t V_SUSEDIA[101][101];
inline int32_t V_POCET_SUSEDOV[101];

// Most vertices a record may carry: the width-3 fields of the cycle record hold 99.
inline constexpr int32_t MAX_RECORD_VERTICES = 99;

// True when anything but blanks and line ends is left in the file.
bool MORE_GRAPH_RECORDS(graphtext::TextReader& file);

// Reads the next collection record into the input graph and leaves the file at the line
// after row 3. A record that cannot be held safely ends the program with code 106: a row
// of more than 99 entries, an empty row 3, a row 1 or 2 shorter than row 3, a neighbour
// outside 1..n.
void READ_GRAPH_RECORD(graphtext::TextReader& file);

// Lines 1 to 5 of a dominating-cycle record, from the input graph.
void WRITE_GRAPH_LINES(graphtext::TextWriter& file);
// Lines 6 and 7: the length and the vertices cycle[1..length].
void WRITE_CYCLE_LINES(graphtext::TextWriter& file, int32_t length, const int32_t* cycle);
// Lines 6 and 7 of a record without a cycle: "0" and "0".
void WRITE_NO_CYCLE_LINES(graphtext::TextWriter& file);
