#include "fork_construction.h"

#include <bit>

#include "failure.h"
#include "graph_record.h"

namespace {

// The last slot of `list` holding `value`, 0 if none.
int32_t last_position(const int32_t* list, int32_t count, int32_t value) {
  int32_t position = 0;
  for (int32_t k = 1; k <= count; ++k) {
    if (list[k] == value) position = k;
  }
  return position;
}

void remove_at(int32_t v, int32_t position) {
  for (int32_t k = position; k < POCET_SUSEDOV[v]; ++k) SUSEDIA[v][k] = SUSEDIA[v][k + 1];
  --POCET_SUSEDOV[v];
}

// Removes the reduced edge c-g from both lists. When g is not in the list of c (its edge
// went with an earlier bridged pair, or g is not in the reduced graph) nothing is removed.
void remove_reduced_edge(int32_t c, int32_t g) {
  if (c == 0 || g == 0) return;
  POZICIA = last_position(SUSEDIA[c], POCET_SUSEDOV[c], g);
  if (POZICIA == 0) return;
  remove_at(c, POZICIA);
  POZICIA = last_position(SUSEDIA[g], POCET_SUSEDOV[g], c);
  if (POZICIA > 0) remove_at(g, POZICIA);
}

// The neighbour of a, over its slots, that is neither x nor y (the last such slot wins);
// 0 when there is none.
int32_t neighbour_other_than(int32_t a, int32_t x, int32_t y) {
  int32_t found = 0;
  for (int32_t k = 1; k <= V_POCET_SUSEDOV[a]; ++k) {
    if (V_SUSEDIA[a][k] != x && V_SUSEDIA[a][k] != y) found = V_SUSEDIA[a][k];
  }
  return found;
}

void append_pair(int32_t p, int32_t q) {
  if (PRECISLUJ[p] == 0 || PRECISLUJ[q] == 0) CONSTRUCTION_BROKEN = true;
  ++POCET_VYNIMIEK;
  V1[POCET_VYNIMIEK] = PRECISLUJ[p];
  V2[POCET_VYNIMIEK] = PRECISLUJ[q];
}

// Puts the middle of pair (p, q) between positions i and i + 1 of DOM_KRUZNICA.
void insert_middle(int32_t i, int32_t p, int32_t q) {
  int32_t middle[2];
  int32_t count = 0;
  if (MEDZI_NIMI[p][q] < 100) {
    middle[count++] = MEDZI_NIMI[p][q];
  } else {
    int32_t x = DOM_KRUZNICA[i] == p && DOM_KRUZNICA[i + 1] == q ? MEDZI_NIMI[p][q]
                                                                   : MEDZI_NIMI[q][p];
    middle[count++] = x / 100;
    middle[count++] = x % 100;
  }
  for (int32_t j = DLZKA_DOM; j > i; --j) DOM_KRUZNICA[j + count] = DOM_KRUZNICA[j];
  for (int32_t j = 0; j < count; ++j) DOM_KRUZNICA[i + 1 + j] = middle[j];
  DLZKA_DOM += count;
}

}  // namespace

