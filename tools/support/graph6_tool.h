// What the graph6 tools (graphimport, graphexport, cycledraw) share as small Unix
// filters: messages on standard error with the tool's name in front, strict number
// arguments, and a standard output that the tool chain's failure report does not reach.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>

namespace graph6 {

// Exit status of a bad input (a line, a record, a file) and of a bad command line.
inline constexpr int EXIT_BAD_INPUT = 1;
inline constexpr int EXIT_USAGE = 2;

// The name put in front of every message.
void set_tool_name(const char* name);

// "<tool>: <message>" on standard error.
void warn(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The same, then exit with EXIT_BAD_INPUT.
[[noreturn]] void fail_input(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The same with a pointer to --help, then exit with EXIT_USAGE.
[[noreturn]] void fail_usage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// An optionally signed decimal that fits 32 bits, and nothing else.
bool parse_int32(std::string_view text, int32_t& value);

// The stream for the tool's results. The shared record reader reports a malformed file
// with the tool chain's failure report on descriptor 1; a filter's messages belong on
// standard error, so descriptor 1 is pointed there and the results go to a duplicate of
// the original standard output. The stream is flushed before such a report too.
std::FILE* take_standard_output();

// Flushes the results; a failed write (a full disk, a closed pipe) is an error, not a
// silent success.
void finish_output(std::FILE* out);

}  // namespace graph6
