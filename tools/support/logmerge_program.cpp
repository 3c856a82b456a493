#include "logmerge_program.h"

#include <cstdint>
#include <cstdio>
#include <limits>

#include "failure.h"
#include "protocol.h"
#include "protocol_reading.h"
#include "text_file.h"

using graphtext::fail;
using graphtext::INVALID_NUMERIC_FORMAT;
using graphtext::Operation;
using graphtext::TextReader;
using graphtext::TextWriter;

namespace {

constexpr int32_t INPUT_COUNT = 3;

TextWriter F;
TextReader G;
int32_t NENAJDENYCH = 0;
// The sums are kept wider than the protocol's 32-bit fields, so that a sum that does not
// fit them is caught rather than wrapped.
int64_t NAJDENYCH = 0;
int64_t CAS = 0;

void APPEND_TO_MERGED_LIST(int32_t A) {
  ++NENAJDENYCH;
  graphtext::write_list_entry(F, NENAJDENYCH, A);
}

// Adds `value` to `sum`, which must stay a 32-bit number.
void ADD_TO_TOTAL(int64_t& sum, int64_t value, const char* what) {
  sum += value;
  if (sum < std::numeric_limits<int32_t>::min() || sum > std::numeric_limits<int32_t>::max()) {
    fail(INVALID_NUMERIC_FORMAT, Operation::Record,
         "\"%s\": the %s summed up to this input do not fit 32 bits", G.name(), what);
  }
}

void MERGE_INPUT(int32_t I) {
  char name[32];
  std::snprintf(name, sizeof name, "protokol_%d.txt", I);
  G.open(name);

  auto count_line = tools::READ_UNFOUND_LIST(G, APPEND_TO_MERGED_LIST);
  if (!count_line) {
    fail(INVALID_NUMERIC_FORMAT, Operation::Record,
         "\"%s\" ends before its count line (a line beginning with \"B\")", name);
  }
  ADD_TO_TOTAL(NAJDENYCH, tools::COUNT_LINE_FOUND(*count_line), "found counts");

  if (G.at_end()) {
    fail(INVALID_NUMERIC_FORMAT, Operation::Record,
         "\"%s\" ends after its count line, without its time line", name);
  }
  ADD_TO_TOTAL(CAS, tools::TIME_LINE_HUNDREDTHS(G.read_line()), "elapsed times");
  G.close();
}

}  // namespace

int RUN_LOGMERGE() {
  // Set anew: a harness may run the program more than once in one process.
  NENAJDENYCH = 0;
  NAJDENYCH = 0;
  CAS = 0;
  F.create("protokol.txt");
  for (int32_t I = 1; I <= INPUT_COUNT; ++I) MERGE_INPUT(I);

  // Only a partly filled last list line needs its end; a full one has it already.
  if (NENAJDENYCH % 10 != 0) F.end_line();
  graphtext::write_count_line(F, graphtext::CountWording::BipartizingPairs,
                              static_cast<int32_t>(NAJDENYCH), NENAJDENYCH);
  graphtext::write_time_line(F, static_cast<int32_t>(CAS));
  F.close();
  return 0;
}