namespace {

// Vertex sets of the input graph as bit masks, vertex v being bit v: one word while the
// vertices fit (every collection of the tool chain), two up to vertex 99.
using WideMask = unsigned __int128;

template <typename Mask>
Mask vertex_bit(int32_t v) {
  return Mask{1} << v;
}

int32_t lowest_vertex(uint64_t m) { return std::countr_zero(m); }
int32_t lowest_vertex(WideMask m) {
  auto low = static_cast<uint64_t>(m);
  return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(static_cast<uint64_t>(m >> 64));
}

// The neighbours of every vertex, over the edges taken both ways.
template <typename Mask>
void find_neighbour_masks(Mask* around) {
  for (int32_t v = 1; v <= V_POCET_VRCHOLOV; ++v) around[v] = 0;
  for (int32_t v = 1; v <= V_POCET_VRCHOLOV; ++v) {
    for (int32_t k = 1; k <= V_POCET_SUSEDOV[v]; ++k) {
      around[v] |= vertex_bit<Mask>(V_SUSEDIA[v][k]);
      around[V_SUSEDIA[v][k]] |= vertex_bit<Mask>(v);
    }
  }
}

// The neighbours of every vertex of the current graph, both widths kept so that a
// graph of any size is served; only the one that fits is filled.
uint64_t around_narrow[101];
WideMask around_wide[101];

bool fits_one_word() { return V_POCET_VRCHOLOV < 64; }

// Row s of VZDIALENOST by breadth-first search over the edges taken both ways: the
// vertices entering the ball around s in round r are at distance r.
template <typename Mask>
void fill_distance_row(int32_t s, const Mask* around) {
  int32_t* row = VZDIALENOST[s];
  Mask reached = vertex_bit<Mask>(s);
  row[s] = 0;
  Mask frontier = reached;
  for (int32_t r = 1; frontier != 0; ++r) {
    Mask next = 0;
    for (Mask rest = frontier; rest != 0; rest &= rest - 1) next |= around[lowest_vertex(rest)];
    next &= ~reached;
    for (Mask rest = next; rest != 0; rest &= rest - 1) row[lowest_vertex(rest)] = r;
    reached |= next;
    frontier = next;
  }
  // Vertices of other components are 1000 apart.
  const int32_t n = V_POCET_VRCHOLOV;
  const Mask all = (vertex_bit<Mask>(n) - 1) << 1 | vertex_bit<Mask>(n);
  for (Mask rest = all & ~reached; rest != 0; rest &= rest - 1) row[lowest_vertex(rest)] = 1000;
  // A vertex that lists itself is one edge away from itself.
  for (int32_t k = 1; k <= V_POCET_SUSEDOV[s]; ++k) {
    if (V_SUSEDIA[s][k] == s) row[s] = 1;
  }
}

// A loop, a repeated edge, a triangle or a 4-cycle through the centre: two of its
// neighbours that coincide, are adjacent or share a neighbour besides the centre.
template <typename Mask>
bool short_cycle_through(int32_t centre, const Mask* around) {
  const int32_t* slot = V_SUSEDIA[centre];
  for (int32_t j = 1; j <= V_POCET_SUSEDOV[centre]; ++j) {
    if (slot[j] == centre) return true;
    for (int32_t k = j + 1; k <= V_POCET_SUSEDOV[centre]; ++k) {
      if (slot[j] == slot[k]) return true;
      if ((around[slot[j]] & vertex_bit<Mask>(slot[k])) != 0) return true;
      if ((around[slot[j]] & around[slot[k]] & ~vertex_bit<Mask>(centre)) != 0) return true;
    }
  }
  return false;
}

// Whether a short cycle passes through a vertex, found when first asked, like the rows
// of VZDIALENOST, under the stamp of the current graph.
bool short_cycle[101];
uint32_t short_cycle_stamp[101];

bool short_cycle_at(int32_t centre) {
  if (short_cycle_stamp[centre] != DISTANCE_GRAPH_STAMP) {
    short_cycle_stamp[centre] = DISTANCE_GRAPH_STAMP;
    short_cycle[centre] = fits_one_word() ? short_cycle_through(centre, around_narrow)
                                          : short_cycle_through(centre, around_wide);
  }
  return short_cycle[centre];
}

// A new graph: its neighbour masks, and every row and short-cycle answer out of date.
void start_graph() {
  if (fits_one_word()) {
    find_neighbour_masks(around_narrow);
  } else {
    find_neighbour_masks(around_wide);
  }
  // Before the stamp wraps round, every old stamp is cleared.
  if (DISTANCE_GRAPH_STAMP == UINT32_MAX) {
    for (int32_t v = 0; v <= 100; ++v) DISTANCE_ROW_STAMP[v] = short_cycle_stamp[v] = 0;
    DISTANCE_GRAPH_STAMP = 0;
  }
  ++DISTANCE_GRAPH_STAMP;
}

// DISTANCE(a, b) == 1 and DISTANCE(a, b) == 2 read off the neighbour masks, sparing the
// passes a row of distances for every neighbour of a centre. A vertex is one edge away
// from itself exactly when it lists itself, which puts it in its own mask.
template <typename Mask>
bool adjacent_by_mask(const Mask* around, int32_t a, int32_t b) {
  return (around[a] & vertex_bit<Mask>(b)) != 0;
}

bool at_distance_one(int32_t a, int32_t b) {
  return fits_one_word() ? adjacent_by_mask(around_narrow, a, b)
                         : adjacent_by_mask(around_wide, a, b);
}

template <typename Mask>
bool two_apart_by_mask(const Mask* around, int32_t a, int32_t b) {
  return a != b && !adjacent_by_mask(around, a, b) && (around[a] & around[b]) != 0;
}

bool at_distance_two(int32_t a, int32_t b) {
  return fits_one_word() ? two_apart_by_mask(around_narrow, a, b)
                         : two_apart_by_mask(around_wide, a, b);
}

}  // namespace

