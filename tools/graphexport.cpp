// graphexport: the graphs of a collection or of a dominating-cycle file as graph6 lines,
// for feeding other graph tools; the way back from graphimport.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "graph6.h"
#include "graph6_files.h"
#include "graph6_tool.h"
#include "graph_record.h"

namespace {

const char USAGE[] =
    "Usage: graphexport [--without-cycle] [-q] [FILE]\n"
    "Writes the graphs of a graph collection or of a dominating-cycle file as graph6.\n"
    "\n"
    "Reads FILE, or standard input when FILE is missing or '-', and writes one graph6 line\n"
    "(LF line end, no header) per graph to standard output, in file order.\n"
    "\n"
    "The kind of file is told by line 2 of its first record: a dominating-cycle record\n"
    "has the vertex count alone there, a collection record its first neighbour row.\n"
    "Consecutive dominating-cycle records of the same graph (one per cycle found) give\n"
    "one line. The neighbour rows must describe a simple graph with a symmetric\n"
    "neighbour relation; graph6 keeps the edges, not the order of the rows.\n"
    "\n"
    "  --without-cycle  only the graphs of the dominating-cycle records that carry no\n"
    "                   cycle (lines 6 and 7 \"0\")\n"
    "  -q, --quiet      no summary line on standard error\n"
    "  -h, --help       show this help and exit\n"
    "\n"
    "Exit status: 0 on success; 1 on a record that cannot be exported or a failed read or\n"
    "write, with a message naming the record; 2 on a bad command line; the code of the\n"
    "tool chain's failure report (106 for a malformed number) when a record cannot be\n"
    "read at all, the report going to standard error.\n";

struct Options {
  bool without_cycle = false;
  bool quiet = false;
  const char* input = nullptr;  // nullptr: standard input
};

Options parse_options(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      std::fputs(USAGE, stdout);
      std::exit(0);
    } else if (arg == "--without-cycle") {
      options.without_cycle = true;
    } else if (arg == "-q" || arg == "--quiet") {
      options.quiet = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      graph6::fail_usage("unknown option %s", argv[i]);
    } else if (options.input != nullptr) {
      graph6::fail_usage("only one input file can be given");
    } else {
      options.input = argv[i];
    }
  }
  if (options.input != nullptr && std::strcmp(options.input, "-") == 0) options.input = nullptr;
  return options;
}

// The graph number and rows of the previous record, to pass over the repeats that the
// all-choices search writes for one graph.
struct PreviousRecord {
  bool valid = false;
  int32_t number = 0;
  int32_t n = 0;
  int32_t rows[MAX_RECORD_VERTICES + 1][4];

  bool repeats_input_model() const {
    if (!valid || number != ZNACKA || n != V_POCET_VRCHOLOV) return false;
    for (int32_t v = 1; v <= n; ++v) {
      for (int32_t k = 1; k <= 3; ++k) {
        if (rows[v][k] != V_SUSEDIA[v][k]) return false;
      }
    }
    return true;
  }
  void take_input_model() {
    valid = true;
    number = ZNACKA;
    n = V_POCET_VRCHOLOV;
    for (int32_t v = 1; v <= n; ++v) {
      for (int32_t k = 1; k <= 3; ++k) rows[v][k] = V_SUSEDIA[v][k];
    }
  }
};

void write_graph6(std::FILE* out, graphtext::TextReader& file) {
  static graph6::Graph graph;
  graph6::graph_from_input_model(file, graph);
  const std::string line = graph6::encode_graph6(graph);
  std::fwrite(line.data(), 1, line.size(), out);
  std::fputc('\n', out);
}

int64_t export_collection(std::FILE* out, graphtext::TextReader& file) {
  int64_t written = 0;
  while (MORE_GRAPH_RECORDS(file)) {
    READ_GRAPH_RECORD(file);
    write_graph6(out, file);
    ++written;
  }
  return written;
}

int64_t export_cycle_records(std::FILE* out, graphtext::TextReader& file, bool without_cycle) {
  static PreviousRecord previous;
  int64_t written = 0;
  while (MORE_GRAPH_RECORDS(file)) {
    graph6::read_cycle_record(file);
    if (without_cycle && graph6::CYCLE_LENGTH > 0) continue;
    if (previous.repeats_input_model()) continue;
    previous.take_input_model();
    write_graph6(out, file);
    ++written;
  }
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  graph6::set_tool_name("graphexport");
  const Options options = parse_options(argc, argv);
  std::FILE* out = graph6::take_standard_output();

  std::string spooled;
  const char* name = options.input;
  const char* label = name != nullptr ? name : "standard input";
  if (name == nullptr) {
    spooled = graph6::spool_standard_input();
    name = spooled.c_str();
    graph6::set_input_label(label);
  }
  graph6::check_readable(name, label);
  graphtext::TextReader probe;
  graphtext::TextReader file;
  probe.open(name);
  file.open(name);
  if (!spooled.empty()) ::unlink(spooled.c_str());
  const graph6::FileKind kind = graph6::detect_kind(probe);
  probe.close();

  if (options.without_cycle && kind == graph6::FileKind::Collection) {
    graph6::fail_input("--without-cycle needs a dominating-cycle file; %s is a graph collection",
                       label);
  }
  const int64_t written = kind == graph6::FileKind::Collection
                              ? export_collection(out, file)
                              : export_cycle_records(out, file, options.without_cycle);
  file.close();
  graph6::finish_output(out);
  if (!options.quiet) {
    graph6::warn("%lld graph%s written", static_cast<long long>(written), written == 1 ? "" : "s");
  }
  return 0;
}
