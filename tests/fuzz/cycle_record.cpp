// The 2DBP programs' record reader READ_CYCLE_RECORD over the input, record after record
// as the driver calls it. What it accepts must fit the TGRAF tables: 0..99 vertices,
// neighbours and cycle vertices in 1..n, a length of at most 100. Anything else must end
// in the failure report with code 106.
#include "fuzz_target.h"
#include "graph_record.h"
#include "pair_records.h"

namespace {

TGRAF G;

void expect_record_fits() {
  const int16_t n = G.POCET_VRCHOLOV;
  fuzz::expect(n >= 0 && n <= MAX_VRCHOLOV_ZAZNAMU, "vertex count outside 0..99");
  for (int16_t v = 1; v <= n; ++v) {
    fuzz::expect(G.POCET_SUSEDOV[v] == 3, "a vertex without its three slots");
    for (int16_t k = 1; k <= 3; ++k) {
      fuzz::expect(G.SUSEDIA[v][k] >= 1 && G.SUSEDIA[v][k] <= n, "a neighbour outside 1..n");
    }
  }
  fuzz::expect(G.DLZKA_DOM <= MAX_DLZKA_DOM, "cycle length above 100");
  for (int16_t i = 1; i <= G.DLZKA_DOM; ++i) {
    fuzz::expect(G.DOMINUJUCA[i] >= 1 && G.DOMINUJUCA[i] <= n, "a cycle vertex outside 1..n");
  }
}

int read_every_record() {
  static graphtext::TextReader file;
  file.open("s30_c4_dom_vyb.c");
  int32_t ZNACKA = 0;
  while (MORE_GRAPH_RECORDS(file)) {
    READ_CYCLE_RECORD(file, ZNACKA, G);
    expect_record_fits();
  }
  file.close();
  return 0;
}

}  // namespace

FUZZ_TARGET(cycle_record) {
  fuzz::write_input("s30_c4_dom_vyb.c", fuzz::as_text(data, size));
  const int status = fuzz::run_program(read_every_record);
  fuzz::expect(status == 0 || status == graphtext::INVALID_NUMERIC_FORMAT,
               "the reader failed with a code other than 106");
}
