// Running a program's logic many times in one process, once per fuzz input: the fuzz
// targets and their regression test share this.
//
// Every run happens in one scratch folder made for the process (removed when it ends),
// where the input files are written under the names the program opens. The failure report does not end the
// process: its hook throws FailureReport, which run_program catches; a report is an
// accepted outcome of a malformed input. What the program prints goes to /dev/null.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

struct FailureReport {
  int code;
};

// Writes `bytes` as the file `name` of the scratch folder.
void write_input(const char* name, std::string_view bytes);
// The bytes of the file `name` of the scratch folder; empty when it is not there.
std::string read_file(const char* name);
// Removes the file `name` if it is there.
void remove_input(const char* name);

// Cuts a fuzz input into at most `count` parts at the byte PART_SEPARATOR, for programs
// that read several files; the last part keeps any further separators.
inline constexpr char PART_SEPARATOR = '\x1e';
std::vector<std::string_view> split_parts(std::string_view input, std::size_t count);

// Runs `program` in the scratch folder with standard output sent to /dev/null. Returns
// the exit status the program would have had: its return value, or the report's code.
int run_program(int (*program)());

// A broken promise of the code under test: prints `what` (and the input named by
// name_current_input) and aborts, which the fuzzer records as a finding.
void expect(bool holds, const char* what);
// The input the next broken promise is reported with, for a replay of stored inputs.
void name_current_input(const std::string& name);

// The fuzz input as text.
inline std::string_view as_text(const uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace fuzz
