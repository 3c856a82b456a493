#include "cyclecheck_program.h"

#include <cstdint>

#include "graph_record.h"
#include "text_file.h"

using graphtext::TextReader;
using graphtext::TextWriter;

namespace {

// The tables are indexed 0..100; index 0 is never a vertex.
constexpr int32_t MAX_INDEX = 100;

TextReader FS;
TextWriter GS;
int32_t DLZKA_DOM = 0;
int32_t DOM_KRUZNICA[MAX_INDEX + 1];
bool MATICA[MAX_INDEX + 1][MAX_INDEX + 1];
bool V_KRUZNICI[MAX_INDEX + 1];
bool PRAVDA = true;
bool CELKOVO = true;

bool IS_VERTEX(int32_t v) { return v >= 1 && v <= V_POCET_VRCHOLOV; }

// Reads `count` numbers and stores the first ones, up to index MAX_INDEX, in
// `store(i, value)`; the others are read and dropped. Once the file has ended the
// remaining numbers would all be 0 and are not read one by one.
template <typename Store>
void READ_COUNTED_NUMBERS(int32_t count, Store store) {
  for (int32_t i = 1; i <= count; ++i) {
    if (i > MAX_INDEX && FS.at_end()) return;
    int32_t value = FS.read_int();
    if (i <= MAX_INDEX) store(i, value);
  }
}

// One record in the layout's counts: number, vertex count, three rows of n numbers,
// cycle length, cycle; each line finished by skipping to its end.
void READ_RECORD() {
  FS.begin_record();
  ZNACKA = FS.read_int();
  FS.skip_line();
  V_POCET_VRCHOLOV = FS.read_int();
  FS.skip_line();
  for (int32_t k = 1; k <= 3; ++k) {
    READ_COUNTED_NUMBERS(V_POCET_VRCHOLOV, [k](int32_t v, int32_t w) { V_SUSEDIA[v][k] = w; });
    FS.skip_line();
  }
  for (int32_t v = 1; v <= V_POCET_VRCHOLOV && v <= MAX_INDEX; ++v) V_POCET_SUSEDOV[v] = 3;
  // A record cut short before its cycle length would read as one without a cycle and pass
  // unchecked.
  if (!FS.more_records()) {
    graphtext::fail(graphtext::INVALID_NUMERIC_FORMAT, graphtext::Operation::Record,
                    "\"%s\", record %d (graph %d): the file ends before its cycle length",
                    FS.name(), FS.record_number(), ZNACKA);
  }
  DLZKA_DOM = FS.read_int();
  FS.skip_line();
  READ_COUNTED_NUMBERS(DLZKA_DOM, [](int32_t i, int32_t v) { DOM_KRUZNICA[i] = v; });
  FS.skip_line();
}

// True when the record fits the tables: at most 100 vertices, every neighbour a vertex
// of the graph, at most 100 cycle vertices, each a vertex of the graph. Only then may the
// checks index the tables with its numbers.
bool RECORD_FITS() {
  if (V_POCET_VRCHOLOV > MAX_INDEX || DLZKA_DOM > MAX_INDEX) return false;
  for (int32_t v = 1; v <= V_POCET_VRCHOLOV; ++v) {
    for (int32_t k = 1; k <= V_POCET_SUSEDOV[v]; ++k) {
      if (!IS_VERTEX(V_SUSEDIA[v][k])) return false;
    }
  }
  for (int32_t i = 1; i <= DLZKA_DOM; ++i) {
    if (!IS_VERTEX(DOM_KRUZNICA[i])) return false;
  }
  return true;
}

// The checks of a record that fits; each only ever clears PRAVDA, and all are made.
void CHECK_CYCLE() {
  const int32_t n = V_POCET_VRCHOLOV;
  const int32_t L = DLZKA_DOM;

  for (int32_t i = 1; i < L; ++i) {
    for (int32_t j = i + 1; j <= L; ++j) {
      if (DOM_KRUZNICA[i] == DOM_KRUZNICA[j]) PRAVDA = false;
    }
  }

  // Filled only from each vertex's own list, not made symmetric.
  for (int32_t v = 1; v <= n; ++v) {
    for (int32_t w = 1; w <= n; ++w) MATICA[v][w] = false;
  }
  for (int32_t v = 1; v <= n; ++v) {
    for (int32_t k = 1; k <= V_POCET_SUSEDOV[v]; ++k) MATICA[v][V_SUSEDIA[v][k]] = true;
  }

  for (int32_t i = 1; i < L; ++i) {
    if (!MATICA[DOM_KRUZNICA[i]][DOM_KRUZNICA[i + 1]]) PRAVDA = false;
  }
  if (!MATICA[DOM_KRUZNICA[1]][DOM_KRUZNICA[L]]) PRAVDA = false;

  for (int32_t v = 1; v <= n; ++v) V_KRUZNICI[v] = false;
  for (int32_t i = 1; i <= L; ++i) V_KRUZNICI[DOM_KRUZNICA[i]] = true;

  for (int32_t v = 1; v <= n; ++v) {
    for (int32_t k = 1; k <= V_POCET_SUSEDOV[v]; ++k) {
      int32_t A = v;
      int32_t B = V_SUSEDIA[v][k];
      if (!V_KRUZNICI[A] && !V_KRUZNICI[B]) PRAVDA = false;
    }
  }
}

void WRITE_FAILURE_LINE() {
  GS.write("V pripade grafu ");
  GS.write_int(ZNACKA);
  GS.write(" nie je dana kruznica dominujucou kruznicou.");
  GS.end_line();
}

}  // namespace

int RUN_CYCLECHECK() {
  // Set anew: a harness may run the program more than once in one process.
  CELKOVO = true;
  FS.open("s30_26251_dom.c");
  GS.create("protokol.txt");
  while (MORE_GRAPH_RECORDS(FS)) {
    READ_RECORD();
    if (DLZKA_DOM <= 0) continue;
    PRAVDA = RECORD_FITS();
    if (PRAVDA) CHECK_CYCLE();
    if (!PRAVDA) {
      WRITE_FAILURE_LINE();
      CELKOVO = false;
    }
  }
  if (CELKOVO) {
    GS.write("Vsetky grafy maju platne dominujuce kruznice.");
    GS.end_line();
  }
  FS.close();
  GS.close();
  return 0;
}
