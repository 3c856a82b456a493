// Runs one of the graph6 tools with arguments and standard input in a scratch folder and
// keeps its standard error apart from its standard output.
#pragma once

#include <string>
#include <vector>

#include "e2e/e2e.h"

namespace import_test {

struct Outcome {
  int exit_code = -1;
  std::string out;
  std::string err;
};

Outcome run_tool(const e2e::Scratch& scratch, const std::string& tool,
                 const std::vector<std::string>& args, const std::string& input = "");

// The lines of a text, without their line ends.
std::vector<std::string> lines_of(const std::string& text);

}  // namespace import_test
