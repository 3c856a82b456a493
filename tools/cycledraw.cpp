// cycledraw: a Graphviz picture of one graph of a dominating-cycle file, with its cycle
// and, given a 2DBP result file, its two bipartizing matchings.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "draw_dot.h"
#include "draw_pairs.h"
#include "graph6.h"
#include "graph6_files.h"
#include "graph6_tool.h"
#include "graph_record.h"

extern char** environ;

namespace {

const char USAGE[] =
    "Usage: cycledraw [-o OUTPUT] CYCLEFILE NUMBER [PAIRFILE]\n"
    "Draws graph NUMBER of the dominating-cycle file CYCLEFILE with Graphviz.\n"
    "\n"
    "The first record of CYCLEFILE whose graph number is NUMBER is drawn: its cycle as a\n"
    "circle (bold), the chords inside it, the vertices off the cycle (fork centres, grey)\n"
    "outside it. Given PAIRFILE, a 2DBP result file, the block whose first line is NUMBER\n"
    "adds its two bipartizing matchings: the first red, the second blue and dashed. The\n"
    "block must carry the same cycle as the record.\n"
    "\n"
    "  -o OUTPUT   where the picture goes (default: the DOT text on standard output).\n"
    "              OUTPUT ending in .svg or .png: the DOT text is written beside it with\n"
    "              the ending .dot and rendered to OUTPUT with Graphviz's neato when neato\n"
    "              is installed (otherwise only the .dot file is written, and a note says\n"
    "              so). Any other OUTPUT receives the DOT text.\n"
    "  -h, --help  show this help and exit\n"
    "\n"
    "Exit status: 0 when the picture was written, 1 when a file cannot be read or used or\n"
    "rendering failed, 2 on a bad command line.\n";

struct Options {
  const char* cycle_file = nullptr;
  int32_t number = 0;
  const char* pair_file = nullptr;
  const char* output = nullptr;  // nullptr: standard output
};

Options parse_options(int argc, char** argv) {
  Options options;
  int positional = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help") {
      std::fputs(USAGE, stdout);
      std::exit(0);
    } else if (arg == "-o") {
      if (i + 1 == argc) graph6::fail_usage("option -o needs a file name");
      options.output = argv[++i];
    } else if (arg.size() > 1 && arg[0] == '-' && positional != 1) {
      graph6::fail_usage("unknown option %s", argv[i]);
    } else if (positional == 0) {
      options.cycle_file = argv[i];
      ++positional;
    } else if (positional == 1) {
      if (!graph6::parse_int32(arg, options.number)) {
        graph6::fail_usage("the graph number must be a 32-bit integer, not '%s'", argv[i]);
      }
      ++positional;
    } else if (positional == 2) {
      options.pair_file = argv[i];
      ++positional;
    } else {
      graph6::fail_usage("too many arguments");
    }
  }
  if (positional < 2) graph6::fail_usage("a dominating-cycle file and a graph number are needed");
  return options;
}

// Reads records up to the first one of graph `number` into the input model, CYCLE and
// `graph`.
void find_record(const char* name, int32_t number, graph6::Graph& graph) {
  graph6::check_readable(name, name);
  graphtext::TextReader probe;
  probe.open(name);
  if (graph6::detect_kind(probe) == graph6::FileKind::Collection) {
    graph6::fail_input("%s is a graph collection, not a dominating-cycle file", name);
  }
  graphtext::TextReader file;
  file.open(name);
  while (MORE_GRAPH_RECORDS(file)) {
    graph6::read_cycle_record(file);
    if (ZNACKA == number) {
      graph6::graph_from_input_model(file, graph);
      return;
    }
  }
  graph6::fail_input("%s has no record of graph %d", name, number);
}

// The record's cycle must be a cycle of its graph to be drawn as one; a cycle that leaves
// an edge without an end on it is drawn, with a note.
void check_cycle(const char* name, const graph6::Graph& graph) {
  const int32_t length = graph6::CYCLE_LENGTH;
  if (length == 0) graph6::fail_input("%s: graph %d has no dominating cycle", name, ZNACKA);
  if (length < 3) graph6::fail_input("%s: the cycle of graph %d has fewer than 3 vertices", name, ZNACKA);
  bool on_cycle[graph6::MAX_VERTICES + 1] = {};
  for (int32_t i = 1; i <= length; ++i) {
    const int32_t v = graph6::CYCLE[i];
    const int32_t next = graph6::CYCLE[i == length ? 1 : i + 1];
    if (on_cycle[v]) graph6::fail_input("%s: the cycle of graph %d passes vertex %d twice", name, ZNACKA, v);
    on_cycle[v] = true;
    if (!graph.adjacent[v][next]) {
      graph6::fail_input("%s: the cycle of graph %d steps from %d to %d, which are not adjacent", name,
                         ZNACKA, v, next);
    }
  }
  for (int32_t v = 1; v <= graph.n; ++v) {
    for (int32_t w = v + 1; w <= graph.n; ++w) {
      if (graph.adjacent[v][w] && !on_cycle[v] && !on_cycle[w]) {
        graph6::warn("note: the cycle of graph %d is not dominating: the edge %d-%d has no end on it",
                     ZNACKA, v, w);
      }
    }
  }
}

