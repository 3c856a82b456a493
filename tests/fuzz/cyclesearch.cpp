// The dominating-cycle search programs run on the input as their collection: reading,
// then the search of every graph the reader accepts (cubic or not, symmetric or not),
// then the result file and the protocol. The five programs share this code and differ in
// the number of forks and in trying every choice; the input's length modulo 5 picks the
// program, so that every corpus file is a plain collection and each program gets its share.
//
// Two promises besides a clean run: a small search (at most 14 reduced vertices) gives
// the verdict and the sequence of the literal level-by-level search; and when every
// graph of the input is simple, cubic and symmetric, every cycle written passes the
// verifier cyclecheck.
#include <algorithm>
#include <array>

#include "cyclecheck_program.h"
#include "failure.h"
#include "fork_search.h"
#include "fuzz_target.h"
#include "graph_record.h"
#include "literal_path_search.h"
#include "path_search.h"

namespace {

constexpr std::array<const CycleSearchProgram*, 5> PROGRAMS = {
    &CYCLESEARCH1, &CYCLESEARCH2, &CYCLESEARCH2X, &CYCLESEARCH3, &CYCLESEARCH3X};
const CycleSearchProgram* program = nullptr;

// The literal search clears 2^n * n states per search: cheap up to here.
constexpr int32_t MAX_COMPARED_VERTICES = 14;

bool compared_search(int32_t start) {
  if (POCET_VRCHOLOV > MAX_COMPARED_VERTICES) return FIND_DOMINATING_PATH(start);
  const bool literal = LITERAL_PATH_SEARCH(start);
  const int32_t literal_length = DLZKA_DOM;
  int32_t literal_sequence[101];
  std::copy(DOM_KRUZNICA, DOM_KRUZNICA + 101, literal_sequence);
  const bool fast = FIND_DOMINATING_PATH(start);
  fuzz::expect(fast == literal, "the path search and the literal search disagree");
  if (fast) {
    fuzz::expect(DLZKA_DOM == literal_length &&
                     std::equal(DOM_KRUZNICA + 1, DOM_KRUZNICA + 1 + DLZKA_DOM,
                                literal_sequence + 1),
                 "the path search found another sequence than the literal search");
  }
  return fast;
}

int run_cycle_search() { return RUN_CYCLE_SEARCH(*program, compared_search); }

bool simple_cubic_symmetric() {
  const int32_t n = V_POCET_VRCHOLOV;
  if (n == 0) return false;
  for (int32_t v = 1; v <= n; ++v) {
    for (int32_t k = 1; k <= 3; ++k) {
      const int32_t w = V_SUSEDIA[v][k];
      if (w == v || V_SUSEDIA[v][k % 3 + 1] == w) return false;
      if (V_SUSEDIA[w][1] != v && V_SUSEDIA[w][2] != v && V_SUSEDIA[w][3] != v) return false;
    }
  }
  return true;
}

bool all_graphs_proper = false;

int check_graphs() {
  static graphtext::TextReader file;
  file.open(program->input);
  all_graphs_proper = true;
  while (MORE_GRAPH_RECORDS(file)) {
    READ_GRAPH_RECORD(file);
    all_graphs_proper = all_graphs_proper && simple_cubic_symmetric();
  }
  file.close();
  return 0;
}

}  // namespace

FUZZ_TARGET(cyclesearch) {
  program = PROGRAMS[size % PROGRAMS.size()];
  fuzz::write_input(program->input, fuzz::as_text(data, size));
  const int status = fuzz::run_program(run_cycle_search);
  fuzz::expect(status == 0 || status == graphtext::INVALID_NUMERIC_FORMAT,
               "the cycle search failed with a code other than 106");
  if (status != 0 || fuzz::run_program(check_graphs) != 0 || !all_graphs_proper) return;
  fuzz::write_input("s30_26251_dom.c", fuzz::read_file(program->result));
  fuzz::expect(fuzz::run_program(RUN_CYCLECHECK) == 0, "cyclecheck could not read a result file");
  fuzz::expect(fuzz::read_file("protokol.txt") ==
                   "Vsetky grafy maju platne dominujuce kruznice.\r\n",
               "the search wrote a cycle that is no dominating cycle of its graph");
}
