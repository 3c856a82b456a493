// graphsplit: cuts "s30_c4_dom.c" into 29 consecutive parts, "s30_c4_dom_1.c" to
// "s30_c4_dom_28.c" of 1000 records each and "s30_c4_dom_29.c" of 400 records.
//
// Lines are copied without looking into them, seven to a record, so every part has its
// fixed line count; past the end of the input the lines are empty.

#include <cstdint>
#include <cstdio>

#include "text_file.h"

using graphtext::TextReader;
using graphtext::TextWriter;

namespace {

constexpr int32_t FULL_PARTS = 28;
constexpr int32_t FULL_PART_RECORDS = 1000;
constexpr int32_t LAST_PART_RECORDS = 400;
constexpr int32_t LINES_PER_RECORD = 7;

TextReader VSTUP;
TextWriter VYSTUP;

// Writes part `I` with the next `records` records of the input, and closes it before the
// next part is created.
void WRITE_PART(int32_t I, int32_t records) {
  char NAZOV[32];
  std::snprintf(NAZOV, sizeof NAZOV, "s30_c4_dom_%d.c", I);
  VYSTUP.create(NAZOV);
  for (int32_t J = 1; J <= records; ++J) {
    for (int32_t K = 1; K <= LINES_PER_RECORD; ++K) {
      VYSTUP.write(VSTUP.read_line());
      VYSTUP.end_line();
    }
  }
  VYSTUP.close();
}

}  // namespace

int main() {
  VSTUP.open("s30_c4_dom.c");
  for (int32_t I = 1; I <= FULL_PARTS; ++I) WRITE_PART(I, FULL_PART_RECORDS);
  WRITE_PART(FULL_PARTS + 1, LAST_PART_RECORDS);
  VSTUP.close();
  return 0;
}
