#include "pair_records.h"

#include <limits>

using graphtext::fail;
using graphtext::INVALID_NUMERIC_FORMAT;
using graphtext::Operation;
using graphtext::TextReader;

namespace {

// A vertex number of the record: it indexes the tables, so it must name a vertex 1..n.
int16_t read_vertex(TextReader& file, int32_t ZNACKA, int16_t n, const char* what, int32_t at) {
  int32_t value = file.read_int();
  if (value < 1 || value > n) {
    fail(INVALID_NUMERIC_FORMAT, Operation::Record,
         "\"%s\", record %d (graph %d): %s %d is %d, outside 1..%d", file.name(),
         file.record_number(), ZNACKA, what, at, value, n);
  }
  return static_cast<int16_t>(value);
}

// The file must still hold the record's next count: a record cut short by the end of the
// file would otherwise read as one without vertices or without a cycle.
void expect_more(TextReader& file, int32_t ZNACKA, const char* what) {
  if (!file.more_records()) {
    fail(INVALID_NUMERIC_FORMAT, Operation::Record,
         "\"%s\", record %d (graph %d): the file ends before its %s", file.name(),
         file.record_number(), ZNACKA, what);
  }
}

}  // namespace

void READ_CYCLE_RECORD(TextReader& file, int32_t& ZNACKA, TGRAF& G) {
  file.begin_record();
  ZNACKA = file.read_int();

  expect_more(file, ZNACKA, "vertex count");
  int32_t n = file.read_int();
  if (n < 0 || n > MAX_VRCHOLOV_ZAZNAMU) {
    fail(INVALID_NUMERIC_FORMAT, Operation::Record,
         "\"%s\", record %d (graph %d): vertex count %d is outside 0..%d", file.name(),
         file.record_number(), ZNACKA, n, MAX_VRCHOLOV_ZAZNAMU);
  }
  G.POCET_VRCHOLOV = static_cast<int16_t>(n);
  for (int16_t v = 1; v <= G.POCET_VRCHOLOV; ++v) G.POCET_SUSEDOV[v] = 3;

  // Row k of the record gives the k-th neighbour of every vertex.
  static const char* const SLOT_NAME[4] = {"", "neighbour 1 of vertex", "neighbour 2 of vertex",
                                           "neighbour 3 of vertex"};
  for (int16_t k = 1; k <= 3; ++k) {
    for (int16_t v = 1; v <= G.POCET_VRCHOLOV; ++v) {
      G.SUSEDIA[v][k] = read_vertex(file, ZNACKA, G.POCET_VRCHOLOV, SLOT_NAME[k], v);
    }
  }

  // A length below the 16-bit range would turn positive when stored.
  expect_more(file, ZNACKA, "cycle length");
  int32_t L = file.read_int();
  if (L > MAX_DLZKA_DOM || L < std::numeric_limits<int16_t>::min()) {
    fail(INVALID_NUMERIC_FORMAT, Operation::Record,
         "\"%s\", record %d (graph %d): cycle length %d is outside %d..%d", file.name(),
         file.record_number(), ZNACKA, L, std::numeric_limits<int16_t>::min(), MAX_DLZKA_DOM);
  }
  G.DLZKA_DOM = static_cast<int16_t>(L);
  for (int16_t i = 1; i <= G.DLZKA_DOM; ++i) {
    G.DOMINUJUCA[i] = read_vertex(file, ZNACKA, G.POCET_VRCHOLOV, "cycle vertex", i);
  }

  // A record without a cycle ends with two lines "0": the first ends here, the second
  // is skipped.
  file.skip_line();
  if (G.DLZKA_DOM <= 0) file.skip_line();
}

void REQUIRE_DOMINATING_CYCLE(const TextReader& file, int32_t ZNACKA, const TGRAF& G) {
  auto refuse = [&](const char* why, int32_t v) {
    fail(INVALID_NUMERIC_FORMAT, Operation::Record,
         "\"%s\", record %d (graph %d): the cycle is not a dominating cycle of the graph: %s %d",
         file.name(), file.record_number(), ZNACKA, why, v);
  };
  const int16_t L = G.DLZKA_DOM;
  if (L < 3) refuse("a cycle needs at least 3 vertices, this one has", L);
  bool on_cycle[MAX_VRCHOLOV + 1] = {};
  for (int16_t i = 1; i <= L; ++i) {
    if (on_cycle[G.DOMINUJUCA[i]]) refuse("it passes twice through vertex", G.DOMINUJUCA[i]);
    on_cycle[G.DOMINUJUCA[i]] = true;
  }
  for (int16_t i = 1; i <= L; ++i) {
    const int16_t v = G.DOMINUJUCA[i];
    const int16_t before = G.DOMINUJUCA[i == 1 ? L : i - 1];
    const int16_t after = G.DOMINUJUCA[i == L ? 1 : i + 1];
    int before_slots = 0;
    int after_slots = 0;
    for (int16_t k = 1; k <= G.POCET_SUSEDOV[v]; ++k) {
      before_slots += G.SUSEDIA[v][k] == before;
      after_slots += G.SUSEDIA[v][k] == after;
    }
    if (before_slots != 1 || after_slots != 1 || G.POCET_SUSEDOV[v] != 3) {
      refuse("the cycle neighbours are not two distinct neighbours of vertex", v);
    }
  }
  for (int16_t v = 1; v <= G.POCET_VRCHOLOV; ++v) {
    if (on_cycle[v]) continue;
    for (int16_t k = 1; k <= G.POCET_SUSEDOV[v]; ++k) {
      if (!on_cycle[G.SUSEDIA[v][k]]) refuse("an edge has no end on it at vertex", v);
    }
  }
}
