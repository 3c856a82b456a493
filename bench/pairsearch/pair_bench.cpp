// Times the 2DBP search against the literal reference in one run:
//
//  1. VYHLADAVANIE per graph on fixed graphs without a pair (the search must rule out
//     all 3^N candidates), N = 10..15;
//  2. the pairsearch driver over a file of 3000 snarks on 30 vertices with dominating
//     cycles: the whole file with the program's search, and a spread sample of it with
//     both searches (the literal one needs about a second per record here);
//     --literal-records 0 runs the literal driver over the whole file.
//
// usage: pair_bench [--literal-records K]   (default 100)
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "literal_search.h"
#include "pair_program.h"
#include "pair_records.h"
#include "search.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds_since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    std::exit(1);
  }
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The records of a dominating-cycle file as texts of seven lines each.
std::vector<std::string> records_of(const std::string& text) {
  std::vector<std::string> records;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    for (int line = 0; line < 7 && end != std::string::npos; ++line) {
      end = text.find('\n', end);
      if (end != std::string::npos) ++end;
    }
    if (end == std::string::npos) end = text.size();
    records.push_back(text.substr(start, end - start));
    start = end;
  }
  return records;
}

int items_of(const TGRAF& G) {
  const int off = G.POCET_VRCHOLOV - G.DLZKA_DOM;
  return (G.DLZKA_DOM - 3 * off) / 2 + off;
}

void bench_no_pair_graphs(const std::string& folder) {
  std::printf("VYHLADAVANIE on graphs without a pair (time per graph)\n");
  std::printf("%4s %4s %12s %12s %12s %9s\n", "N", "n", "candidates", "program", "literal",
              "ratio");
  const std::string path = folder + "/no_pair.c";
  graphtext::TextReader file;
  file.open(path.c_str());
  auto G = std::make_unique<TGRAF>();
  int32_t ZNACKA = 0;
  while (file.more_records()) {
    READ_CYCLE_RECORD(file, ZNACKA, *G);
    int repeats = 0;
    const Clock::time_point start = Clock::now();
    bool found = false;
    do {
      found = VYHLADAVANIE(*G).NAJDENE;
      ++repeats;
    } while (seconds_since(start) < 0.5);
    const double fast = seconds_since(start) / repeats;
    const Clock::time_point literal_start = Clock::now();
    const bool literal_found = literal::VYHLADAVANIE(*G).NAJDENE;
    const double literal = seconds_since(literal_start);
    if (found || literal_found) std::printf("  (graph %d has a pair!)\n", ZNACKA);
    std::printf("%4d %4d %12lld %10.2fms %10.0fms %8.0fx\n", items_of(*G), G->POCET_VRCHOLOV,
                static_cast<long long>(literal::POCET_KANDIDATOV), fast * 1e3, literal * 1e3,
                literal / fast);
  }
  file.close();
}

// Runs the pairsearch driver with `search` over `input` in a scratch folder, its console
// lines sent to /dev/null; returns the elapsed seconds and leaves the result file text.
double run_driver(const std::string& input, PairSearch search, std::string* result) {
  char folder[] = "/tmp/pair_bench.XXXXXX";
  if (mkdtemp(folder) == nullptr) std::exit(1);
  const std::string dir = folder;
  write_file(dir + "/s30_c4_dom_vyb.c", input);
  char previous[4096];
  if (getcwd(previous, sizeof previous) == nullptr || chdir(folder) != 0) std::exit(1);
  std::fflush(stdout);
  const int saved = dup(STDOUT_FILENO);
  const int null = open("/dev/null", O_WRONLY);
  dup2(null, STDOUT_FILENO);

  const Clock::time_point start = Clock::now();
  run_pair_search({.input = "s30_c4_dom_vyb.c",
                   .result = "s30_c4_2dbp_vyb.c",
                   .protocol = "protokol_vyb.txt",
                   .label = RecordLabel::GraphNumber,
                   .no_cycle_counts_as_found = false},
                  search);
  const double elapsed = seconds_since(start);

  dup2(saved, STDOUT_FILENO);
  close(saved);
  close(null);
  *result = read_file(dir + "/s30_c4_2dbp_vyb.c");
  if (chdir(previous) != 0) std::exit(1);
  std::system(("rm -rf '" + dir + "'").c_str());
  return elapsed;
}

void bench_file(const std::string& folder, int literal_records) {
  const std::string text = read_file(folder + "/s30_c4_dom_3000.c");
  const std::vector<std::string> records = records_of(text);
  std::string fast_result;
  const double fast_all = run_driver(text, VYHLADAVANIE, &fast_result);
  std::printf("\npairsearch over %zu records (s30_c4_dom_3000.c)\n", records.size());
  std::printf("  program's search, whole file: %.2f s (%.2f ms per record)\n", fast_all,
              fast_all * 1e3 / records.size());

  std::string sample = text;
  std::size_t count = records.size();
  if (literal_records > 0 && static_cast<std::size_t>(literal_records) < records.size()) {
    sample.clear();
    count = 0;
    const std::size_t stride = records.size() / literal_records;
    for (std::size_t r = 0; r < records.size() && count < static_cast<std::size_t>(literal_records);
         r += stride, ++count) {
      sample += records[r];
    }
  }
  std::string fast_sample_result;
  std::string literal_result;
  const double fast_sample = run_driver(sample, VYHLADAVANIE, &fast_sample_result);
  const double literal = run_driver(sample, literal::search, &literal_result);
  std::printf("  on %zu records (every %zu-th): program %.3f s, literal %.1f s, ratio %.0fx%s\n",
              count, records.size() / count, fast_sample, literal, literal / fast_sample,
              fast_sample_result == literal_result ? "" : "  RESULT FILES DIFFER");
  if (count < records.size()) {
    std::printf("  literal over the whole file, at that ratio: about %.0f min\n",
                fast_all * literal / fast_sample / 60);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int literal_records = 100;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--literal-records") == 0 && i + 1 < argc) {
      literal_records = std::atoi(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: %s [--literal-records K]\n", argv[0]);
      return 2;
    }
  }
  bench_no_pair_graphs(BENCH_DATA_DIR);
  bench_file(BENCH_DATA_DIR, literal_records);
  return 0;
}
