// Benchmarks of the dominating-cycle search: single path searches on reduced graphs of 22
// vertices, and the five search programs over fixed collections, each beside the same
// work done by the literal level-by-level search, with the ratio.
//
//   cycle_bench [--quick]
//
// --quick runs smaller slices (a minute instead of several). A program run is timed as a
// whole, process start included, the quickest of up to five. The ratio "on these graphs"
// compares the two runs over the same slice; "per graph" divides the literal time per
// graph of the slice by the fast time per graph of the collection.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fork_construction.h"
#include "literal_path_search.h"
#include "path_search.h"
#include "state_numbering.h"
#include "text_file.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// The first `count` four-line records of a collection.
std::string first_records(const std::string& collection, int count) {
  std::size_t pos = 0;
  for (int line = 0; line < 4 * count && pos < collection.size(); ++line) {
    pos = collection.find('\n', pos);
    pos = pos == std::string::npos ? collection.size() : pos + 1;
  }
  return collection.substr(0, pos);
}

// ------------------------------------------------------------ single searches

// A search graph as a fork choice leaves it, kept to be searched again and again.
struct SearchGraph {
  int32_t n, start, pairs;
  int32_t degree[23];
  int32_t plain[23][4];
  int32_t v1[64], v2[64];

  void install() const {
    POCET_VRCHOLOV = n;
    for (int v = 1; v <= n; ++v) {
      POCET_SUSEDOV[v] = degree[v];
      for (int l = 1; l <= degree[v]; ++l) SUSEDIA[v][l] = plain[v][l];
    }
    POCET_VYNIMIEK = pairs;
    for (int k = 1; k <= pairs; ++k) {
      V1[k] = v1[k];
      V2[k] = v2[k];
    }
  }
};

// The search graphs of every two-fork choice of the first graphs of a collection.
std::vector<SearchGraph> two_fork_search_graphs(const std::string& collection_path, int limit) {
  std::vector<SearchGraph> graphs;
  graphtext::TextReader in;
  in.open(collection_path.c_str());
  while (static_cast<int>(graphs.size()) < limit && MORE_GRAPH_RECORDS(in)) {
    READ_GRAPH_RECORD(in);
    PREPARE_GRAPH();
    FOR_EACH_FORK_CHOICE(2, [&](const int32_t* centre) {
      if (static_cast<int>(graphs.size()) >= limit) return false;
      if (!PREPARE_FORK_CHOICE(centre, 2)) return true;
      SearchGraph g{};
      g.n = POCET_VRCHOLOV;
      g.start = ZACIATOK;
      g.pairs = POCET_VYNIMIEK;
      for (int v = 1; v <= g.n; ++v) {
        g.degree[v] = POCET_SUSEDOV[v];
        for (int l = 1; l <= POCET_SUSEDOV[v]; ++l) g.plain[v][l] = SUSEDIA[v][l];
      }
      for (int k = 1; k <= g.pairs; ++k) {
        g.v1[k] = V1[k];
        g.v2[k] = V2[k];
      }
      graphs.push_back(g);
      return true;
    });
  }
  in.close();
  return graphs;
}

struct SearchTiming {
  double seconds = 0;
  int found = 0;
  uint64_t states = 0;
};

template <typename Search, typename States>
SearchTiming time_searches(const std::vector<SearchGraph>& graphs, std::size_t count,
                           Search search, States states) {
  SearchTiming t;
  uint64_t before = states();
  auto start = Clock::now();
  for (std::size_t i = 0; i < count && i < graphs.size(); ++i) {
    graphs[i].install();
    t.found += search(graphs[i].start);
  }
  t.seconds = seconds_since(start);
  t.states = states() - before;
  return t;
}

