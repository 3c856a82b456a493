// Long runs of the data-set tools: graphpick and graphsplit on a generated file of 28400
// dominating-cycle records, cyclecheck on four times as many. Each program runs in a
// temporary folder; its elapsed time, CPU time and peak resident memory are those of the
// program's own process (wait4), the median of a few runs.
//
//   tools_bench [--runs N]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "dom_collection.h"

namespace {

constexpr int32_t RECORD_COUNT = 28400;
constexpr int32_t CHECKED_RECORDS = 4 * RECORD_COUNT;

struct Measure {
  double wall = 0;  // seconds
  double cpu = 0;   // user + system seconds
  long peak_kb = 0;
};

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
}

// Runs the program with no arguments in `folder`, its output thrown away. The peak
// memory of a child counts what it shared with this process before the exec, so the bench
// holds no large data while it runs a program.
Measure run_program(const std::string& program, const std::string& folder) {
  std::string exe = program.front() == '/' ? program : std::string(PROGRAM_DIR) + "/" + program;
  std::fflush(stdout);
  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    if (chdir(folder.c_str()) != 0 || freopen("/dev/null", "w", stdout) == nullptr) _exit(127);
    execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  Measure m;
  m.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  m.cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
  m.peak_kb = usage.ru_maxrss;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed with status %d\n", program.c_str(), status);
    std::exit(1);
  }
  return m;
}

Measure median_of(int runs, const std::string& program, const std::string& folder) {
  std::vector<Measure> all;
  for (int i = 0; i < runs; ++i) all.push_back(run_program(program, folder));
  std::sort(all.begin(), all.end(), [](const Measure& a, const Measure& b) { return a.wall < b.wall; });
  return all[all.size() / 2];
}

// The unfound list of a cycle search protocol: every ninth graph, ten to a line.
std::string protocol_of_every_ninth(int32_t& listed) {
  std::string text;
  listed = 0;
  for (int32_t number = 5; number <= RECORD_COUNT; number += 9) {
    ++listed;
    if (listed % 10 != 1) text += ' ';
    text += std::to_string(number);
    if (listed % 10 == 0) text += "\r\n";
  }
  return text + "\r\nBolo najdenych 0 dominujucich kruznic, nebolo najdenych " + std::to_string(listed) +
         "\r\nTrvalo to celkovo: 00:00:00.00\r\n";
}

void report(const char* what, const Measure& m, double megabytes) {
  std::printf("%-44s %8.3f s %8.3f s CPU %8ld KB peak", what, m.wall, m.cpu, m.peak_kb);
  if (megabytes > 0) std::printf(" %8.1f MB/s", megabytes / m.wall);
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 3;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else {
      std::fprintf(stderr, "usage: tools_bench [--runs N]\n");
      return 2;
    }
  }

  char pattern[] = "/tmp/tools_bench.XXXXXX";
  if (mkdtemp(pattern) == nullptr) return 1;
  const std::string folder = pattern;

  int32_t listed = 0;
  double dom_mb = 0;
  {
    const std::string dom_file = dom_collection::records(1, RECORD_COUNT);
    dom_mb = dom_file.size() / 1e6;
    write_file(folder + "/s30_c4_dom.c", dom_file);
    write_file(folder + "/protokol.txt", protocol_of_every_ninth(listed));
    std::ofstream checked(folder + "/s30_26251_dom.c", std::ios::binary | std::ios::trunc);
    for (int32_t i = 0; i < CHECKED_RECORDS / RECORD_COUNT; ++i) checked << dom_file;
  }
  const double checked_mb = dom_mb * (CHECKED_RECORDS / RECORD_COUNT);

  std::printf("median of %d runs; %d records of 30 vertices (%.1f MB), %d listed\n", runs, RECORD_COUNT, dom_mb, listed);
  report("process floor (/bin/true)", median_of(runs, "/bin/true", folder), 0);
  report("graphpick: 28400 records, every 9th listed", median_of(runs, "graphpick", folder), dom_mb);
  report("graphsplit: 28400 records into 29 parts", median_of(runs, "graphsplit", folder), dom_mb);
  report("cyclecheck: 113600 records", median_of(runs, "cyclecheck", folder), checked_mb);

  std::string cleanup = "rm -rf '" + folder + "'";
  return std::system(cleanup.c_str()) == 0 ? 0 : 1;
}
