// End-to-end runs: a built program started with no arguments in a fresh scratch folder
// that holds the given input files; afterwards every file it left and its standard
// output can be compared byte for byte with the expected ones.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace e2e {

using Files = std::map<std::string, std::string>;  // file name -> exact bytes

struct Run {
  int exit_code = -1;
  std::string out;   // standard output
  Files files;       // every file in the folder after the run, inputs included
};

// A fresh empty folder below the system's temporary folder, removed on destruction.
class Scratch {
 public:
  Scratch();
  ~Scratch();
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;
  Files files() const;

  // Runs the program (a name from the build's program folder, or a path) in this folder.
  // `args` are passed on; the twelve programs of the tool chain take none.
  Run run(const std::string& program, const std::vector<std::string>& args = {},
          const std::string& stdin_bytes = "") const;

 private:
  std::string path_;
};

// Runs `program` in a new scratch folder holding `inputs`.
Run run_with(const std::string& program, const Files& inputs);

std::string program_path(const std::string& program);
std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);
// A file of the test data folder.
std::string test_data(const std::string& relative);

// Replaces the duration of every time line ("Trvalo to celkovo: ...") with "<time>", the
// one part of a protocol that differs from run to run.
std::string without_duration(const std::string& text);

// Lines with CR LF ends, for writing expected files readably: crlf({"a", "b"}) == "a\r\nb\r\n".
std::string crlf(const std::vector<std::string>& lines);

// Expects exactly these files (durations aside); names a difference precisely.
void expect_files(const Run& run, const Files& expected);

}  // namespace e2e