void FILL_DISTANCE_ROW(int32_t s) {
  DISTANCE_ROW_STAMP[s] = DISTANCE_GRAPH_STAMP;
  if (fits_one_word()) {
    fill_distance_row(s, around_narrow);
  } else {
    fill_distance_row(s, around_wide);
  }
}

bool SHORT_CYCLE_THROUGH(int32_t centre) {
  WideMask around[101];
  find_neighbour_masks(around);
  return short_cycle_through(centre, around);
}

void BUILD_REDUCED_GRAPH(const int32_t* centres, int32_t count) {
  const int32_t n = V_POCET_VRCHOLOV;
  for (int32_t v = 1; v <= n; ++v) BUDE_V_NOVOM[v] = true;
  for (int32_t c = 0; c < count; ++c) {
    BUDE_V_NOVOM[centres[c]] = false;
    for (int32_t j = 1; j <= V_POCET_SUSEDOV[centres[c]]; ++j) {
      BUDE_V_NOVOM[V_SUSEDIA[centres[c]][j]] = false;
    }
  }

  for (int32_t v = 0; v <= n; ++v) PRECISLUJ[v] = 0;
  POCET_VRCHOLOV = 0;
  for (int32_t v = 1; v <= n; ++v) {
    if (BUDE_V_NOVOM[v]) {
      ++POCET_VRCHOLOV;
      PRECISLUJ[v] = POCET_VRCHOLOV;
      PRECISLUJINV[POCET_VRCHOLOV] = v;
    }
  }
  if (POCET_VRCHOLOV > MAX_SEARCH_VERTICES) {
    graphtext::fail(graphtext::INVALID_NUMERIC_FORMAT, graphtext::Operation::Record,
                    "graph %d of %d vertices leaves a reduced graph of %d vertices, more "
                    "than the %d a search can hold",
                    ZNACKA, n, POCET_VRCHOLOV, MAX_SEARCH_VERTICES);
  }

  // Plain adjacency in reduced numbers: every remaining neighbour, in slot order.
  for (int32_t r = 1; r <= POCET_VRCHOLOV; ++r) {
    const int32_t v = PRECISLUJINV[r];
    int32_t kept = 0;
    for (int32_t k = 1; k <= V_POCET_SUSEDOV[v]; ++k) {
      const int32_t a = PRECISLUJ[V_SUSEDIA[v][k]];
      if (a != 0) SUSEDIA[r][++kept] = a;
    }
    POCET_SUSEDOV[r] = kept;
  }

  POCET_VYNIMIEK = 0;
  CONSTRUCTION_BROKEN = false;
}

void VYMENA(int32_t& A, int32_t& B) {
  int32_t t = A;
  A = B;
  B = t;
}

void OTHER_TWO_NEIGHBOURS(int32_t a, int32_t c, int32_t& first, int32_t& second) {
  if (V_SUSEDIA[a][1] != c && V_SUSEDIA[a][2] != c) {
    first = V_SUSEDIA[a][1];
    second = V_SUSEDIA[a][2];
  } else if (V_SUSEDIA[a][1] != c && V_SUSEDIA[a][3] != c) {
    first = V_SUSEDIA[a][1];
    second = V_SUSEDIA[a][3];
  } else {
    first = V_SUSEDIA[a][2];
    second = V_SUSEDIA[a][3];
  }
}

