#include "search.h"

#include <cassert>
#include <cstring>

#include "graph_operations.h"

// How the search gets the literal order's answer without its cost.
//
// The candidate order is fixed: every candidate is tried in counter order, M1 first and
// M2 only when M1 passes. Two facts make most of those tests repeats:
//
// 1. Whether a matching passes depends only on the multiset of its edges. ODOBER_PARENIE
//    removes, for each edge, the last occurrence of each end from the other end's list.
//    Removals of different values from one list commute (removing the last x leaves
//    every y in place and in order), and k removals of one value take its last k
//    occurrences whatever comes between; so the lists after the removal, and with them
//    HOMEOMORFNY and JE_BIPARTITNY, do not depend on the order or orientation of the
//    edges. This holds for any record, malformed ones included.
// 2. Across the three states of an item its contribution to M1 takes only two values
//    (a chord: none, or the chord; a vertex: v-s1, or v-s2), and likewise to M2. One bit
//    per item tells which, so M1 is a function of a bit vector b over the items and M2
//    of a bit vector c.
//
// So the verdict of M1 is remembered per b and that of M2 per c, filled in the literal
// scan order: a matching is tested only the first time the scan needs its verdict, and
// a candidate one of whose verdicts is already known to fail is passed over without a
// test. Each candidate's outcome is still "M1 passes and M2 passes", so the scan, which
// visits the candidates in counter order, stops at the same first passing one; it runs
// a subset of the literal search's tests (M2 still only after M1 has passed). Above
// MEMO_BITS items the tables would be too big and every verdict the literal search
// needs is computed afresh, as it computes it.

