#include "in_process.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "failure.h"
#include "fuzz_target.h"

namespace fuzz {
namespace {

std::string scratch_folder;
std::string current_input;

[[noreturn]] void throw_report(int code) { throw FailureReport{code}; }

std::string in_scratch_folder(const char* name) { return scratch_folder + "/" + name; }

void remove_scratch_folder() {
  if (scratch_folder.empty()) return;
  std::string command = "rm -rf '" + scratch_folder + "'";
  [[maybe_unused]] int status = std::system(command.c_str());
}

void write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t done = ::write(fd, bytes.data(), bytes.size());
    expect(done > 0, "the harness cannot write an input file");
    bytes.remove_prefix(static_cast<std::size_t>(done));
  }
}

// Standard output pointed at /dev/null for the life of the object.
class QuietStandardOutput {
 public:
  QuietStandardOutput() {
    std::fflush(stdout);
    saved_ = ::dup(STDOUT_FILENO);
    int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    expect(saved_ >= 0 && null >= 0 && ::dup2(null, STDOUT_FILENO) >= 0,
           "the harness cannot redirect standard output");
    ::close(null);
  }
  ~QuietStandardOutput() {
    ::dup2(saved_, STDOUT_FILENO);
    ::close(saved_);
  }
  QuietStandardOutput(const QuietStandardOutput&) = delete;
  QuietStandardOutput& operator=(const QuietStandardOutput&) = delete;

 private:
  int saved_ = -1;
};

// Made at the first use, once per process.
void make_scratch_folder() {
  if (!scratch_folder.empty()) return;
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/fuzz.XXXXXX";
  expect(::mkdtemp(pattern.data()) != nullptr, "the harness cannot make its scratch folder");
  scratch_folder = pattern;
  std::atexit(remove_scratch_folder);
  graphtext::set_failure_hook(throw_report);
}

// The scratch folder as the current folder for the life of the object; the fuzzer itself
// reads its corpus and writes its findings relative to the folder it was started in.
class InScratchFolder {
 public:
  InScratchFolder() : previous_(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    expect(previous_ >= 0 && ::chdir(scratch_folder.c_str()) == 0,
           "the harness cannot enter its scratch folder");
  }
  ~InScratchFolder() {
    [[maybe_unused]] int status = ::fchdir(previous_);
    ::close(previous_);
  }
  InScratchFolder(const InScratchFolder&) = delete;
  InScratchFolder& operator=(const InScratchFolder&) = delete;

 private:
  int previous_;
};

}  // namespace

void write_input(const char* name, std::string_view bytes) {
  make_scratch_folder();
  int fd = ::open(in_scratch_folder(name).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  expect(fd >= 0, "the harness cannot create an input file");
  write_all(fd, bytes);
  ::close(fd);
}

std::string read_file(const char* name) {
  make_scratch_folder();
  std::string bytes;
  int fd = ::open(in_scratch_folder(name).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return bytes;
  char buffer[4096];
  ssize_t got = 0;
  while ((got = ::read(fd, buffer, sizeof buffer)) > 0) bytes.append(buffer, static_cast<std::size_t>(got));
  ::close(fd);
  return bytes;
}

void remove_input(const char* name) {
  make_scratch_folder();
  ::unlink(in_scratch_folder(name).c_str());
}

std::vector<std::string_view> split_parts(std::string_view input, std::size_t count) {
  std::vector<std::string_view> parts;
  while (parts.size() + 1 < count) {
    std::size_t at = input.find(PART_SEPARATOR);
    if (at == std::string_view::npos) break;
    parts.push_back(input.substr(0, at));
    input.remove_prefix(at + 1);
  }
  parts.push_back(input);
  return parts;
}

int run_program(int (*program)()) {
  make_scratch_folder();
  InScratchFolder here;
  QuietStandardOutput quiet;
  try {
    return program();
  } catch (const FailureReport& report) {
    return report.code;
  }
}

void expect(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz: broken promise: %s\n", what);
  if (!current_input.empty()) std::fprintf(stderr, "fuzz: input %s\n", current_input.c_str());
  std::abort();
}

void name_current_input(const std::string& name) { current_input = name; }

static std::vector<Target>& target_table() {
  static std::vector<Target> table;
  return table;
}

bool register_target(const char* name, TargetBody body) {
  target_table().push_back({name, body});
  return true;
}

const std::vector<Target>& registered_targets() { return target_table(); }

}  // namespace fuzz
