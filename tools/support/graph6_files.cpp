#include "graph6_files.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "graph6_tool.h"
#include "graph_record.h"

using graphtext::TextReader;

namespace graph6 {
namespace {

const char* input_label = nullptr;

[[noreturn]] void fail_record(TextReader& file, const char* what, auto... values) {
  char text[256];
  std::snprintf(text, sizeof text, what, values...);
  fail_input("%s, record %d (graph %d): %s", input_label != nullptr ? input_label : file.name(),
             file.record_number(), ZNACKA, text);
}

// Reads n numbers, each in 1..n, into slot k of V_SUSEDIA, then ends the line.
void read_row(TextReader& file, int32_t k, int32_t n) {
  for (int32_t v = 1; v <= n; ++v) {
    V_SUSEDIA[v][k] = file.read_int();
    if (V_SUSEDIA[v][k] < 1 || V_SUSEDIA[v][k] > n) {
      fail_record(file, "neighbour %d of vertex %d in row %d is outside 1..%d", V_SUSEDIA[v][k],
                  v, k, n);
    }
  }
  file.skip_line();
}

void read_cycle(TextReader& file, int32_t n) {
  CYCLE_LENGTH = file.read_int();
  file.skip_line();
  if (CYCLE_LENGTH < 0 || CYCLE_LENGTH > n) {
    fail_record(file, "cycle length %d is outside 0..%d", CYCLE_LENGTH, n);
  }
  for (int32_t i = 1; i <= CYCLE_LENGTH; ++i) {
    CYCLE[i] = file.read_int();
    if (CYCLE[i] < 1 || CYCLE[i] > n) {
      fail_record(file, "cycle vertex %d is outside 1..%d", CYCLE[i], n);
    }
  }
  // Line 7 is the cycle, or "0" for a record without one.
  file.skip_line();
}

}  // namespace

void set_input_label(const char* label) { input_label = label; }

void check_readable(const char* name, const char* label) {
  std::FILE* probe = std::fopen(name, "rb");
  if (probe == nullptr) fail_input("cannot open %s: %s", label, std::strerror(errno));
  std::fclose(probe);
}

FileKind detect_kind(TextReader& file) {
  if (!MORE_GRAPH_RECORDS(file)) return FileKind::Empty;
  file.read_int();
  file.skip_line();
  file.read_int();
  return file.at_line_end() ? FileKind::DominatingCycles : FileKind::Collection;
}

std::string spool_standard_input() {
  const char* folder = std::getenv("TMPDIR");
  std::string name = std::string(folder != nullptr && *folder != '\0' ? folder : "/tmp") +
                     "/graph6-stdin-XXXXXX";
  const int fd = ::mkstemp(name.data());
  if (fd < 0) fail_input("cannot create a temporary file: %s", std::strerror(errno));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) fail_input("cannot read standard input: %s", std::strerror(errno));
    if (got == 0) break;
    for (ssize_t done = 0; done < got;) {
      const ssize_t put = ::write(fd, buffer + done, static_cast<std::size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put < 0) {
        ::unlink(name.c_str());
        fail_input("cannot write the temporary file %s: %s", name.c_str(), std::strerror(errno));
      }
      done += put;
    }
  }
  ::close(fd);
  return name;
}

void read_cycle_record(TextReader& file) {
  file.begin_record();
  ZNACKA = file.read_int();
  file.skip_line();
  const int32_t n = file.read_int();
  file.skip_line();
  if (n < 1 || n > MAX_VERTICES) fail_record(file, "vertex count %d is outside 1..%d", n, MAX_VERTICES);
  V_POCET_VRCHOLOV = n;
  for (int32_t k = 1; k <= 3; ++k) read_row(file, k, n);
  for (int32_t v = 1; v <= n; ++v) V_POCET_SUSEDOV[v] = 3;
  read_cycle(file, n);
}

void graph_from_input_model(TextReader& file, Graph& graph) {
  const int32_t n = V_POCET_VRCHOLOV;
  graph.n = n;
  for (int32_t v = 1; v <= n; ++v) {
    for (int32_t w = 1; w <= n; ++w) graph.adjacent[v][w] = false;
  }
  for (int32_t v = 1; v <= n; ++v) {
    for (int32_t k = 1; k <= 3; ++k) {
      const int32_t w = V_SUSEDIA[v][k];
      if (w == v) fail_record(file, "vertex %d is its own neighbour", v);
      if (graph.adjacent[v][w]) fail_record(file, "vertex %d lists neighbour %d twice", v, w);
      graph.adjacent[v][w] = true;
    }
  }
  for (int32_t v = 1; v <= n; ++v) {
    for (int32_t w = 1; w <= n; ++w) {
      if (graph.adjacent[v][w] && !graph.adjacent[w][v]) {
        fail_record(file, "vertex %d lists %d as a neighbour, but %d does not list %d", v, w, w, v);
      }
    }
  }
}

}  // namespace graph6
