// Every corpus file and every input that ever found a fault, replayed through the fuzz
// targets in the test build: nothing may crash, hang, leak or break a target's promise.
// A failure report is an accepted outcome.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "fuzz_target.h"

namespace fuzz {
// gtest names a target by its name, not by its bytes.
void PrintTo(const Target& target, std::ostream* out) { *out << target.name; }
}  // namespace fuzz

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputs_of(const std::string& target) {
  std::vector<fs::path> inputs;
  for (const char* kind : {"corpus", "regressions"}) {
    const fs::path folder = fs::path(SOURCE_DIR) / "tests" / "fuzz" / kind / target;
    if (!fs::is_directory(folder)) continue;
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

std::string bytes_of(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FuzzRegression : public ::testing::TestWithParam<fuzz::Target> {};

TEST_P(FuzzRegression, EveryStoredInputRunsClean) {
  const fuzz::Target& target = GetParam();
  const auto inputs = inputs_of(target.name);
  EXPECT_FALSE(inputs.empty()) << "no corpus for " << target.name;
  for (const auto& path : inputs) {
    fuzz::name_current_input(path.string());
    const std::string bytes = bytes_of(path);
    target.body(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzRegression,
                         ::testing::ValuesIn(fuzz::registered_targets()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
