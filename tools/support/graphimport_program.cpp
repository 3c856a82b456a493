#include "graphimport_program.h"

#include <cstdint>

#include "graph6.h"

namespace graph6 {
namespace {

// A blank line carries no graph; nor does a header standing alone.
bool holds_no_graph(std::string_view line) {
  if (line == ">>graph6<<" || line == ">>sparse6<<") return true;
  return line.find_first_not_of(" \t") == std::string_view::npos;
}

void write_record(std::FILE* out, int32_t number, const Graph& graph) {
  std::fprintf(out, "%d\r\n", number);
  int32_t neighbours[MAX_VERTICES + 1][3];
  for (int32_t v = 1; v <= graph.n; ++v) ascending_neighbours(graph, v, neighbours[v]);
  for (int32_t k = 0; k < 3; ++k) {
    for (int32_t v = 1; v <= graph.n; ++v) {
      if (v > 1) std::fputc(' ', out);
      std::fprintf(out, "%d", neighbours[v][k]);
    }
    std::fputs("\r\n", out);
  }
}

}  // namespace

std::string import_line(std::string_view line, int64_t& next_number, std::FILE* out) {
  if (line.ends_with('\n')) line.remove_suffix(1);
  if (line.ends_with('\r')) line.remove_suffix(1);
  if (holds_no_graph(line)) return "";

  static Graph graph;
  std::string fault = decode(line, graph);
  if (fault.empty()) fault = cubic_fault(graph);
  if (fault.empty() && next_number > INT32_MAX) fault = "the graph number would pass 2147483647";
  if (!fault.empty()) return fault;
  write_record(out, static_cast<int32_t>(next_number++), graph);
  return "";
}

}  // namespace graph6
