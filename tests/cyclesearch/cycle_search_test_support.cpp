#include "cycle_search_test_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <sstream>
#include <vector>

#include "e2e/e2e.h"

namespace cycle_test {

std::string shuffled_collection(const std::string& collection, uint32_t seed) {
  std::mt19937 random(seed);
  std::istringstream in(collection);
  std::string out;
  std::string number_line;
  while (std::getline(in, number_line)) {
    if (number_line.find_first_not_of(" \t\r") == std::string::npos) continue;
    std::vector<std::vector<int>> rows(3);
    for (auto& row : rows) {
      std::string line;
      std::getline(in, line);
      std::istringstream values(line);
      for (int v; values >> v;) row.push_back(v);
    }
    const int n = static_cast<int>(rows[2].size());
    std::vector<int> name(n + 1);
    std::iota(name.begin(), name.end(), 0);
    std::shuffle(name.begin() + 1, name.end(), random);
    std::vector<std::vector<int>> slots(n + 1);
    for (int v = 1; v <= n; ++v) {
      std::vector<int> neighbours = {name[rows[0][v - 1]], name[rows[1][v - 1]],
                                     name[rows[2][v - 1]]};
      std::shuffle(neighbours.begin(), neighbours.end(), random);
      slots[name[v]] = neighbours;
    }
    out += std::to_string(std::stoi(number_line)) + "\r\n";
    for (int k = 0; k < 3; ++k) {
      for (int v = 1; v <= n; ++v) {
        if (v > 1) out += ' ';
        out += std::to_string(slots[v][k]);
      }
      out += "\r\n";
    }
  }
  return out;
}

std::string every_nth_record(const std::string& collection, int k) {
  std::istringstream in(collection);
  std::string out;
  std::string line;
  int record = 0;
  while (std::getline(in, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    bool keep = record++ % k == 0;
    for (int i = 0; i < 4; ++i) {
      if (keep) out += line + "\n";
      if (i < 3 && !std::getline(in, line)) break;
    }
  }
  return out;
}

std::string run_in_process(const CycleSearchProgram& program, const std::string& collection,
                           PathSearch search) {
  e2e::Scratch scratch;
  scratch.write(program.input, collection);
  char here[4096];
  if (getcwd(here, sizeof here) == nullptr) return "";
  int saved_out = dup(STDOUT_FILENO);
  int quiet = open("/dev/null", O_WRONLY);
  dup2(quiet, STDOUT_FILENO);
  if (chdir(scratch.path().c_str()) == 0) {
    RUN_CYCLE_SEARCH(program, search);
    [[maybe_unused]] int back = chdir(here);
  }
  dup2(saved_out, STDOUT_FILENO);
  close(saved_out);
  close(quiet);
  return scratch.read(program.result);
}

}  // namespace cycle_test
