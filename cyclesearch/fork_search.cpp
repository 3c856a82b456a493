#include "fork_search.h"

#include <optional>

#include "fork_construction.h"
#include "graph_record.h"
#include "path_search.h"
#include "protocol.h"
#include "state_numbering.h"

using graphtext::RunProtocol;
using graphtext::TextReader;
using graphtext::TextWriter;

namespace {

// Per graph: whether a short cycle passes through each vertex, so that no fork choice
// centred there is searched.
bool SHORT_CYCLE[101];

void find_short_cycles() {
  for (int32_t v = 1; v <= V_POCET_VRCHOLOV; ++v) SHORT_CYCLE[v] = SHORT_CYCLE_THROUGH(v);
}

void add_exception_pairs(const int32_t* centre, int32_t forks) {
  if (forks == 1) {
    ADD_FORK_PAIRS(centre[0]);
  } else if (forks == 2) {
    ADD_FAR_PAIRS(centre[0], &centre[1], 1);
    ADD_FAR_PAIRS(centre[1], &centre[0], 1);
    ADD_BRIDGED_PAIRS(centre[0], centre[1]);
    ADD_ADJACENT_PAIRS(centre[0], centre[1]);
  } else {
    const int32_t around_middle[2] = {centre[0], centre[2]};
    ADD_FAR_PAIRS(centre[0], &centre[1], 1);
    ADD_FAR_PAIRS(centre[1], around_middle, 2);
    ADD_FAR_PAIRS(centre[2], &centre[1], 1);
    ADD_BRIDGED_PAIRS(centre[0], centre[1]);
    ADD_ADJACENT_PAIRS(centre[0], centre[1]);
    ADD_BRIDGED_PAIRS(centre[2], centre[1]);
    ADD_ADJACENT_PAIRS(centre[2], centre[1]);
  }
}

bool choose_start(const int32_t* centre, int32_t forks) {
  if (forks == 1) {
    ZACIATOK = 1;
    return POCET_VRCHOLOV >= 1;
  }
  if (CHOOSE_START_VERTEX()) return true;
  return forks == 3 && CHOOSE_FALLBACK_START(centre[2], centre[1]);
}

// Builds the search graph of one fork choice and searches it; true when a cycle was found
// (DOM_KRUZNICA then holds the sequence in reduced numbers).
bool search_fork_choice(const int32_t* centre, int32_t forks, PathSearch search) {
  BUILD_REDUCED_GRAPH(centre, forks);
  for (int32_t i = 0; i < forks; ++i) {
    if (SHORT_CYCLE[centre[i]]) return false;
  }
  add_exception_pairs(centre, forks);
  if (CONSTRUCTION_BROKEN) return false;
  if (!choose_start(centre, forks)) return false;
  return search(ZACIATOK);
}

// The fork choices of a graph in their order: one centre 1..n; pairs at distance at
// least 3; triples with the middle centre at distance at least 3 from both others and the
// outer two at distance at least 5. `visit` returns false to stop.
template <typename Visit>
void for_each_fork_choice(int32_t forks, Visit visit) {
  const int32_t n = V_POCET_VRCHOLOV;
  int32_t c[3];
  if (forks == 1) {
    for (c[0] = 1; c[0] <= n; ++c[0]) {
      if (!visit(c)) return;
    }
  } else if (forks == 2) {
    for (c[0] = 1; c[0] <= n - 1; ++c[0]) {
      for (c[1] = c[0] + 1; c[1] <= n; ++c[1]) {
        if (VZDIALENOST[c[0]][c[1]] >= 3 && !visit(c)) return;
      }
    }
  } else {
    for (c[0] = 1; c[0] <= n - 2; ++c[0]) {
      for (c[1] = c[0] + 1; c[1] <= n - 1; ++c[1]) {
        if (VZDIALENOST[c[0]][c[1]] < 3) continue;
        for (c[2] = c[1] + 1; c[2] <= n; ++c[2]) {
          if (VZDIALENOST[c[1]][c[2]] >= 3 && VZDIALENOST[c[0]][c[2]] >= 5 && !visit(c)) {
            return;
          }
        }
      }
    }
  }
}

struct Run {
  Run(const CycleSearchProgram& p, PathSearch s) : program(p), search(s) {}

  const CycleSearchProgram& program;
  PathSearch search;
  TextReader input;
  TextWriter result;
  RunProtocol protocol;
  TextWriter& console = TextWriter::console();

  void write_found_line() {
    console.write_int(ZNACKA);
    console.write(program.found_text);
    console.end_line();
  }

  void write_not_found_line() {
    console.write("Pre ");
    console.write_int(ZNACKA);
    console.write(program.not_found_text);
    console.end_line();
  }

  // One graph: its record (or records) in the result file, its console line(s).
  void process_graph() {
    READ_GRAPH_RECORD(input);
    if (!program.every_choice) WRITE_GRAPH_LINES(result);
    if (program.forks > 1) COMPUTE_VZDIALENOST();
    find_short_cycles();

    bool NASLO_SA = false;
    for_each_fork_choice(program.forks, [&](const int32_t* centre) {
      if (!search_fork_choice(centre, program.forks, search)) return true;
      write_found_line();
      ++protocol.NAJDENYCH;
      NASLO_SA = true;
      BUILD_CYCLE();
      if (program.every_choice) WRITE_GRAPH_LINES(result);
      WRITE_CYCLE_LINES(result, DLZKA_DOM, DOM_KRUZNICA);
      return program.every_choice;
    });

    if (NASLO_SA) return;
    if (program.every_choice) WRITE_GRAPH_LINES(result);
    WRITE_NO_CYCLE_LINES(result);
    write_not_found_line();
    if (program.lists_unfound) {
      protocol.add_unfound(ZNACKA);
    } else {
      ++protocol.NENAJDENYCH;
    }
  }
};

}  // namespace

int RUN_CYCLE_SEARCH(const CycleSearchProgram& program, PathSearch search) {
  FILL_MOCNINA();
  // The files' buffers are large: keep them off the stack.
  static std::optional<Run> storage;
  Run& run = storage.emplace(program, search);
  run.result.create(program.result);
  run.input.open(program.input);
  run.protocol.create(program.protocol);
  while (MORE_GRAPH_RECORDS(run.input)) run.process_graph();
  run.protocol.finish_cycle_search(program.closing_line_end);
  run.input.close();
  run.result.close();
  run.protocol.close();
  return 0;
}
