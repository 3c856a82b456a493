// The run protocol: the unfound list (ten numbers to a line), the closing line end, the
// count line and the time line, and the elapsed-time text SPRACUJ.
#pragma once

#include <cstdint>
#include <string>

#include "text_file.h"

// The elapsed-time text hours:minutes:seconds.hundredths of a duration in hundredths of
// a second. A component of one character gets a leading "0"; hours do not wrap.
std::string SPRACUJ(int32_t UDAJ);

namespace graphtext {

// A clock reading in hundredths of a second. It is monotonic, so the difference of two
// readings is never negative and keeps whole days.
int64_t clock_value();
// FINISH - START as the protocol's 32-bit elapsed time, never negative.
int32_t elapsed_hundredths(int64_t start, int64_t finish);

enum class CountWording { DominatingCycles, BipartizingPairs };

// Appends `number` as the `position`-th entry of an unfound list (position counts from 1).
void write_list_entry(TextWriter& file, int32_t position, int32_t number);
// "Bolo najdenych <found> ... nebolo najdenych <unfound>" and a line end.
void write_count_line(TextWriter& file, CountWording wording, int32_t found, int32_t unfound);
// "Trvalo to celkovo: " SPRACUJ(hundredths) and a line end.
void write_time_line(TextWriter& file, int32_t hundredths);

// The protocol as the search programs write it.
class RunProtocol {
 public:
  // Creates the file, sets both counters to 0 and takes the start clock value.
  void create(const char* name);
  // One more graph without a result, listed by `number`.
  void add_unfound(int32_t number);
  // Cycle search programs: [closing line end], count line, finish clock, time line.
  void finish_cycle_search(bool closing_line_end);
  // 2DBP programs: finish clock, closing line end, count line, time line.
  void finish_pair_search();
  void close() { file.close(); }

  TextWriter file;
  int32_t NAJDENYCH = 0;
  int32_t NENAJDENYCH = 0;
  int64_t START = 0;
  int64_t FINISH = 0;
  int32_t ROZDIEL = 0;
};

}  // namespace graphtext
