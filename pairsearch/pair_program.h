// The 2DBP program: every record of a dominating-cycle file searched, its block written
// to the result file, one console line, and the run protocol. The two programs differ
// only in the data handed to run_pair_search.
#pragma once

#include <cstdint>

#include "pair_records.h"
#include "search.h"
#include "text_file.h"

// How a record is named in the result file, on the console and in the unfound list.
enum class RecordLabel {
  GraphNumber,  // ZNACKA from the record's first line
  Position,     // R = NAJDENYCH + NENAJDENYCH after the record's count: its position
};

struct PairProgram {
  const char* input;     // the dominating-cycle file read
  const char* result;    // the 2DBP result file created
  const char* protocol;  // the run protocol created
  RecordLabel label;
  bool no_cycle_counts_as_found;  // a record without a cycle adds to NAJDENYCH
};

using PairSearch = VYSLEDOK_2DBP (*)(const TGRAF&);

// Runs the whole program: opens the input, then creates the result file and the
// protocol, processes every record, writes the closing lines of the protocol and closes
// the three files. Returns the exit status 0; a failed file operation or a record the
// tables cannot hold ends the program with the failure report instead.
int run_pair_search(const PairProgram& program, PairSearch search = VYHLADAVANIE);

// The found block: the record's label, the cycle line, "Prve bipartizujuce parenie:" and
// the edges of M1, "Druhe bipartizujuce parenie:" and the edges of M2, an empty line.
void VYPISANIE(graphtext::TextWriter& VYSTUP, int32_t cislo, const TGRAF& G, const PARENIE& M1,
               const PARENIE& M2);
