#include "failure.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace graphtext {
namespace {

constexpr int MAX_STREAMS = 16;
std::array<FlushOnFailure*, MAX_STREAMS> streams{};
char context[256] = "";
FailureHook failure_hook = nullptr;

unsigned code_address(Operation op) {
  switch (op) {
    case Operation::Open: return 0x00401A10;
    case Operation::Create: return 0x00401A40;
    case Operation::Read: return 0x00401B20;
    case Operation::Write: return 0x00401C30;
    case Operation::Close: return 0x00401D50;
    case Operation::Number: return 0x00401E60;
    case Operation::Record: return 0x00401F70;
  }
  return 0x00401000;
}

// The report goes straight to descriptor 1: the console stream may be the one that broke.
void write_raw(const char* text) {
  size_t left = std::strlen(text);
  while (left > 0) {
    ssize_t done = ::write(STDOUT_FILENO, text, left);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return;
    text += done;
    left -= static_cast<size_t>(done);
  }
}

// True when the directory that would hold `path` exists.
bool parent_directory_exists(const char* path) {
  char dir[4096];
  std::snprintf(dir, sizeof dir, "%s", path);
  char* slash = std::strrchr(dir, '/');
  if (slash == nullptr) return ::access(".", F_OK) == 0;
  if (slash == dir) return true;
  *slash = '\0';
  struct stat st {};
  return ::stat(dir, &st) == 0 && S_ISDIR(st.st_mode);
}

// A missing file and a missing directory both come back as ENOENT; tell them apart,
// following a symbolic link one step when the name is one.
bool directory_is_missing(const char* name) {
  struct stat st {};
  if (::lstat(name, &st) == 0 && S_ISLNK(st.st_mode)) {
    char target[4096];
    ssize_t len = ::readlink(name, target, sizeof target - 1);
    if (len > 0) {
      target[len] = '\0';
      if (target[0] != '/' && std::strchr(name, '/') != nullptr) {
        char joined[8192];
        std::snprintf(joined, sizeof joined, "%.*s/%s",
                      static_cast<int>(std::strrchr(name, '/') - name), name, target);
        return !parent_directory_exists(joined);
      }
      return !parent_directory_exists(target);
    }
  }
  return !parent_directory_exists(name);
}

}  // namespace

int report_code(int error_number, const char* name, Operation op) {
  switch (error_number) {
    case ENOENT:
      if (op == Operation::Create) return 3;
      return directory_is_missing(name) ? 3 : 2;
    case ENOTDIR:
      return 3;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return 5;
    default:
      return error_number;
  }
}

void set_failure_context(const char* statement, ...) {
  va_list args;
  va_start(args, statement);
  std::vsnprintf(context, sizeof context, statement, args);
  va_end(args);
}

void set_failure_hook(FailureHook hook) { failure_hook = hook; }

void register_for_failure_flush(FlushOnFailure* stream) {
  for (auto& slot : streams) {
    if (slot == nullptr) {
      slot = stream;
      return;
    }
  }
}

void unregister_for_failure_flush(FlushOnFailure* stream) {
  for (auto& slot : streams) {
    if (slot == stream) slot = nullptr;
  }
}

void fail(int code, Operation op, const char* statement, ...) {
  char what[1024];
  va_list args;
  va_start(args, statement);
  std::vsnprintf(what, sizeof what, statement, args);
  va_end(args);

  // Files first, then the console lines written so far, then the report after them.
  for (auto*& stream : streams) {
    if (stream != nullptr) {
      FlushOnFailure* s = stream;
      stream = nullptr;
      s->flush_for_failure();
    }
  }

  unsigned address = code_address(op);
  char line[1400];
  std::snprintf(line, sizeof line, "Runtime error %d at $%08X\r\n", code, address);
  write_raw(line);
  std::snprintf(line, sizeof line, "  $%08X  %s\r\n", address, what);
  write_raw(line);
  if (context[0] != '\0') {
    std::snprintf(line, sizeof line, "  $%08X  %s\r\n", 0x00401000u, context);
    write_raw(line);
  }
  write_raw("\r\n");
  // A program ends here; a harness that goes on must not see this run's context.
  context[0] = '\0';
  if (failure_hook != nullptr) failure_hook(code);
  std::_Exit(code);
}

}  // namespace graphtext
