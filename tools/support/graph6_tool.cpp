#include "graph6_tool.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

#include "failure.h"

namespace graph6 {
namespace {

const char* tool_name = "graph6";

void vwarn(const char* format, va_list args) {
  std::fprintf(stderr, "%s: ", tool_name);
  std::vfprintf(stderr, format, args);
  std::fputc('\n', stderr);
}

// Lets the failure report of the shared reader flush the results written so far.
class OutputFlush : public graphtext::FlushOnFailure {
 public:
  explicit OutputFlush(std::FILE* out) : out_(out) {}
  void flush_for_failure() noexcept override { std::fflush(out_); }

 private:
  std::FILE* out_;
};

}  // namespace

void set_tool_name(const char* name) { tool_name = name; }

void warn(const char* format, ...) {
  va_list args;
  va_start(args, format);
  vwarn(format, args);
  va_end(args);
}

void fail_input(const char* format, ...) {
  va_list args;
  va_start(args, format);
  vwarn(format, args);
  va_end(args);
  std::exit(EXIT_BAD_INPUT);
}

void fail_usage(const char* format, ...) {
  va_list args;
  va_start(args, format);
  vwarn(format, args);
  va_end(args);
  std::fprintf(stderr, "Try '%s --help'.\n", tool_name);
  std::exit(EXIT_USAGE);
}

bool parse_int32(std::string_view text, int32_t& value) {
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  auto [rest, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && rest == end;
}

std::FILE* take_standard_output() {
  const int results = ::dup(STDOUT_FILENO);
  std::FILE* out = results < 0 ? nullptr : ::fdopen(results, "w");
  if (out == nullptr || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
    fail_input("cannot set up standard output: %s", std::strerror(errno));
  }
  static OutputFlush flush(out);
  graphtext::register_for_failure_flush(&flush);
  return out;
}

void finish_output(std::FILE* out) {
  if (std::fflush(out) != 0 || std::ferror(out)) {
    fail_input("cannot write the results: %s", std::strerror(errno));
  }
}

}  // namespace graph6
