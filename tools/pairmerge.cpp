// pairmerge: joins "s28_c4_2dbp_1.c", "s28_c4_2dbp_2.c" and "s28_c4_2dbp_3.c", line by
// line and in this order, into "s28_c4_2dbp.c".
//
// The end of an input is tested before each line, so an empty input adds nothing and a
// last line without its line end still gets one.

#include <cstdint>
#include <cstdio>

#include "text_file.h"

using graphtext::TextReader;
using graphtext::TextWriter;

namespace {

constexpr int32_t INPUT_COUNT = 3;

TextWriter F;
TextReader G;

void COPY_INPUT(int32_t I) {
  char name[32];
  std::snprintf(name, sizeof name, "s28_c4_2dbp_%d.c", I);
  G.open(name);
  while (!G.at_end()) {
    F.write(G.read_line());
    F.end_line();
  }
  G.close();
}

}  // namespace

int main() {
  F.create("s28_c4_2dbp.c");
  for (int32_t I = 1; I <= INPUT_COUNT; ++I) COPY_INPUT(I);
  F.close();
  return 0;
}
