#include "graph_record.h"

using graphtext::fail;
using graphtext::INVALID_NUMERIC_FORMAT;
using graphtext::Operation;
using graphtext::TextReader;
using graphtext::TextWriter;

bool MORE_GRAPH_RECORDS(TextReader& file) { return file.more_records(); }

namespace {

// Reads one neighbour row into slot k and returns its entry count.
int32_t read_neighbour_row(TextReader& file, int32_t k) {
  int32_t j = 0;
  while (!file.at_line_end()) {
    ++j;
    if (j > MAX_RECORD_VERTICES) {
      fail(INVALID_NUMERIC_FORMAT, Operation::Record,
           "\"%s\", record %d (graph %d): neighbour row %d has more than %d entries",
           file.name(), file.record_number(), ZNACKA, k, MAX_RECORD_VERTICES);
    }
    V_SUSEDIA[j][k] = file.read_int();
  }
  file.skip_line();
  return j;
}

}  // namespace

void READ_GRAPH_RECORD(TextReader& file) {
  file.begin_record();
  ZNACKA = file.read_int();
  file.skip_line();

  int32_t row_length[4] = {0, 0, 0, 0};
  for (int32_t k = 1; k <= 3; ++k) row_length[k] = read_neighbour_row(file, k);
  V_POCET_VRCHOLOV = row_length[3];
  const int32_t n = V_POCET_VRCHOLOV;
  if (n == 0) {
    // No graph has no vertices: the file ended inside the record, or a line is missing.
    fail(INVALID_NUMERIC_FORMAT, Operation::Record,
         "\"%s\", record %d (graph %d): neighbour row 3 is empty (the record is cut short or "
         "a line is missing)",
         file.name(), file.record_number(), ZNACKA);
  }

  for (int32_t k = 1; k <= 2; ++k) {
    if (row_length[k] < n) {
      fail(INVALID_NUMERIC_FORMAT, Operation::Record,
           "\"%s\", record %d (graph %d): neighbour row %d has %d entries, fewer than the %d "
           "of row 3",
           file.name(), file.record_number(), ZNACKA, k, row_length[k], n);
    }
  }
  for (int32_t k = 1; k <= 3; ++k) {
    for (int32_t v = 1; v <= n; ++v) {
      if (V_SUSEDIA[v][k] < 1 || V_SUSEDIA[v][k] > n) {
        fail(INVALID_NUMERIC_FORMAT, Operation::Record,
             "\"%s\", record %d (graph %d): neighbour %d of vertex %d in row %d is outside "
             "1..%d",
             file.name(), file.record_number(), ZNACKA, V_SUSEDIA[v][k], v, k, n);
      }
    }
  }
  for (int32_t v = 1; v <= n; ++v) V_POCET_SUSEDOV[v] = 3;
}

void WRITE_GRAPH_LINES(TextWriter& file) {
  file.write_int(ZNACKA);
  file.end_line();
  file.write_int(V_POCET_VRCHOLOV);
  file.end_line();
  for (int32_t k = 1; k <= 3; ++k) {
    for (int32_t v = 1; v <= V_POCET_VRCHOLOV; ++v) file.write_int(V_SUSEDIA[v][k], 3);
    file.end_line();
  }
}

void WRITE_CYCLE_LINES(TextWriter& file, int32_t length, const int32_t* cycle) {
  file.write_int(length);
  file.end_line();
  for (int32_t i = 1; i <= length; ++i) {
    if (i > 1) file.write_char(' ');
    file.write_int(cycle[i]);
  }
  file.end_line();
}

void WRITE_NO_CYCLE_LINES(TextWriter& file) {
  file.write_char('0');
  file.end_line();
  file.write_char('0');
  file.end_line();
}
