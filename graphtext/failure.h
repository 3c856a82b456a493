// The one way every program of the tool chain fails: the I/O failure report.
//
// On the first failed file operation (or a record that cannot be read safely) the
// program writes to standard output
//
//   Runtime error <code> at $<8 hex digits>
//   <trace lines: a plain statement of what failed>
//   <empty line>
//
// and ends with <code> as its exit status. Every output file opened so far is flushed
// first, so whatever was written before the failure stays on disk.
#pragma once

#include <cstdarg>

namespace graphtext {

// Codes of the report besides the operating system's error numbers.
inline constexpr int FILE_NOT_OPEN = 103;
inline constexpr int FILE_NOT_OPEN_FOR_INPUT = 104;
inline constexpr int FILE_NOT_OPEN_FOR_OUTPUT = 105;
inline constexpr int INVALID_NUMERIC_FORMAT = 106;

// Which kind of operation failed; it selects the code address of the report line.
enum class Operation { Open, Create, Read, Write, Close, Number, Record };

// Writes the report and ends the program. `statement` is printf-style text.
[[noreturn]] void fail(int code, Operation op, const char* statement, ...)
    __attribute__((format(printf, 3, 4)));

// Called by `fail` with the code once the report is written, instead of ending the
// program at once. It is for harnesses that run a program's logic many times in one
// process (the fuzz targets and their regression test): such a hook throws an exception
// that the harness catches. A hook must not return; if it does, `fail` ends the program
// as without one. The programs never set it. nullptr removes the hook.
using FailureHook = void (*)(int code);
void set_failure_hook(FailureHook hook);

// The code for a failed system call on the file `name`, in the report's convention:
// 2 missing file, 3 missing directory, 5 access denied, otherwise the error number.
int report_code(int error_number, const char* name, Operation op);

// An extra trace line naming what the program was doing (the record being read, the
// graph being searched). An empty statement removes it.
void set_failure_context(const char* statement, ...) __attribute__((format(printf, 1, 2)));

// Output streams that must be flushed before the report is written.
class FlushOnFailure {
 public:
  virtual void flush_for_failure() noexcept = 0;

 protected:
  ~FlushOnFailure() = default;
};
void register_for_failure_flush(FlushOnFailure* stream);
void unregister_for_failure_flush(FlushOnFailure* stream);

}  // namespace graphtext
