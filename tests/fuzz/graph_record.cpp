// The collection record reader: MORE_GRAPH_RECORDS and READ_GRAPH_RECORD over the input.
// Whatever it accepts must be a record the search code may index with: 0..99 vertices,
// every neighbour a vertex 1..n, three neighbour slots each. Anything else must end in
// the failure report with code 106. An accepted record, written as the search programs
// write it into a dominating-cycle file, must read back the same with READ_CYCLE_RECORD.
#include "fuzz_target.h"
#include "graph_record.h"
#include "pair_records.h"

namespace {

// Set while the round trip runs: a failure report then is a broken promise, not an
// accepted outcome of a malformed input.
bool in_round_trip = false;

void expect_record_fits() {
  const int32_t n = V_POCET_VRCHOLOV;
  fuzz::expect(n >= 0 && n <= MAX_RECORD_VERTICES, "vertex count outside 0..99");
  for (int32_t v = 1; v <= n; ++v) {
    fuzz::expect(V_POCET_SUSEDOV[v] == 3, "a vertex without its three slots");
    for (int32_t k = 1; k <= 3; ++k) {
      fuzz::expect(V_SUSEDIA[v][k] >= 1 && V_SUSEDIA[v][k] <= n, "a neighbour outside 1..n");
    }
  }
}

// The record as lines 1 to 7 of a dominating-cycle record without a cycle, read back.
void expect_cycle_record_round_trip() {
  in_round_trip = true;
  static graphtext::TextWriter out;
  out.create("round_trip_dom.c");
  WRITE_GRAPH_LINES(out);
  WRITE_NO_CYCLE_LINES(out);
  out.close();

  static graphtext::TextReader in;
  static TGRAF G;
  int32_t number = 0;
  in.open("round_trip_dom.c");
  READ_CYCLE_RECORD(in, number, G);
  fuzz::expect(in.at_end(), "the written record is read back with lines to spare");
  in.close();
  fuzz::expect(number == ZNACKA && G.POCET_VRCHOLOV == V_POCET_VRCHOLOV && G.DLZKA_DOM == 0,
               "the written record reads back with another number, vertex count or cycle");
  for (int32_t v = 1; v <= V_POCET_VRCHOLOV; ++v) {
    for (int32_t k = 1; k <= 3; ++k) {
      fuzz::expect(G.SUSEDIA[v][k] == V_SUSEDIA[v][k], "a neighbour changed on the round trip");
    }
  }
  in_round_trip = false;
}

int read_every_record() {
  static graphtext::TextReader file;
  file.open("s30_c4.c");
  while (MORE_GRAPH_RECORDS(file)) {
    READ_GRAPH_RECORD(file);
    expect_record_fits();
    expect_cycle_record_round_trip();
  }
  file.close();
  return 0;
}

}  // namespace

FUZZ_TARGET(graph_record) {
  fuzz::write_input("s30_c4.c", fuzz::as_text(data, size));
  in_round_trip = false;
  const int status = fuzz::run_program(read_every_record);
  fuzz::expect(status == 0 || status == graphtext::INVALID_NUMERIC_FORMAT,
               "the reader failed with a code other than 106");
  fuzz::expect(status == 0 || !in_round_trip, "a written record could not be read back");
}
