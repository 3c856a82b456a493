#include "draw_dot.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace draw {
namespace {

constexpr double PI = 3.14159265358979323846;
// Room per cycle vertex along the circle and the smallest radius, in inches.
constexpr double SPACING = 0.6;
constexpr double MIN_RADIUS = 1.5;
// Vertices off the cycle stand this far outside it; one that would sit on another one
// moves out by one more step.
constexpr double OUTSIDE = 0.9;
constexpr double CLASH = 0.45;

enum class EdgeRole { Cycle, Chord, Fork };

struct Layout {
  double x[graph6::MAX_VERTICES + 1];
  double y[graph6::MAX_VERTICES + 1];
  int32_t position[graph6::MAX_VERTICES + 1];  // place on the cycle 1..L, 0 when off it
  int32_t off_cycle = 0;
};

std::string format(const char* text, auto... values) {
  char out[512];
  std::snprintf(out, sizeof out, text, values...);
  return out;
}

// The direction of v from the centre: the mean direction of its neighbours on the cycle,
// or the first such neighbour when they pull evenly in all directions.
double outside_angle(const Picture& picture, const Layout& layout, int32_t v) {
  double sx = 0.0;
  double sy = 0.0;
  double first = 0.0;
  bool have_first = false;
  for (int32_t w = 1; w <= picture.graph->n; ++w) {
    if (!picture.graph->adjacent[v][w] || layout.position[w] == 0) continue;
    const double a = std::atan2(layout.y[w], layout.x[w]);
    if (!have_first) first = a;
    have_first = true;
    sx += std::cos(a);
    sy += std::sin(a);
  }
  if (std::hypot(sx, sy) < 1e-6) return first;
  return std::atan2(sy, sx);
}

// True when (x, y) is too close to a vertex off the cycle placed before vertex `next`.
bool clashes(const Layout& layout, double x, double y, int32_t next) {
  for (int32_t w = 1; w < next; ++w) {
    if (layout.position[w] != 0) continue;
    if (std::hypot(layout.x[w] - x, layout.y[w] - y) < CLASH) return true;
  }
  return false;
}

Layout lay_out(const Picture& picture) {
  Layout layout{};
  const int32_t n = picture.graph->n;
  const int32_t length = picture.cycle_length;
  const double radius = std::fmax(MIN_RADIUS, length * SPACING / (2 * PI));
  for (int32_t i = 1; i <= length; ++i) {
    const int32_t v = picture.cycle[i];
    const double a = PI / 2 - 2 * PI * (i - 1) / length;  // from the top, clockwise
    layout.position[v] = i;
    layout.x[v] = radius * std::cos(a);
    layout.y[v] = radius * std::sin(a);
  }
  for (int32_t v = 1; v <= n; ++v) {
    if (layout.position[v] != 0) continue;
    ++layout.off_cycle;
    const double a = outside_angle(picture, layout, v);
    double r = radius + OUTSIDE;
    while (clashes(layout, r * std::cos(a), r * std::sin(a), v)) r += CLASH;
    layout.x[v] = r * std::cos(a);
    layout.y[v] = r * std::sin(a);
  }
  return layout;
}

bool on_matching(const Matching& matching, int32_t v, int32_t w) {
  for (int32_t k = 1; k <= matching.edges; ++k) {
    if ((matching.v1[k] == v && matching.v2[k] == w) || (matching.v1[k] == w && matching.v2[k] == v)) {
      return true;
    }
  }
  return false;
}

// The attributes of one edge: the matchings' colours over the role's plain look.
std::string edge_style(const Picture& picture, EdgeRole role, int32_t v, int32_t w) {
  if (picture.pairs != nullptr && on_matching(picture.pairs->first, v, w)) {
    return "color=\"#d62728\", penwidth=3";
  }
  if (picture.pairs != nullptr && on_matching(picture.pairs->second, v, w)) {
    return "color=\"#1f77b4\", penwidth=3, style=dashed";
  }
  // Chords and the edges of the vertices off the cycle look alike; the layout tells them apart.
  return role == EdgeRole::Cycle ? "color=black, penwidth=2.5" : "color=\"#7f7f7f\"";
}

std::string caption(const Picture& picture, const Layout& layout) {
  std::string text = format("graph %d: dominating cycle of length %d, %d %s off the cycle",
                            picture.number, picture.cycle_length, layout.off_cycle,
                            layout.off_cycle == 1 ? "vertex" : "vertices");
  if (picture.pairs == nullptr) return text;
  switch (picture.pairs->outcome) {
    case PairOutcome::Found:
      text += format("\\nred: first bipartizing matching (%d edges); blue, dashed: second (%d edges)",
                     picture.pairs->first.edges, picture.pairs->second.edges);
      break;
    case PairOutcome::NoPair: text += "\\nno pair of disjoint bipartizing matchings was found"; break;
    case PairOutcome::NoCycle: text += "\\nthe 2DBP result has no cycle for this graph"; break;
  }
  return text;
}

void add_edge(std::string& dot, const Picture& picture, EdgeRole role, int32_t v, int32_t w) {
  dot += format("  %d -- %d [%s];\n", v, w, edge_style(picture, role, v, w).c_str());
}

}  // namespace

std::string dot_text(const Picture& picture) {
  const graph6::Graph& graph = *picture.graph;
  const Layout layout = lay_out(picture);
  std::string dot = format("graph \"graph %d\" {\n", picture.number);
  dot += format("  label=\"%s\";\n", caption(picture, layout).c_str());
  dot += "  labelloc=t;\n  fontname=\"Helvetica\";\n  splines=false;\n";
  dot += "  node [shape=circle, width=0.36, fixedsize=true, fontsize=11, fontname=\"Helvetica\", "
         "style=filled, fillcolor=white];\n";

  for (int32_t i = 1; i <= picture.cycle_length; ++i) {
    const int32_t v = picture.cycle[i];
    dot += format("  %d [pos=\"%.3f,%.3f!\"];\n", v, layout.x[v], layout.y[v]);
  }
  for (int32_t v = 1; v <= graph.n; ++v) {
    if (layout.position[v] != 0) continue;
    dot += format("  %d [pos=\"%.3f,%.3f!\", fillcolor=\"#d9d9d9\"];\n", v, layout.x[v], layout.y[v]);
  }

  // The cycle first, in its order; then the chords and the edges to vertices off the cycle.
  for (int32_t i = 1; i <= picture.cycle_length; ++i) {
    const int32_t next = i == picture.cycle_length ? 1 : i + 1;
    add_edge(dot, picture, EdgeRole::Cycle, picture.cycle[i], picture.cycle[next]);
  }
  for (int32_t v = 1; v <= graph.n; ++v) {
    for (int32_t w = v + 1; w <= graph.n; ++w) {
      if (!graph.adjacent[v][w]) continue;
      const int32_t pv = layout.position[v];
      const int32_t pw = layout.position[w];
      if (pv != 0 && pw != 0) {
        const int32_t gap = std::abs(pv - pw);
        if (gap == 1 || gap == picture.cycle_length - 1) continue;  // a cycle edge
        add_edge(dot, picture, EdgeRole::Chord, v, w);
      } else {
        add_edge(dot, picture, EdgeRole::Fork, v, w);
      }
    }
  }
  dot += "}\n";
  return dot;
}

}  // namespace draw
