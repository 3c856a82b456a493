#include "path_search.h"

#include <bit>

namespace {

constexpr int32_t N_MAX = MAX_SEARCH_VERTICES;
constexpr int32_t MOVES_MAX = 2 * 100;

uint32_t bit_of(int32_t v) { return 1u << (v - 1); }

// The search graph as bit masks and move lists, prepared once per search.
struct Moves {
  int32_t n = 0;
  uint32_t full = 0;
  uint32_t plain_mask[N_MAX + 1];
  uint32_t jump_mask[N_MAX + 1];
  // Plain and jump relations, both directions: what the dead-state tests may use.
  uint32_t adjacent[N_MAX + 1];
  int32_t plain_count[N_MAX + 1];
  int32_t plain_list[N_MAX + 1][3];
  int32_t jump_count[N_MAX + 1];
  int32_t jump_list[N_MAX + 1][MOVES_MAX];
};

Moves g;
int32_t goal = 0;
uint32_t goal_bit = 0;
int32_t path[N_MAX + 1];

// Dead states of the current goal search: dead_heads[S] has bit h - 1 when (S, h) cannot
// reach the goal. A stamp per entry stands for clearing the table between searches.
struct DeadEntry {
  uint32_t stamp;
  uint32_t dead_heads;
};
DeadEntry dead[1u << N_MAX];
uint32_t stamp = 0;

PathSearchCounters counters;

void prepare_moves() {
  g.n = POCET_VRCHOLOV;
  g.full = g.n == 32 ? ~0u : (1u << g.n) - 1;
  for (int32_t v = 1; v <= g.n; ++v) {
    g.plain_mask[v] = 0;
    g.jump_mask[v] = 0;
    g.adjacent[v] = 0;
    g.jump_count[v] = 0;
    g.plain_count[v] = POCET_SUSEDOV[v];
  }
  for (int32_t v = 1; v <= g.n; ++v) {
    for (int32_t l = 1; l <= POCET_SUSEDOV[v]; ++l) {
      int32_t w = SUSEDIA[v][l];
      g.plain_list[v][l - 1] = w;
      g.plain_mask[v] |= bit_of(w);
      g.adjacent[v] |= bit_of(w);
      g.adjacent[w] |= bit_of(v);
    }
  }
  // A head tries its pairs in list order, each pair first as V1 then as V2.
  for (int32_t k = 1; k <= POCET_VYNIMIEK; ++k) {
    int32_t a = V1[k];
    int32_t b = V2[k];
    g.jump_list[a][g.jump_count[a]++] = b;
    g.jump_list[b][g.jump_count[b]++] = a;
    g.jump_mask[a] |= bit_of(b);
    g.jump_mask[b] |= bit_of(a);
    g.adjacent[a] |= bit_of(b);
    g.adjacent[b] |= bit_of(a);
  }
}

// The vertices a move from head h may go to next, with `unvisited` still open: the
// targets of the open jumps, or the plain neighbours when the head has no open jump.
uint32_t next_vertices(uint32_t unvisited, int32_t h) {
  uint32_t jumps = g.jump_mask[h] & unvisited;
  return jumps != 0 ? jumps : g.plain_mask[h] & unvisited;
}

// True when the unvisited vertices are connected through plain edges and pairs.
bool connected(uint32_t unvisited) {
  uint32_t reached = unvisited & (~unvisited + 1);
  uint32_t frontier = reached;
  while (frontier != 0) {
    int32_t x = std::countr_zero(frontier) + 1;
    frontier &= frontier - 1;
    uint32_t fresh = g.adjacent[x] & unvisited & ~reached;
    reached |= fresh;
    frontier |= fresh;
  }
  return reached == unvisited;
}

// The conditions on the unvisited vertices `among` that a state with head h and the
// given unvisited set must meet: each of them keeps an open neighbour, and only the first
// vertex of the rest (one of `next`) or the goal may keep just one.
bool open_neighbours_suffice(uint32_t among, uint32_t unvisited, uint32_t next) {
  bool path_start_seen = false;
  for (uint32_t rest = among; rest != 0; rest &= rest - 1) {
    int32_t u = std::countr_zero(rest) + 1;
    uint32_t open = g.adjacent[u] & unvisited;
    if (open == 0) return false;
    if ((open & (open - 1)) == 0 && u != goal) {
      if (path_start_seen || (bit_of(u) & next) == 0) return false;
      path_start_seen = true;
    }
  }
  return true;
}

// False only when state (visited, h) cannot reach the goal. The rest of the path starts
// at a vertex of next_vertices, runs through every unvisited vertex once and ends at the
// goal, so: the goal is unvisited, the unvisited vertices are connected and have enough
// open neighbours. With `stepped_to`, the state was reached by a step to h from a state
// that met the conditions: then only the neighbours of h lost an open neighbour, and the
// unvisited vertices can only have come apart if h joined two or more of them.
bool may_reach_goal(uint32_t visited, int32_t h, bool stepped_to) {
  uint32_t unvisited = g.full & ~visited;
  if (unvisited == 0) return h == goal;
  if ((unvisited & goal_bit) == 0) return false;
  uint32_t next = next_vertices(unvisited, h);
  if (next == 0) return false;
  if (unvisited == goal_bit) return true;
  if (!stepped_to) return open_neighbours_suffice(unvisited, unvisited, next) && connected(unvisited);
  uint32_t touched = g.adjacent[h] & unvisited;
  if (!open_neighbours_suffice(touched, unvisited, next)) return false;
  return (touched & (touched - 1)) == 0 || connected(unvisited);
}

// Depth-first over the moves in the order the state tries them; (visited, h) has passed
// may_reach_goal. On success path[0..depth..n-1] holds the move sequence.
bool extend(uint32_t visited, int32_t h, int32_t depth) {
  if (visited == g.full) return h == goal;
  DeadEntry& entry = dead[visited];
  if (entry.stamp == stamp && (entry.dead_heads & bit_of(h)) != 0) return false;
  ++counters.expanded_states;

  uint32_t unvisited = g.full & ~visited;
  bool jumping = (g.jump_mask[h] & unvisited) != 0;
  const int32_t* moves = jumping ? g.jump_list[h] : g.plain_list[h];
  int32_t count = jumping ? g.jump_count[h] : g.plain_count[h];
  uint32_t tried = 0;
  for (int32_t i = 0; i < count; ++i) {
    int32_t t = moves[i];
    uint32_t b = bit_of(t);
    // A target already visited is no move; a repeated target reaches the same state.
    if ((unvisited & b) == 0 || (tried & b) != 0) continue;
    tried |= b;
    if (!may_reach_goal(visited | b, t, true)) continue;
    path[depth + 1] = t;
    if (extend(visited | b, t, depth + 1)) return true;
  }
  if (entry.stamp != stamp) {
    entry.stamp = stamp;
    entry.dead_heads = 0;
  }
  entry.dead_heads |= bit_of(h);
  return false;
}

void next_stamp() {
  if (++stamp == 0) {
    for (auto& e : dead) e.stamp = 0;
    stamp = 1;
  }
}

// The sequence as the extraction of the level search leaves it: the start, then the path
// from its last vertex backwards to the vertex after the start.
void store_sequence(int32_t start) {
  DLZKA_DOM = 1;
  DOM_KRUZNICA[1] = start;
  for (int32_t i = g.n - 1; i >= 1; --i) DOM_KRUZNICA[++DLZKA_DOM] = path[i];
}

}  // namespace

