#include "literal_path_search.h"

#include <vector>

#include "search_graph.h"
#include "state_numbering.h"

namespace {

// The tables grow to the largest search seen instead of holding 900 MB from the start.
std::vector<uint8_t> VISITED;  // one byte per state, as the tables are defined
std::vector<int32_t> PREDCHODCA;
std::vector<int32_t> Q1;
std::vector<int32_t> Q2;
int32_t DLZKA1 = 0;
int32_t DLZKA2 = 0;
int32_t HLAVA = 0;
POLE_BOOL POMOCNE;
POLE_BOOL POMOCNE2;
bool EXTRA = false;
int32_t KONIEC1 = 0;
int32_t KONIEC2 = 0;
int32_t KONIEC3 = 0;
int32_t UKONCI = 0;
uint64_t discovered = 0;

void make_room(int32_t states) {
  if (static_cast<int32_t>(VISITED.size()) < states) {
    VISITED.resize(states);
    PREDCHODCA.resize(states);
    Q1.resize(states + 1);
    Q2.resize(states + 1);
  }
}

bool goal_reached() { return VISITED[KONIEC1] || VISITED[KONIEC2] || VISITED[KONIEC3]; }

}  // namespace

bool LITERAL_PATH_SEARCH(int32_t s) {
  const int32_t n = POCET_VRCHOLOV;
  make_room(MOCNINA[n] * n + 1);

  // Goals: the full set ending at a plain neighbour of s, one for each slot s has.
  for (int32_t v = 1; v <= n; ++v) POMOCNE[v] = true;
  KONIEC1 = POCET_SUSEDOV[s] >= 1 ? NA_CISLO(POMOCNE, SUSEDIA[s][1]) : 0;
  KONIEC2 = POCET_SUSEDOV[s] >= 2 ? NA_CISLO(POMOCNE, SUSEDIA[s][2]) : 0;
  KONIEC3 = POCET_SUSEDOV[s] >= 3 ? NA_CISLO(POMOCNE, SUSEDIA[s][3]) : 0;

  DLZKA1 = 1;
  for (int32_t v = 1; v <= n; ++v) POMOCNE[v] = false;
  POMOCNE[s] = true;
  Q1[1] = NA_CISLO(POMOCNE, s);
  for (int32_t j = 0; j <= MOCNINA[n] * n; ++j) VISITED[j] = false;
  VISITED[Q1[1]] = true;

  while (DLZKA1 > 0 && !goal_reached()) {
    DLZKA2 = 0;
    for (int32_t j = 1; j <= DLZKA1; ++j) {
      NA_POLE(Q1[j], POMOCNE, HLAVA);
      EXTRA = false;
      auto discover = [&](int32_t w) {
        for (int32_t v = 1; v <= n; ++v) POMOCNE2[v] = POMOCNE[v];
        POMOCNE2[w] = true;
        int32_t t = NA_CISLO(POMOCNE2, w);
        if (!VISITED[t]) {
          VISITED[t] = true;
          ++discovered;
          PREDCHODCA[t] = Q1[j];
          ++DLZKA2;
          Q2[DLZKA2] = t;
        }
      };
      for (int32_t k = 1; k <= POCET_VYNIMIEK; ++k) {
        if (V1[k] == HLAVA && !POMOCNE[V2[k]]) {
          EXTRA = true;
          discover(V2[k]);
        }
        if (V2[k] == HLAVA && !POMOCNE[V1[k]]) {
          EXTRA = true;
          discover(V1[k]);
        }
      }
      if (!EXTRA) {
        for (int32_t l = 1; l <= POCET_SUSEDOV[HLAVA]; ++l) {
          int32_t w = SUSEDIA[HLAVA][l];
          if (!POMOCNE[w]) discover(w);
        }
      }
    }
    DLZKA1 = DLZKA2;
    for (int32_t i = 1; i <= DLZKA1; ++i) Q1[i] = Q2[i];
  }
  if (!goal_reached()) return false;

  int32_t g = VISITED[KONIEC1] ? KONIEC1 : VISITED[KONIEC2] ? KONIEC2 : KONIEC3;
  for (int32_t v = 1; v <= n; ++v) POMOCNE[v] = false;
  POMOCNE[s] = true;
  UKONCI = NA_CISLO(POMOCNE, s);
  DLZKA_DOM = 1;
  DOM_KRUZNICA[1] = s;
  int32_t a = g;
  while (a != UKONCI) {
    int32_t b = 0;
    NA_POLE(a, POMOCNE, b);
    ++DLZKA_DOM;
    DOM_KRUZNICA[DLZKA_DOM] = b;
    a = PREDCHODCA[a];
  }
  return true;
}

uint64_t literal_discovered_states() { return discovered; }
