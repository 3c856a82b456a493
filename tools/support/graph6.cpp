#include "graph6.h"

#include <cstdio>

namespace graph6 {
namespace {

constexpr int BIAS = 63;
constexpr int LAST_CHARACTER = 126;

std::string printf_text(const char* format, auto... values) {
  char text[256];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

bool has_prefix(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The first character outside '?'..'~', if any: neither form uses another.
std::string bad_character(std::string_view body, std::size_t offset) {
  for (std::size_t i = 0; i < body.size(); ++i) {
    const auto c = static_cast<unsigned char>(body[i]);
    if (c < BIAS || c > LAST_CHARACTER) {
      if (c > 32 && c < 127) {
        return printf_text("character '%c' at column %zu is not a graph6/sparse6 character", c,
                           offset + i + 1);
      }
      return printf_text("character of code %u at column %zu is not a graph6/sparse6 character",
                         static_cast<unsigned>(c), offset + i + 1);
    }
  }
  return "";
}

// Reads N(n) from the front of `body` and removes it. The large forms are decoded in full
// so that the message can name the vertex count.
std::string take_vertex_count(std::string_view& body, int64_t& n) {
  if (body.empty()) return "the line ends before the vertex count";
  std::size_t digits = 0;
  std::size_t skip = 0;
  if (body[0] != LAST_CHARACTER) {
    n = body[0] - BIAS;
    body.remove_prefix(1);
    return "";
  }
  if (body.size() >= 2 && body[1] == LAST_CHARACTER) {
    skip = 2;
    digits = 6;
  } else {
    skip = 1;
    digits = 3;
  }
  if (body.size() < skip + digits) return "the line ends inside the vertex count";
  n = 0;
  for (std::size_t i = 0; i < digits; ++i) n = (n << 6) | (body[skip + i] - BIAS);
  body.remove_prefix(skip + digits);
  return "";
}

std::string vertex_limit_fault(int64_t n) {
  if (n > MAX_VERTICES) {
    return printf_text("the graph has %lld vertices, more than %d", static_cast<long long>(n),
                       MAX_VERTICES);
  }
  return "";
}

void clear(Graph& graph, int32_t n) {
  graph.n = n;
  for (int32_t v = 1; v <= n; ++v) {
    for (int32_t w = 1; w <= n; ++w) graph.adjacent[v][w] = false;
  }
}

std::string decode_graph6(std::string_view body, std::size_t column, Graph& graph) {
  int64_t n = 0;
  std::string fault = bad_character(body, column);
  if (fault.empty()) fault = take_vertex_count(body, n);
  if (fault.empty()) fault = vertex_limit_fault(n);
  if (!fault.empty()) return fault;

  const int64_t bits = n * (n - 1) / 2;
  const auto expected = static_cast<std::size_t>((bits + 5) / 6);
  if (body.size() != expected) {
    return printf_text("a graph6 line of %lld vertices needs %zu character%s after the vertex "
                       "count, this one has %zu",
                       static_cast<long long>(n), expected, expected == 1 ? "" : "s", body.size());
  }
  clear(graph, static_cast<int32_t>(n));
  int64_t bit = 0;
  for (int32_t j = 1; j < n; ++j) {
    for (int32_t i = 0; i < j; ++i, ++bit) {
      const int value = body[static_cast<std::size_t>(bit / 6)] - BIAS;
      if ((value >> (5 - bit % 6)) & 1) {
        graph.adjacent[i + 1][j + 1] = true;
        graph.adjacent[j + 1][i + 1] = true;
      }
    }
  }
  // The padding after the last bit is zero in every graph6 line; anything else is a
  // damaged or truncated line that happens to have the right length.
  if (bits % 6 != 0) {
    const int value = body.back() - BIAS;
    if ((value & ((1 << (6 - bits % 6)) - 1)) != 0) {
      return "the padding bits of the last character are not zero";
    }
  }
  return "";
}

// Reads the sparse6 bit stream one bit at a time.
class BitStream {
 public:
  explicit BitStream(std::string_view body) : body_(body) {}
  bool has(int count) const { return remaining() >= count; }
  int64_t take(int count) {
    int64_t value = 0;
    for (int i = 0; i < count; ++i, ++position_) {
      const int c = body_[static_cast<std::size_t>(position_ / 6)] - BIAS;
      value = (value << 1) | ((c >> (5 - position_ % 6)) & 1);
    }
    return value;
  }

 private:
  int64_t remaining() const { return static_cast<int64_t>(body_.size()) * 6 - position_; }
  std::string_view body_;
  int64_t position_ = 0;
};

std::string add_sparse6_edge(Graph& graph, int64_t x, int64_t v) {
  const auto a = static_cast<int32_t>(x + 1);
  const auto b = static_cast<int32_t>(v + 1);
  if (a == b) return printf_text("the graph has a loop at vertex %d", a);
  if (graph.adjacent[a][b]) return printf_text("the edge %d-%d is given twice", a, b);
  graph.adjacent[a][b] = true;
  graph.adjacent[b][a] = true;
  return "";
}

std::string decode_sparse6(std::string_view body, std::size_t column, Graph& graph) {
  int64_t n = 0;
  std::string fault = bad_character(body, column);
  if (fault.empty()) fault = take_vertex_count(body, n);
  if (fault.empty()) fault = vertex_limit_fault(n);
  if (!fault.empty()) return fault;

  clear(graph, static_cast<int32_t>(n));
  int k = 0;
  while ((int64_t{1} << k) < n) ++k;
  // The stream ends when the current vertex passes n - 1 or fewer than 1 + k bits are left
  // (the padding); pairs that move past n - 1 are padding too and add no edge.
  BitStream bits(body);
  int64_t v = 0;
  while (bits.has(1 + k)) {
    if (bits.take(1) == 1) ++v;
    const int64_t x = bits.take(k);
    if (v >= n) break;
    if (x > v) {
      v = x;
    } else {
      fault = add_sparse6_edge(graph, x, v);
      if (!fault.empty()) return fault;
    }
  }
  return "";
}

}  // namespace

std::string decode(std::string_view line, Graph& graph) {
  std::size_t column = 0;
  for (std::string_view header : {">>graph6<<", ">>sparse6<<"}) {
    if (has_prefix(line, header)) {
      line.remove_prefix(header.size());
      column = header.size();
      break;
    }
  }
  if (line.empty()) return "the line holds no graph";
  if (line[0] == ';') return "incremental sparse6 (';') is not supported; write plain sparse6";
  if (line[0] == '&') return "digraph6 ('&') is not supported: the graphs must be undirected";
  if (line[0] == ':') return decode_sparse6(line.substr(1), column + 1, graph);
  return decode_graph6(line, column, graph);
}

std::string encode_graph6(const Graph& graph) {
  const int32_t n = graph.n;
  std::string text;
  if (n <= 62) {
    text += static_cast<char>(n + BIAS);
  } else {
    text += static_cast<char>(LAST_CHARACTER);
    for (int shift = 12; shift >= 0; shift -= 6) text += static_cast<char>(((n >> shift) & 63) + BIAS);
  }
  int value = 0;
  int used = 0;
  for (int32_t j = 2; j <= n; ++j) {
    for (int32_t i = 1; i < j; ++i) {
      value = (value << 1) | (graph.adjacent[i][j] ? 1 : 0);
      if (++used == 6) {
        text += static_cast<char>(value + BIAS);
        value = 0;
        used = 0;
      }
    }
  }
  if (used > 0) text += static_cast<char>((value << (6 - used)) + BIAS);
  return text;
}

std::string cubic_fault(const Graph& graph) {
  if (graph.n == 0) return "the graph has no vertices";
  for (int32_t v = 1; v <= graph.n; ++v) {
    int32_t degree = 0;
    for (int32_t w = 1; w <= graph.n; ++w) degree += graph.adjacent[v][w] ? 1 : 0;
    if (degree != 3) {
      return printf_text("the graph is not cubic: vertex %d has %d neighbour%s", v, degree,
                         degree == 1 ? "" : "s");
    }
  }
  return "";
}

int32_t ascending_neighbours(const Graph& graph, int32_t v, int32_t (&out)[3]) {
  int32_t count = 0;
  for (int32_t w = 1; w <= graph.n; ++w) {
    if (graph.adjacent[v][w]) {
      if (count < 3) out[count] = w;
      ++count;
    }
  }
  return count;
}

}  // namespace graph6
