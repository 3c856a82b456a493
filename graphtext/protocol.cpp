#include "protocol.h"

#include <ctime>
#include <limits>

namespace {

// The component text, with a "0" in front when it is a single character.
void append_padded(std::string& text, int32_t component) {
  std::string digits = std::to_string(component);
  if (digits.size() == 1) text += '0';
  text += digits;
}

}  // namespace

std::string SPRACUJ(int32_t UDAJ) {
  std::string text;
  append_padded(text, UDAJ / 360000);
  text += ':';
  UDAJ %= 360000;
  append_padded(text, UDAJ / 6000);
  text += ':';
  UDAJ %= 6000;
  append_padded(text, UDAJ / 100);
  text += '.';
  UDAJ %= 100;
  append_padded(text, UDAJ);
  return text;
}

namespace graphtext {

int64_t clock_value() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<int64_t>(now.tv_sec) * 100 + now.tv_nsec / 10000000;
}

int32_t elapsed_hundredths(int64_t start, int64_t finish) {
  int64_t elapsed = finish - start;
  if (elapsed < 0) return 0;
  if (elapsed > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(elapsed);
}

void write_list_entry(TextWriter& file, int32_t position, int32_t number) {
  if (position % 10 != 1) file.write_char(' ');
  file.write_int(number);
  if (position % 10 == 0) file.end_line();
}

void write_count_line(TextWriter& file, CountWording wording, int32_t found, int32_t unfound) {
  file.write("Bolo najdenych ");
  file.write_int(found);
  file.write(wording == CountWording::DominatingCycles
                 ? " dominujucich kruznic, nebolo najdenych "
                 : " dvojic dizjunktnych bipartizujucich pareni, nebolo najdenych ");
  file.write_int(unfound);
  file.end_line();
}

void write_time_line(TextWriter& file, int32_t hundredths) {
  file.write("Trvalo to celkovo: ");
  file.write(SPRACUJ(hundredths));
  file.end_line();
}

void RunProtocol::create(const char* name) {
  file.create(name);
  NAJDENYCH = 0;
  NENAJDENYCH = 0;
  START = clock_value();
}

void RunProtocol::add_unfound(int32_t number) {
  ++NENAJDENYCH;
  write_list_entry(file, NENAJDENYCH, number);
}

void RunProtocol::finish_cycle_search(bool closing_line_end) {
  if (closing_line_end) file.end_line();
  write_count_line(file, CountWording::DominatingCycles, NAJDENYCH, NENAJDENYCH);
  FINISH = clock_value();
  ROZDIEL = elapsed_hundredths(START, FINISH);
  write_time_line(file, ROZDIEL);
}

void RunProtocol::finish_pair_search() {
  FINISH = clock_value();
  file.end_line();
  write_count_line(file, CountWording::BipartizingPairs, NAJDENYCH, NENAJDENYCH);
  ROZDIEL = elapsed_hundredths(START, FINISH);
  write_time_line(file, ROZDIEL);
}

}  // namespace graphtext
