// graphimport's conversion, line by line as the program reads its input, up to the first
// bad line. Every graph the decoder accepts must encode back to a graph6 line that
// decodes to the same graph.
#include <cstdio>
#include <cstring>
#include <string>

#include "fuzz_target.h"
#include "graph6.h"
#include "graphimport_program.h"

namespace {

void expect_graph6_round_trip(std::string_view line) {
  static graph6::Graph first;
  static graph6::Graph again;
  if (!graph6::decode(line, first).empty()) return;
  const std::string encoded = graph6::encode_graph6(first);
  fuzz::expect(graph6::decode(encoded, again).empty(), "an encoded graph does not decode");
  fuzz::expect(again.n == first.n, "the vertex count changed on the round trip");
  for (int32_t v = 1; v <= first.n; ++v) {
    for (int32_t w = 1; w <= first.n; ++w) {
      fuzz::expect(again.adjacent[v][w] == first.adjacent[v][w],
                   "an edge changed on the round trip");
    }
  }
}

}  // namespace

FUZZ_TARGET(graphimport) {
  static std::FILE* out = std::fopen("/dev/null", "w");
  std::string_view input = fuzz::as_text(data, size);
  int64_t next_number = 1;
  while (!input.empty()) {
    const std::size_t end = input.find('\n');
    const std::string_view line = input.substr(0, end == std::string_view::npos ? end : end + 1);
    input.remove_prefix(line.size());
    std::string_view bare = line;
    if (bare.ends_with('\n')) bare.remove_suffix(1);
    if (bare.ends_with('\r')) bare.remove_suffix(1);
    expect_graph6_round_trip(bare);
    if (!graph6::import_line(line, next_number, out).empty()) break;
  }
}
