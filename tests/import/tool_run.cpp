#include "tool_run.h"

#include <sstream>

namespace import_test {

Outcome run_tool(const e2e::Scratch& scratch, const std::string& tool,
                 const std::vector<std::string>& args, const std::string& input) {
  // The harness captures standard output only; a shell sends standard error to a file.
  std::vector<std::string> shell = {"-c", "exec \"$0\" \"$@\" 2>.stderr", e2e::program_path(tool)};
  shell.insert(shell.end(), args.begin(), args.end());
  const e2e::Run run = scratch.run("/bin/sh", shell, input);
  return {run.exit_code, run.out, scratch.read(".stderr")};
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

}  // namespace import_test
