// The tool chain's graph files as the graph6 tools read them: graph collections (records
// of four lines) and dominating-cycle files (records of seven lines). Both are read into
// the input graph model of graphtext (ZNACKA, V_POCET_VRCHOLOV, V_SUSEDIA); a record
// that the tools cannot use ends the run with a message on standard error.
#pragma once

#include <cstdint>
#include <string>

#include "graph6.h"
#include "text_file.h"

namespace graph6 {

enum class FileKind { Empty, Collection, DominatingCycles };

// Ends the run with a plain message, not the failure report, when `name` cannot be read.
void check_readable(const char* name, const char* label);

// Tells the kinds apart by line 2 of the first record: a dominating-cycle record has the
// vertex count alone there, a collection record the first neighbour row, which holds
// at least four entries for a cubic graph. Reads from a reader of its own on the file.
FileKind detect_kind(graphtext::TextReader& probe);

// Copies standard input to a temporary file, so that it can be read twice like a named
// file; returns its name. The caller removes it once it has opened both readers, before
// reading anything, so that no failure leaves it behind.
std::string spool_standard_input();

// The name messages give the input file (standard input read through a temporary file
// is "standard input"); by default the name it was opened by.
void set_input_label(const char* label);

// The cycle of the current dominating-cycle record: CYCLE[1..CYCLE_LENGTH], length 0 when
// the record has none.
inline int32_t CYCLE_LENGTH = 0;
inline int32_t CYCLE[MAX_VERTICES + 1];

// Reads the next dominating-cycle record into the input graph model and the cycle. A
// vertex count outside 1..99, a neighbour outside 1..n, a cycle length outside 0..n or a
// cycle vertex outside 1..n ends the run.
void read_cycle_record(graphtext::TextReader& file);

// The input graph model as a graph, after checking that it is simple and its neighbour
// relation symmetric (graph6 keeps nothing else); a fault ends the run. `record` names
// the record in the message.
void graph_from_input_model(graphtext::TextReader& file, Graph& graph);

}  // namespace graph6