void bench_single_searches(const std::string& collection_path, bool quick) {
  const std::size_t fast_count = quick ? 600 : 3000;
  const std::size_t literal_count = quick ? 10 : 40;
  std::vector<SearchGraph> graphs = two_fork_search_graphs(collection_path, fast_count);
  SearchTiming fast = time_searches(graphs, graphs.size(), FIND_DOMINATING_PATH,
                                    [] { return path_search_counters().expanded_states; });
  SearchTiming literal = time_searches(graphs, literal_count, LITERAL_PATH_SEARCH,
                                       literal_discovered_states);
  // The same searches again, repeated so that the short run is timed reliably.
  constexpr int REPEATS = 50;
  SearchTiming fast_same;
  for (int r = 0; r < REPEATS; ++r) {
    SearchTiming once = time_searches(graphs, literal_count, FIND_DOMINATING_PATH,
                                      [] { return path_search_counters().expanded_states; });
    fast_same.seconds += once.seconds / REPEATS;
    fast_same.found = once.found;
  }
  std::printf("Single path searches on 22-vertex reduced graphs (two-fork choices of 30-vertex snarks)\n");
  std::printf("  fast:    %6zu searches, %5d found, %8.3f s, %10.0f searches/s, %12.0f states expanded/s (%.0f states/search)\n",
              graphs.size(), fast.found, fast.seconds, graphs.size() / fast.seconds,
              fast.states / fast.seconds, static_cast<double>(fast.states) / graphs.size());
  std::printf("  literal: %6zu searches, %5d found, %8.3f s, %10.1f searches/s, %12.0f states discovered/s (%.0f states/search)\n",
              literal_count, literal.found, literal.seconds, literal_count / literal.seconds,
              literal.states / literal.seconds, static_cast<double>(literal.states) / literal_count);
  std::printf("  ratio on the same %zu searches: %.0f times faster (fast found %d of them)\n\n",
              literal_count, literal.seconds / fast_same.seconds, fast_same.found);
}

// ------------------------------------------------------------ whole programs

struct ProgramRun {
  double seconds = 0;
  long peak_kb = 0;
  std::string result;
};

// Runs a program in a fresh folder through a re-executed copy of this bench, so that its
// peak memory is its own and not that of this process, which holds the literal tables.
// Short runs are repeated (up to five times, while they take under three seconds in all)
// and the quickest counts, so that a run of a few milliseconds is not timed by chance.
ProgramRun run_program(const std::string& exe, const std::string& input_name,
                       const std::string& input, const std::string& result_name) {
  char dir_template[] = "/tmp/cycle_bench.XXXXXX";
  std::string dir = mkdtemp(dir_template);
  write_file(dir + "/" + input_name, input);
  char self[4096];
  ssize_t len = readlink("/proc/self/exe", self, sizeof self - 1);
  self[len > 0 ? len : 0] = '\0';
  std::string command = std::string(self) + " --measure '" + dir + "' '" + exe + "'";
  std::fflush(stdout);
  ProgramRun run;
  double total = 0;
  for (int runs = 0; runs < 5 && total < 3.0; ++runs) {
    double seconds = 0;
    long peak_kb = 0;
    FILE* measure = popen(command.c_str(), "r");
    if (measure == nullptr || std::fscanf(measure, "%lf %ld", &seconds, &peak_kb) != 2 ||
        pclose(measure) != 0) {
      std::fprintf(stderr, "%s failed\n", exe.c_str());
      std::exit(1);
    }
    run.seconds = runs == 0 ? seconds : std::min(run.seconds, seconds);
    run.peak_kb = std::max(run.peak_kb, peak_kb);
    total += seconds;
  }
  run.result = read_file(dir + "/" + result_name);
  std::string cleanup = "rm -rf '" + dir + "'";
  if (std::system(cleanup.c_str()) != 0) std::perror("cleanup");
  return run;
}