void ADD_EXCEPTION_PAIR(int32_t p, int32_t q, int32_t middle) {
  MEDZI_NIMI[p][q] = middle;
  MEDZI_NIMI[q][p] = middle;
  append_pair(p, q);
}

void ADD_FORK_PAIRS(int32_t centre) {
  for (int32_t j = 1; j <= 3; ++j) {
    int32_t a = V_SUSEDIA[centre][j];
    int32_t b = 0;
    int32_t c = 0;
    OTHER_TWO_NEIGHBOURS(a, centre, b, c);
    ADD_EXCEPTION_PAIR(b, c, a);
  }
}

void ADD_FAR_PAIRS(int32_t centre, const int32_t* far_from, int32_t count) {
  for (int32_t j = 1; j <= V_POCET_SUSEDOV[centre]; ++j) {
    int32_t a = V_SUSEDIA[centre][j];
    bool far = true;
    // Read from the centres' rows, which the fork-choice loop has filled already.
    for (int32_t i = 0; i < count; ++i) far = far && DISTANCE(far_from[i], a) >= 4;
    if (!far) continue;
    int32_t b = 0;
    int32_t c = 0;
    OTHER_TWO_NEIGHBOURS(a, centre, b, c);
    ADD_EXCEPTION_PAIR(b, c, a);
  }
}

void ADD_BRIDGED_PAIRS(int32_t outer, int32_t inner) {
  for (int32_t j = 1; j <= V_POCET_SUSEDOV[outer]; ++j) {
    for (int32_t k = 1; k <= V_POCET_SUSEDOV[inner]; ++k) {
      int32_t a = V_SUSEDIA[outer][j];
      int32_t b = V_SUSEDIA[inner][k];
      if (!at_distance_two(a, b)) continue;
      int32_t c = 0, d = 0, e = 0, f = 0;
      OTHER_TWO_NEIGHBOURS(a, outer, c, d);
      OTHER_TWO_NEIGHBOURS(b, inner, e, f);
      // Align the shared neighbour to the front of both pairs.
      if (c == f) {
        VYMENA(e, f);
      } else if (d == e) {
        VYMENA(c, d);
      } else if (d == f) {
        VYMENA(c, d);
        VYMENA(e, f);
      }
      if (c != e) {
        CONSTRUCTION_BROKEN = true;
        continue;
      }
      if (PRECISLUJ[c] != 0 && PRECISLUJ[d] != 0) ADD_EXCEPTION_PAIR(c, d, a);
      if (PRECISLUJ[e] != 0 && PRECISLUJ[f] != 0) ADD_EXCEPTION_PAIR(e, f, b);
      int32_t g = neighbour_other_than(c, a, b);
      if (g == 0) {
        CONSTRUCTION_BROKEN = true;
        continue;
      }
      remove_reduced_edge(PRECISLUJ[c], PRECISLUJ[g]);
    }
  }
}

void ADD_ADJACENT_PAIRS(int32_t outer, int32_t inner) {
  for (int32_t j = 1; j <= V_POCET_SUSEDOV[outer]; ++j) {
    for (int32_t k = 1; k <= V_POCET_SUSEDOV[inner]; ++k) {
      int32_t a = V_SUSEDIA[outer][j];
      int32_t b = V_SUSEDIA[inner][k];
      if (!at_distance_one(a, b)) continue;
      int32_t c = neighbour_other_than(a, outer, b);
      int32_t d = neighbour_other_than(b, inner, a);
      if (c == 0 || d == 0) {
        CONSTRUCTION_BROKEN = true;
        continue;
      }
      MEDZI_NIMI[c][d] = a * 100 + b;
      MEDZI_NIMI[d][c] = b * 100 + a;
      append_pair(c, d);
    }
  }
}

