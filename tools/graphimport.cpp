// graphimport: graph6 and sparse6 lines in, records of a graph collection out.
//
//   nauty-geng -c -d3 -D3 -tf 20 | graphimport > cubic_g5_20.c
//
// Every input line that holds a graph becomes one record: the graph number, then three
// rows with the first, second and third neighbour of the vertices 1..n, neighbours in
// ascending order, single blanks between the entries and CR LF line ends, as the search
// programs read them. The first bad line stops the run with a message naming it.
#include <sys/types.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "graph6_tool.h"
#include "graphimport_program.h"

namespace {

const char USAGE[] =
    "Usage: graphimport [-s N] [-q] [FILE]\n"
    "Converts graph6 and sparse6 lines into records of a graph collection.\n"
    "\n"
    "Reads FILE, or standard input when FILE is missing or '-'. A line holds one graph in\n"
    "graph6 or sparse6 (':' in front); a >>graph6<< or >>sparse6<< header in front of it,\n"
    "blank lines, and LF or CR LF line ends are accepted. Incremental sparse6 (';') and\n"
    "digraph6 are not.\n"
    "\n"
    "Writes one record per graph to standard output: the graph number, then three rows\n"
    "giving the first, second and third neighbour of the vertices 1..n (neighbours in\n"
    "ascending order), entries separated by single blanks, lines ended by CR LF.\n"
    "\n"
    "Every graph must be cubic and have at most 99 vertices. The first line that is not\n"
    "valid graph6/sparse6 or whose graph breaks these rules stops the run with a message\n"
    "naming the line; the records written before it stay.\n"
    "\n"
    "  -s N, --start N  number the graphs N, N+1, ... in input order (default 1)\n"
    "  -q, --quiet      no summary line on standard error\n"
    "  -h, --help       show this help and exit\n"
    "\n"
    "Exit status: 0 when every graph was written, 1 on a bad input line or a failed read\n"
    "or write, 2 on a bad command line.\n";

struct Options {
  int32_t first_number = 1;
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
    } else if (arg == "-q" || arg == "--quiet") {
      options.quiet = true;
    } else if (arg == "-s" || arg == "--start" || arg.starts_with("--start=")) {
      std::string_view value;
      if (arg.starts_with("--start=")) {
        value = arg.substr(8);
      } else if (i + 1 < argc) {
        value = argv[++i];
      } else {
        graph6::fail_usage("option %s needs a number", argv[i]);
      }
      if (!graph6::parse_int32(value, options.first_number)) {
        graph6::fail_usage("the first graph number must be a 32-bit integer, not '%.*s'",
                           static_cast<int>(value.size()), value.data());
      }
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

}  // namespace

int main(int argc, char** argv) {
  graph6::set_tool_name("graphimport");
  const Options options = parse_options(argc, argv);
  std::FILE* out = graph6::take_standard_output();

  const char* input_name = options.input != nullptr ? options.input : "standard input";
  std::FILE* in = options.input != nullptr ? std::fopen(options.input, "rb") : stdin;
  if (in == nullptr) graph6::fail_input("cannot open %s: %s", input_name, std::strerror(errno));

  char* buffer = nullptr;
  std::size_t capacity = 0;
  int64_t line_number = 0;
  int64_t next_number = options.first_number;
  ssize_t length = 0;
  while ((length = ::getline(&buffer, &capacity, in)) >= 0) {
    ++line_number;
    const std::string fault = graph6::import_line(
        std::string_view(buffer, static_cast<std::size_t>(length)), next_number, out);
    if (!fault.empty()) {
      graph6::fail_input("%s, line %lld: %s", input_name, static_cast<long long>(line_number),
                         fault.c_str());
    }
  }
  if (std::ferror(in)) graph6::fail_input("cannot read %s: %s", input_name, std::strerror(errno));
  std::free(buffer);
  graph6::finish_output(out);

  const int64_t count = next_number - options.first_number;
  if (!options.quiet) {
    if (count == 0) {
      graph6::warn("no graphs in %s", input_name);
    } else {
      graph6::warn("%lld graph%s written, numbers %d to %lld", static_cast<long long>(count),
                   count == 1 ? "" : "s", options.first_number,
                   static_cast<long long>(next_number - 1));
    }
  }
  return 0;
}
