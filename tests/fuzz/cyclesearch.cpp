// The dominating-cycle search programs run on the input as their collection: reading,
// then the search of every graph the reader accepts (cubic or not, symmetric or not),
// then the result file and the protocol. The five programs share this code and differ in
// the number of forks and in trying every choice; the input's length modulo 5 picks the
// program, so that every corpus file is a plain collection and each program gets its share.
#include <array>

#include "failure.h"
#include "fork_search.h"
#include "fuzz_target.h"
#include "path_search.h"

namespace {

constexpr std::array<const CycleSearchProgram*, 5> PROGRAMS = {
    &CYCLESEARCH1, &CYCLESEARCH2, &CYCLESEARCH2X, &CYCLESEARCH3, &CYCLESEARCH3X};
const CycleSearchProgram* program = nullptr;

int run_cycle_search() { return RUN_CYCLE_SEARCH(*program, FIND_DOMINATING_PATH); }

}  // namespace

FUZZ_TARGET(cyclesearch) {
  program = PROGRAMS[size % PROGRAMS.size()];
  fuzz::write_input(program->input, fuzz::as_text(data, size));
  const int status = fuzz::run_program(run_cycle_search);
  fuzz::expect(status == 0 || status == graphtext::INVALID_NUMERIC_FORMAT,
               "the cycle search failed with a code other than 106");
}