void read_pairs(const char* name, const graph6::Graph& graph, draw::PairBlock& block) {
  graph6::check_readable(name, name);
  graphtext::TextReader file;
  file.open(name);
  if (!draw::find_pair_block(file, ZNACKA, block)) {
    graph6::fail_input("%s has no block of graph %d", name, ZNACKA);
  }
  bool same = block.cycle_length == graph6::CYCLE_LENGTH;
  for (int32_t i = 1; same && i <= block.cycle_known; ++i) same = block.cycle[i] == graph6::CYCLE[i];
  if (!same) {
    graph6::fail_input("%s: the block of graph %d has another cycle than its dominating-cycle record",
                       name, ZNACKA);
  }
  for (const draw::Matching* m : {&block.first, &block.second}) {
    for (int32_t k = 1; k <= m->edges; ++k) {
      const int32_t u = m->v1[k];
      const int32_t v = m->v2[k];
      if (u < 1 || u > graph.n || v < 1 || v > graph.n || !graph.adjacent[u][v]) {
        graph6::fail_input("%s: the matching edge %d-%d of graph %d is not an edge of the graph", name,
                           u, v, ZNACKA);
      }
    }
  }
}

bool ends_with(std::string_view text, std::string_view end) {
  return text.size() > end.size() && text.substr(text.size() - end.size()) == end;
}

// Where neato would be started from, or an empty text when it is not on the PATH.
std::string find_on_path(const char* program) {
  const char* path = std::getenv("PATH");
  std::string_view rest = path != nullptr ? path : "/usr/bin:/bin";
  while (!rest.empty()) {
    const std::size_t colon = rest.find(':');
    std::string folder(rest.substr(0, colon));
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + program;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return "";
}

void write_text_file(const std::string& name, const std::string& text) {
  std::FILE* out = std::fopen(name.c_str(), "wb");
  if (out == nullptr) graph6::fail_input("cannot create %s: %s", name.c_str(), std::strerror(errno));
  std::fwrite(text.data(), 1, text.size(), out);
  if (std::fclose(out) != 0) graph6::fail_input("cannot write %s: %s", name.c_str(), std::strerror(errno));
}

void render(const std::string& dot_file, const std::string& output, const char* format) {
  const std::string neato = find_on_path("neato");
  if (neato.empty()) {
    graph6::warn("note: Graphviz's neato is not installed; wrote %s only (render it with "
                 "'neato -T%s -o %s %s')",
                 dot_file.c_str(), format, output.c_str(), dot_file.c_str());
    return;
  }
  const std::string type = std::string("-T") + format;
  char* args[] = {const_cast<char*>("neato"), const_cast<char*>(type.c_str()),
                  const_cast<char*>("-o"), const_cast<char*>(output.c_str()),
                  const_cast<char*>(dot_file.c_str()), nullptr};
  pid_t child = 0;
  if (::posix_spawn(&child, neato.c_str(), nullptr, nullptr, args, environ) != 0) {
    graph6::fail_input("cannot start %s: %s", neato.c_str(), std::strerror(errno));
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    graph6::fail_input("neato failed to render %s", output.c_str());
  }
}

void write_picture(std::FILE* out, const char* output, const std::string& dot) {
  if (output == nullptr) {
    std::fwrite(dot.data(), 1, dot.size(), out);
    graph6::finish_output(out);
    return;
  }
  const std::string name = output;
  for (const char* format : {"svg", "png"}) {
    if (ends_with(name, std::string(".") + format)) {
      const std::string dot_file = name.substr(0, name.size() - 4) + ".dot";
      write_text_file(dot_file, dot);
      render(dot_file, name, format);
      return;
    }
  }
  write_text_file(name, dot);
}

}  // namespace

int main(int argc, char** argv) {
  graph6::set_tool_name("cycledraw");
  const Options options = parse_options(argc, argv);
  std::FILE* out = graph6::take_standard_output();

  static graph6::Graph graph;
  find_record(options.cycle_file, options.number, graph);
  check_cycle(options.cycle_file, graph);
  static draw::PairBlock pairs;
  if (options.pair_file != nullptr) read_pairs(options.pair_file, graph, pairs);

  draw::Picture picture;
  picture.number = ZNACKA;
  picture.graph = &graph;
  picture.cycle_length = graph6::CYCLE_LENGTH;
  picture.cycle = graph6::CYCLE;
  picture.pairs = options.pair_file != nullptr ? &pairs : nullptr;
  write_picture(out, options.output, draw::dot_text(picture));
  return 0;
}
