// The collection record reader: MORE_GRAPH_RECORDS and READ_GRAPH_RECORD over the input.
// Whatever it accepts must be a record the search code may index with: 0..99 vertices,
// every neighbour a vertex 1..n, three neighbour slots each. Anything else must end in
// the failure report with code 106.
#include "fuzz_target.h"
#include "graph_record.h"

namespace {

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

int read_every_record() {
  static graphtext::TextReader file;
  file.open("s30_c4.c");
  while (MORE_GRAPH_RECORDS(file)) {
    READ_GRAPH_RECORD(file);
    expect_record_fits();
  }
  file.close();
  return 0;
}

}  // namespace

FUZZ_TARGET(graph_record) {
  fuzz::write_input("s30_c4.c", fuzz::as_text(data, size));
  const int status = fuzz::run_program(read_every_record);
  fuzz::expect(status == 0 || status == graphtext::INVALID_NUMERIC_FORMAT,
               "the reader failed with a code other than 106");
}