namespace {

// The search's copy of the graph: the lists only, with room for the three entries a
// record gives each vertex (the operations only ever shorten lists).
struct PRACOVNY_GRAF {
  int16_t POCET_VRCHOLOV;
  bool JE_BIP;
  int16_t POCET_SUSEDOV[MAX_VRCHOLOV + 1];
  int16_t SUSEDIA[MAX_VRCHOLOV + 1][4];
  int16_t FARBA[MAX_VRCHOLOV + 1];
};

// One unit of choice: a chord (HRANY[1], HRANY[2]), or a vertex off the cycle with its
// three edges (v, s1), (v, s2), (v, s3) as HRANY[1..6].
struct POLOZKY {
  int16_t N;
  bool CHORDA[MAX_POLOZIEK + 2];
  int16_t HRANY[MAX_POLOZIEK + 2][7];
};

// Which edge of an item each state puts into M1 and into M2: 0 none, e the e-th edge
// (HRANY[2e-1], HRANY[2e]).
struct STAV {
  int8_t hrana_M1;
  int8_t hrana_M2;
};
constexpr STAV KANDIDAT[2][3] = {
    {{1, 2}, {1, 3}, {2, 3}},  // vertex off the cycle
    {{0, 0}, {1, 0}, {0, 1}},  // chord
};

constexpr int MEMO_BITS = 24;
enum : uint8_t { NEZNAMY = 0, PRESIEL = 1, NEPRESIEL = 2 };
// Verdicts by bit vector; only the first 2^N entries of a search are cleared and used.
uint8_t VERDIKT_M1[1u << MEMO_BITS];
uint8_t VERDIKT_M2[1u << MEMO_BITS];

PRACOVNY_GRAF PRACOVNA_KOPIA(const TGRAF& G) {
  PRACOVNY_GRAF W;
  W.POCET_VRCHOLOV = G.POCET_VRCHOLOV;
  for (int16_t v = 1; v <= G.POCET_VRCHOLOV; ++v) {
    assert(G.POCET_SUSEDOV[v] <= 3);
    W.POCET_SUSEDOV[v] = G.POCET_SUSEDOV[v];
    for (int16_t k = 1; k <= G.POCET_SUSEDOV[v]; ++k) W.SUSEDIA[v][k] = G.SUSEDIA[v][k];
  }
  return W;
}

void PRIDAJ_POLOZKU(POLOZKY& polozky, int16_t L) {
  if (polozky.N == MAX_POLOZIEK) {
    graphtext::fail(graphtext::INVALID_NUMERIC_FORMAT, graphtext::Operation::Record,
                    "the cycle of length %d leaves more than %d chords and vertices off it "
                    "(it is not a dominating cycle of the graph)",
                    L, MAX_POLOZIEK);
  }
  ++polozky.N;
}

void PRIPRAV_POLOZKY(const TGRAF& G, POLOZKY& polozky) {
  const int16_t n = G.POCET_VRCHOLOV;
  const int16_t L = G.DLZKA_DOM;
  int16_t DOMINUJUCA[MAX_DLZKA_DOM + 2];
  for (int16_t i = 1; i <= L; ++i) DOMINUJUCA[i] = G.DOMINUJUCA[i];
  DOMINUJUCA[0] = DOMINUJUCA[L];
  DOMINUJUCA[L + 1] = DOMINUJUCA[1];

  int16_t POLOHA[MAX_VRCHOLOV + 1];
  for (int16_t v = 1; v <= n; ++v) POLOHA[v] = 0;
  for (int16_t i = 1; i <= L; ++i) POLOHA[DOMINUJUCA[i]] = i;

  polozky.N = 0;
  for (int16_t I = 1; I <= n; ++I) {
    for (int16_t J = 1; J <= G.POCET_SUSEDOV[I]; ++J) {
      const int16_t A = I;
      const int16_t B = G.SUSEDIA[I][J];
      if (A < B && POLOHA[A] > 0 && POLOHA[B] > 0 && DOMINUJUCA[POLOHA[A] - 1] != B &&
          DOMINUJUCA[POLOHA[A] + 1] != B) {
        PRIDAJ_POLOZKU(polozky, L);
        polozky.CHORDA[polozky.N] = true;
        polozky.HRANY[polozky.N][1] = A;
        polozky.HRANY[polozky.N][2] = B;
      }
    }
  }
  for (int16_t I = 1; I <= n; ++I) {
    if (POLOHA[I] != 0) continue;
    PRIDAJ_POLOZKU(polozky, L);
    polozky.CHORDA[polozky.N] = false;
    for (int16_t k = 1; k <= 3; ++k) {
      polozky.HRANY[polozky.N][2 * k - 1] = I;
      polozky.HRANY[polozky.N][2 * k] = G.SUSEDIA[I][k];
    }
  }
}

// The matchings of the candidate with states P[1..N], edges in item order.
void ZOSTAV_PARENIA(const POLOZKY& polozky, const int16_t* P, PARENIE* M1, PARENIE* M2) {
  if (M1 != nullptr) M1->POCET_HRAN = 0;
  if (M2 != nullptr) M2->POCET_HRAN = 0;
  for (int16_t i = 1; i <= polozky.N; ++i) {
    const STAV& stav = KANDIDAT[polozky.CHORDA[i]][P[i]];
    const int16_t* hrany = polozky.HRANY[i];
    if (M1 != nullptr && stav.hrana_M1 > 0) {
      PRIDAJ_HRANU(*M1, hrany[2 * stav.hrana_M1 - 1], hrany[2 * stav.hrana_M1]);
    }
    if (M2 != nullptr && stav.hrana_M2 > 0) {
      PRIDAJ_HRANU(*M2, hrany[2 * stav.hrana_M2 - 1], hrany[2 * stav.hrana_M2]);
    }
  }
}

bool PRECHADZA(const PRACOVNY_GRAF& W, const PARENIE& M) {
  PRACOVNY_GRAF H = HOMEOMORFNY(ODOBER_PARENIE(W, M));
  return JE_BIPARTITNY(H);
}

// The verdict of one matching of the candidate P: from the table when it is known,
// otherwise tested (and remembered when there is a table).
template <class ZOSTAV>
bool OVER(uint8_t* verdikty, uint32_t index, const PRACOVNY_GRAF& W, ZOSTAV zostav) {
  if (verdikty != nullptr && verdikty[index] != NEZNAMY) return verdikty[index] == PRESIEL;
  PARENIE M;
  zostav(M);
  const bool presiel = PRECHADZA(W, M);
  if (verdikty != nullptr) verdikty[index] = presiel ? PRESIEL : NEPRESIEL;
  return presiel;
}

}  // namespace