// The measuring side: runs `exe` in `dir` with its console silenced and prints its wall
// time and peak resident memory.
int measure(const char* dir, const char* exe) {
  auto start = Clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    if (chdir(dir) != 0 || !freopen("/dev/null", "w", stdout)) _exit(127);
    execl(exe, exe, nullptr);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  std::printf("%f %ld\n", seconds_since(start), usage.ru_maxrss);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

struct ProgramCase {
  const char* program;
  const char* input_name;
  const char* result_name;
  const char* collection;  // its name in the table
  const std::string* source;
  int fast_records;        // graphs for the fast run over the collection (0: all)
  int slice_first;         // the graphs both programs run, for the ratio
  int slice_last;
};

// Records first..last (from 1) of a collection.
std::string record_range(const std::string& collection, int first, int last) {
  std::string head = first_records(collection, first - 1);
  return first_records(collection.substr(head.size()), last - first + 1);
}

int records_in(const std::string& collection) {
  return static_cast<int>(std::count(collection.begin(), collection.end(), '\n') / 4);
}

void bench_program(const std::string& bin, const ProgramCase& c) {
  const std::string& collection = *c.source;
  std::string whole = c.fast_records > 0 ? first_records(collection, c.fast_records) : collection;
  std::string slice = record_range(collection, c.slice_first, c.slice_last);
  ProgramRun fast = run_program(bin + "/" + c.program, c.input_name, whole, c.result_name);
  ProgramRun fast_slice = run_program(bin + "/" + c.program, c.input_name, slice, c.result_name);
  ProgramRun literal =
      run_program(bin + "/" + c.program + "_literal", c.input_name, slice, c.result_name);
  const int graphs = records_in(whole);
  const double fast_per_graph = fast.seconds / graphs;
  const double literal_per_graph = literal.seconds / (c.slice_last - c.slice_first + 1);
  std::printf("  %-13s %-9s fast: %5d graphs %7.2f s, %8.3f ms/graph, %7.1f graphs/s, peak %6ld KB"
              " | graphs %d-%d: fast %7.3f s, literal %8.2f s (%9.3f ms/graph, peak %7ld KB):"
              " %5.0fx on these graphs, %5.0fx per graph, output %s\n",
              c.program, c.collection, graphs, fast.seconds, 1000 * fast_per_graph,
              1 / fast_per_graph, fast.peak_kb, c.slice_first, c.slice_last, fast_slice.seconds,
              literal.seconds, 1000 * literal_per_graph, literal.peak_kb,
              literal.seconds / fast_slice.seconds, literal_per_graph / fast_per_graph,
              fast_slice.result == literal.result ? "identical" : "DIFFERENT");
  if (fast_slice.result != literal.result) std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--measure") == 0) return measure(argv[2], argv[3]);
  bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
  FILL_MOCNINA();
  const std::string bin = PROGRAM_DIR;
  const std::string graphs = std::string(SOURCE_DIR) + "/tests/data/graphs/";

  // The whole 30-vertex snark list, converted from its graph6 form.
  std::string s30_path = "/tmp/cycle_bench_s30_c4.c";
  std::string convert = bin + "/graphimport -q " + BENCH_DATA_DIR + "/s30_c4.g6 > " + s30_path;
  if (std::system(convert.c_str()) != 0) {
    std::fprintf(stderr, "cannot convert the 30-vertex list\n");
    return 1;
  }
  std::string s30 = read_file(s30_path);
  std::string s26 = read_file(graphs + "snarks_26.c");
  std::string s28 = read_file(graphs + "snarks_28.c");

  bench_single_searches(s30_path, quick);

  std::printf("Whole programs: the fast one over the collection, then both on the same graphs"
              " (the literal output must be identical)\n");
  const ProgramCase cases[] = {
      {"cyclesearch1", "s26_c4.c", "s26_c4_dom.c", "snarks26", &s26, 0, 1, quick ? 20 : 280},
      {"cyclesearch2", "s30_c4.c", "s30_c4_dom.c", "snarks30", &s30, quick ? 2000 : 0, 1, quick ? 5 : 40},
      {"cyclesearch3", "s28_c4.c", "s28_c4_dom.c", "snarks28", &s28, 0, quick ? 1101 : 1, quick ? 1200 : 2900},
      {"cyclesearch2x", "s30_26251.c", "s30_26251_dom.c", "snarks30", &s30, quick ? 200 : 2000, 1, quick ? 1 : 3},
      {"cyclesearch3x", "s30_26251.c", "s30_26251_dom.c", "snarks30", &s30, quick ? 500 : 5000, 1, quick ? 3 : 20},
  };
  for (const auto& c : cases) bench_program(bin, c);
  std::remove(s30_path.c_str());
  return 0;
}