// A cycle through three or more vertices needs every vertex to have two neighbours and the
// graph to be connected, whichever goal closes it: when that fails, no goal is searched.
bool may_hold_a_cycle() {
  for (int32_t v = 1; v <= g.n; ++v) {
    uint32_t around = g.adjacent[v] & ~bit_of(v);
    if ((around & (around - 1)) == 0) return false;
  }
  return connected(g.full);
}

bool FIND_DOMINATING_PATH(int32_t start) {
  ++counters.searches;
  prepare_moves();
  if (g.n >= 3 && !may_hold_a_cycle()) return false;
  path[0] = start;
  // Goals in their order of preference: closing through slot 1, 2, then 3 of the start.
  for (int32_t k = 1; k <= POCET_SUSEDOV[start] && k <= 3; ++k) {
    goal = SUSEDIA[start][k];
    bool seen_before = false;
    for (int32_t j = 1; j < k; ++j) seen_before |= SUSEDIA[start][j] == goal;
    if (seen_before) continue;
    goal_bit = bit_of(goal);
    next_stamp();
    if (may_reach_goal(bit_of(start), start, false) && extend(bit_of(start), start, 0)) {
      store_sequence(start);
      return true;
    }
  }
  return false;
}

const PathSearchCounters& path_search_counters() { return counters; }
