#include "graphpick_program.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "graph_record.h"
#include "protocol_reading.h"
#include "text_file.h"

using graphtext::TextReader;
using graphtext::TextWriter;

namespace {

constexpr int32_t RECORD_COUNT = 28400;
constexpr int32_t LINES_AFTER_NUMBER = 6;
// Graph numbers the mark table holds; the rare numbers outside it go to a sorted list.
constexpr int32_t MAX_TABLE_NUMBER = 1000000;

TextWriter F;
TextReader G;
bool JE_TAM[MAX_TABLE_NUMBER + 1];
std::vector<int32_t> OTHER_MARKED;

void MARK(int32_t A) {
  if (A >= 0 && A <= MAX_TABLE_NUMBER) {
    JE_TAM[A] = true;
  } else {
    OTHER_MARKED.push_back(A);
  }
}

bool IS_MARKED(int32_t A) {
  if (A >= 0 && A <= MAX_TABLE_NUMBER) return JE_TAM[A];
  return std::binary_search(OTHER_MARKED.begin(), OTHER_MARKED.end(), A);
}

// Marks every graph of the protocol's list. A protocol without its count line (a run
// that stopped early) still names the graphs it had not found by then.
void MARK_LISTED_GRAPHS() {
  G.open("protokol.txt");
  tools::READ_UNFOUND_LIST(G, MARK);
  G.close();
  std::sort(OTHER_MARKED.begin(), OTHER_MARKED.end());
}

// Copies the rest of the record, line by line, as far as the file holds it.
void COPY_RECORD_LINES() {
  for (int32_t J = 1; J <= LINES_AFTER_NUMBER && !G.at_end(); ++J) {
    F.write(G.read_line());
    F.end_line();
  }
}

void SKIP_RECORD_LINES() {
  for (int32_t J = 1; J <= LINES_AFTER_NUMBER; ++J) G.skip_line();
}

}  // namespace

int RUN_GRAPHPICK() {
  // Set anew: a harness may run the program more than once in one process.
  std::fill(std::begin(JE_TAM), std::end(JE_TAM), false);
  OTHER_MARKED.clear();
  F.create("s30_c4_dom_vyb.c");
  MARK_LISTED_GRAPHS();

  G.open("s30_c4_dom.c");
  for (int32_t I = 1; I <= RECORD_COUNT && MORE_GRAPH_RECORDS(G); ++I) {
    G.begin_record();
    int32_t A = G.read_int();
    G.skip_line();
    if (IS_MARKED(A)) {
      F.write_int(A);
      F.end_line();
      COPY_RECORD_LINES();
    } else {
      SKIP_RECORD_LINES();
    }
  }
  G.close();
  F.close();
  return 0;
}
