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
    PREPARE_GRAPH();

    bool NASLO_SA = false;
    FOR_EACH_FORK_CHOICE(program.forks, [&](const int32_t* centre) {
      if (!PREPARE_FORK_CHOICE(centre, program.forks) || !search(ZACIATOK)) return true;
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