VYSLEDOK_2DBP VYHLADAVANIE(const TGRAF& G) {
  VYSLEDOK_2DBP vysledok;
  vysledok.NAJDENE = false;
  vysledok.M1.POCET_HRAN = 0;
  vysledok.M2.POCET_HRAN = 0;

  if (G.DLZKA_DOM < 1) return vysledok;  // no cycle: nothing to search

  POLOZKY polozky;
  PRIPRAV_POLOZKY(G, polozky);
  const int16_t N = polozky.N;
  if (N == 0) return vysledok;  // the counter overflows before its first candidate

  const PRACOVNY_GRAF W = PRACOVNA_KOPIA(G);
  const bool pamata = N <= MEMO_BITS;
  uint8_t* verdikt_M1 = pamata ? VERDIKT_M1 : nullptr;
  uint8_t* verdikt_M2 = pamata ? VERDIKT_M2 : nullptr;
  if (pamata) {
    std::memset(VERDIKT_M1, NEZNAMY, size_t{1} << N);
    std::memset(VERDIKT_M2, NEZNAMY, size_t{1} << N);
  }

  // ZMENA_B[i][s]: how b changes when item i goes from state s to the next (2 to 0);
  // the bit of an item says whether its M1 edge differs from the one of state 0.
  uint32_t ZMENA_B[MAX_POLOZIEK + 1][3] = {};
  uint32_t ZMENA_C[MAX_POLOZIEK + 1][3] = {};
  if (pamata) {
    for (int16_t i = 1; i <= N; ++i) {
      const STAV* stavy = KANDIDAT[polozky.CHORDA[i]];
      const uint32_t bit = uint32_t{1} << (i - 1);
      for (int s = 0; s < 3; ++s) {
        const int t = (s + 1) % 3;
        const bool b_s = stavy[s].hrana_M1 != stavy[0].hrana_M1;
        const bool b_t = stavy[t].hrana_M1 != stavy[0].hrana_M1;
        const bool c_s = stavy[s].hrana_M2 != stavy[0].hrana_M2;
        const bool c_t = stavy[t].hrana_M2 != stavy[0].hrana_M2;
        ZMENA_B[i][s] = b_s != b_t ? bit : 0;
        ZMENA_C[i][s] = c_s != c_t ? bit : 0;
      }
    }
  }

  // The counter starts at the first candidate, every state 0 (b = c = 0).
  int16_t P[MAX_POLOZIEK + 2] = {};
  uint32_t b = 0;
  uint32_t c = 0;
  for (;;) {
    // A verdict already known to fail rules the candidate out without a test.
    const bool vylucene = pamata && (VERDIKT_M1[b] == NEPRESIEL || VERDIKT_M2[c] == NEPRESIEL);
    const bool najdene =
        !vylucene &&
        OVER(verdikt_M1, b, W, [&](PARENIE& M) { ZOSTAV_PARENIA(polozky, P, &M, nullptr); }) &&
        OVER(verdikt_M2, c, W, [&](PARENIE& M) { ZOSTAV_PARENIA(polozky, P, nullptr, &M); });
    if (najdene) {
      vysledok.NAJDENE = true;
      ZOSTAV_PARENIA(polozky, P, &vysledok.M1, &vysledok.M2);
      return vysledok;
    }

    // Next candidate: item 1 changes fastest; a carry past item N ends the search.
    int16_t i = 1;
    while (i <= N && P[i] == 2) {
      b ^= ZMENA_B[i][2];
      c ^= ZMENA_C[i][2];
      P[i] = 0;
      ++i;
    }
    if (i > N) return vysledok;
    b ^= ZMENA_B[i][P[i]];
    c ^= ZMENA_C[i][P[i]];
    ++P[i];
  }
}