bool CHOOSE_START_VERTEX() {
  for (int32_t j = 1; j <= POCET_VRCHOLOV; ++j) {
    MOZE_BYT = true;
    for (int32_t k = 1; k <= POCET_VYNIMIEK && MOZE_BYT; ++k) {
      if (V1[k] == j || V2[k] == j) MOZE_BYT = false;
    }
    if (MOZE_BYT) {
      ZACIATOK = j;
      return true;
    }
  }
  return false;
}

bool CHOOSE_FALLBACK_START(int32_t near, int32_t other) {
  for (int32_t j = 1; j <= V_POCET_VRCHOLOV; ++j) {
    if (DISTANCE(near, j) == 2 && DISTANCE(other, j) >= 3) {
      ZACIATOK = PRECISLUJ[j];
      return ZACIATOK != 0;
    }
  }
  return false;
}

namespace {

void add_exception_pairs(const int32_t* centre, int32_t forks) {
  if (forks == 1) {
    ADD_FORK_PAIRS(centre[0]);
  } else if (forks == 2) {
    ADD_FAR_PAIRS(centre[0], &centre[1], 1);
    ADD_FAR_PAIRS(centre[1], &centre[0], 1);
    ADD_BRIDGED_PAIRS(centre[0], centre[1]);
    ADD_ADJACENT_PAIRS(centre[0], centre[1]);
  } else {
    // The middle centre lies between the outer two, which are too far apart for pairs.
    const int32_t outer[2] = {centre[0], centre[2]};
    ADD_FAR_PAIRS(centre[0], &centre[1], 1);
    ADD_FAR_PAIRS(centre[1], outer, 2);
    ADD_FAR_PAIRS(centre[2], &centre[1], 1);
    ADD_BRIDGED_PAIRS(centre[0], centre[1]);
    ADD_ADJACENT_PAIRS(centre[0], centre[1]);
    ADD_BRIDGED_PAIRS(centre[2], centre[1]);
    ADD_ADJACENT_PAIRS(centre[2], centre[1]);
  }
}

bool choose_start(const int32_t* centre, int32_t forks) {
  FALLBACK_START_USED = false;
  if (forks == 1) {
    // Reduced vertex 1: the smallest vertex outside the closed neighbourhood of the centre.
    ZACIATOK = 1;
    return POCET_VRCHOLOV >= 1;
  }
  if (CHOOSE_START_VERTEX()) return true;
  FALLBACK_START_USED = forks == 3 && CHOOSE_FALLBACK_START(centre[2], centre[1]);
  return FALLBACK_START_USED;
}

}  // namespace

void PREPARE_GRAPH() { start_graph(); }

bool PREPARE_FORK_CHOICE(const int32_t* centre, int32_t forks) {
  BUILD_REDUCED_GRAPH(centre, forks);
  for (int32_t i = 0; i < forks; ++i) {
    if (short_cycle_at(centre[i])) return false;
  }
  add_exception_pairs(centre, forks);
  return !CONSTRUCTION_BROKEN && choose_start(centre, forks);
}

void BUILD_CYCLE() {
  for (int32_t j = 1; j <= DLZKA_DOM; ++j) DOM_KRUZNICA[j] = PRECISLUJINV[DOM_KRUZNICA[j]];
  // A closing copy of the first vertex lets a pair of the last and the first vertex be
  // found at the last position.
  ++DLZKA_DOM;
  DOM_KRUZNICA[DLZKA_DOM] = DOM_KRUZNICA[1];
  for (int32_t k = 1; k <= POCET_VYNIMIEK; ++k) {
    int32_t p = PRECISLUJINV[V1[k]];
    int32_t q = PRECISLUJINV[V2[k]];
    for (int32_t i = 1; i < DLZKA_DOM; ++i) {
      if ((DOM_KRUZNICA[i] == p && DOM_KRUZNICA[i + 1] == q) ||
          (DOM_KRUZNICA[i] == q && DOM_KRUZNICA[i + 1] == p)) {
        insert_middle(i, p, q);
        break;
      }
    }
  }
  --DLZKA_DOM;
}
