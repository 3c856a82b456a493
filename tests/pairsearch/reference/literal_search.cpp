#include "literal_search.h"

#include <cstdlib>

namespace literal {

int64_t POCET_KANDIDATOV = 0;

TGRAF ODOBER_PARENIE(TGRAF G, PARENIE M) {
  TGRAF H;
  H.POCET_VRCHOLOV = G.POCET_VRCHOLOV;
  for (int16_t v = 1; v <= G.POCET_VRCHOLOV; ++v) H.POCET_SUSEDOV[v] = G.POCET_SUSEDOV[v];
  for (int16_t v = 1; v <= G.POCET_VRCHOLOV; ++v) {
    for (int16_t k = 1; k <= H.POCET_SUSEDOV[v]; ++k) H.SUSEDIA[v][k] = G.SUSEDIA[v][k];
  }
  for (int16_t i = 1; i <= M.POCET_HRAN; ++i) {
    const int16_t A = M.V1[i];
    const int16_t B = M.V2[i];
    int16_t POZICIA = 0;
    for (int16_t k = 1; k <= H.POCET_SUSEDOV[A]; ++k) {
      if (H.SUSEDIA[A][k] == B) POZICIA = k;
    }
    if (POZICIA > 0) {
      H.POCET_SUSEDOV[A] = static_cast<int16_t>(H.POCET_SUSEDOV[A] - 1);
      for (int16_t k = POZICIA; k <= H.POCET_SUSEDOV[A]; ++k) H.SUSEDIA[A][k] = H.SUSEDIA[A][k + 1];
    }
    POZICIA = 0;
    for (int16_t k = 1; k <= H.POCET_SUSEDOV[B]; ++k) {
      if (H.SUSEDIA[B][k] == A) POZICIA = k;
    }
    if (POZICIA > 0) {
      H.POCET_SUSEDOV[B] = static_cast<int16_t>(H.POCET_SUSEDOV[B] - 1);
      for (int16_t k = POZICIA; k <= H.POCET_SUSEDOV[B]; ++k) H.SUSEDIA[B][k] = H.SUSEDIA[B][k + 1];
    }
  }
  return H;
}

TGRAF HOMEOMORFNY(TGRAF G) {
  const int16_t n = G.POCET_VRCHOLOV;
  bool UPRAV = true;
  while (UPRAV) {
    UPRAV = false;
    for (int16_t I = 1; I <= n; ++I) {
      if (G.POCET_SUSEDOV[I] == 2 && G.SUSEDIA[I][1] != G.SUSEDIA[I][2]) {
        UPRAV = true;
        const int16_t A = G.SUSEDIA[I][1];
        const int16_t B = G.SUSEDIA[I][2];
        G.POCET_SUSEDOV[I] = 0;
        for (int16_t k = 1; k <= G.POCET_SUSEDOV[A]; ++k) {
          if (G.SUSEDIA[A][k] == I) G.SUSEDIA[A][k] = B;
        }
        for (int16_t k = 1; k <= G.POCET_SUSEDOV[B]; ++k) {
          if (G.SUSEDIA[B][k] == I) G.SUSEDIA[B][k] = A;
        }
      }
    }
  }

  int16_t PRECISLUJ[MAX_VRCHOLOV + 1];
  PRECISLUJ[0] = 0;
  for (int16_t v = 1; v <= n; ++v) PRECISLUJ[v] = 0;
  int16_t CISLO = 0;
  for (int16_t v = 1; v <= n; ++v) {
    if (G.POCET_SUSEDOV[v] > 0) {
      CISLO = static_cast<int16_t>(CISLO + 1);
      PRECISLUJ[v] = CISLO;
    }
  }
  TGRAF H;
  H.POCET_VRCHOLOV = CISLO;
  for (int16_t a = 1; a <= CISLO; ++a) H.POCET_SUSEDOV[a] = 0;
  for (int16_t I = 1; I <= n; ++I) {
    const int16_t d = G.POCET_SUSEDOV[I];
    const int16_t A = PRECISLUJ[I];
    if (d == 1) {
      H.POCET_SUSEDOV[A] = 1;
      H.SUSEDIA[A][1] = PRECISLUJ[G.SUSEDIA[I][1]];
    } else if (d == 2) {
      const int16_t B = PRECISLUJ[G.SUSEDIA[I][1]];
      const int16_t C = PRECISLUJ[G.SUSEDIA[I][2]];
      if (B == C) {
        H.POCET_SUSEDOV[A] = 1;
        H.SUSEDIA[A][1] = B;
      } else {
        H.POCET_SUSEDOV[A] = 2;
        H.SUSEDIA[A][1] = B;
        H.SUSEDIA[A][2] = C;
      }
    } else if (d == 3) {
      const int16_t B = PRECISLUJ[G.SUSEDIA[I][1]];
      const int16_t C = PRECISLUJ[G.SUSEDIA[I][2]];
      const int16_t D = PRECISLUJ[G.SUSEDIA[I][3]];
      if (B == C && C == D) {
        H.POCET_SUSEDOV[A] = 1;
        H.SUSEDIA[A][1] = B;
      } else if (B == C && C != D) {
        H.POCET_SUSEDOV[A] = 2;
        H.SUSEDIA[A][1] = B;
        H.SUSEDIA[A][2] = D;
      } else if (B == D && D != C) {
        H.POCET_SUSEDOV[A] = 2;
        H.SUSEDIA[A][1] = B;
        H.SUSEDIA[A][2] = C;
      } else if (C == D && D != B) {
        H.POCET_SUSEDOV[A] = 2;
        H.SUSEDIA[A][1] = B;
        H.SUSEDIA[A][2] = C;
      } else {
        H.POCET_SUSEDOV[A] = 3;
        H.SUSEDIA[A][1] = B;
        H.SUSEDIA[A][2] = C;
        H.SUSEDIA[A][3] = D;
      }
    }
    // d = 0: the vertex is gone; d above 3: it keeps its number and an empty list.
  }
  return H;
}

void DO_HLBKY(TGRAF& H, int16_t V, int16_t F) {
  if (!H.JE_BIP) return;
  H.FARBA[V] = F;
  const int16_t stupen = H.POCET_SUSEDOV[V];
  for (int16_t i = 1; i <= stupen; ++i) {
    const int16_t W = H.SUSEDIA[V][i];
    // An entry that names no vertex (left by a malformed record) is not followed.
    if (W < 1 || W > H.POCET_VRCHOLOV) continue;
    if (H.FARBA[W] == -1) {
      DO_HLBKY(H, W, static_cast<int16_t>((F + 1) % 2));
    } else if (H.FARBA[W] == F) {
      H.JE_BIP = false;
    }
  }
}

bool JE_BIPARTITNY(TGRAF& H) {
  for (int16_t v = 1; v <= H.POCET_VRCHOLOV; ++v) H.FARBA[v] = -1;
  H.JE_BIP = true;
  if (H.POCET_VRCHOLOV >= 1) DO_HLBKY(H, 1, 0);
  return H.JE_BIP;
}

VYSLEDOK_2DBP VYHLADAVANIE(TGRAF G) {
  const int16_t n = G.POCET_VRCHOLOV;
  const int16_t L = G.DLZKA_DOM;
  G.DOMINUJUCA[0] = G.DOMINUJUCA[L];
  G.DOMINUJUCA[L + 1] = G.DOMINUJUCA[1];
  int16_t POLOHA[MAX_VRCHOLOV + 1];
  for (int16_t v = 1; v <= n; ++v) POLOHA[v] = 0;
  for (int16_t i = 1; i <= L; ++i) POLOHA[G.DOMINUJUCA[i]] = i;

  int16_t N = 0;
  bool CHORDA[MAX_VRCHOLOV + 1];
  int16_t HRANY[MAX_VRCHOLOV + 1][7];
  for (int16_t I = 1; I <= n; ++I) {
    for (int16_t J = 1; J <= G.POCET_SUSEDOV[I]; ++J) {
      const int16_t A = I;
      const int16_t B = G.SUSEDIA[I][J];
      if (A < B && POLOHA[A] > 0 && POLOHA[B] > 0 && G.DOMINUJUCA[POLOHA[A] - 1] != B &&
          G.DOMINUJUCA[POLOHA[A] + 1] != B) {
        if (N == MAX_POLOZIEK) std::abort();
        ++N;
        CHORDA[N] = true;
        HRANY[N][1] = A;
        HRANY[N][2] = B;
      }
    }
  }
  for (int16_t I = 1; I <= n; ++I) {
    if (POLOHA[I] == 0) {
      if (N == MAX_POLOZIEK) std::abort();
      ++N;
      CHORDA[N] = false;
      HRANY[N][1] = I;
      HRANY[N][2] = G.SUSEDIA[I][1];
      HRANY[N][3] = I;
      HRANY[N][4] = G.SUSEDIA[I][2];
      HRANY[N][5] = I;
      HRANY[N][6] = G.SUSEDIA[I][3];
    }
  }

  bool NAJDENE = false;
  int16_t P[MAX_VRCHOLOV + 1];
  for (int16_t i = 1; i <= N + 1; ++i) P[i] = 0;
  P[1] = -1;
  PARENIE M1;
  PARENIE M2;
  TGRAF H1;
  TGRAF H2;
  POCET_KANDIDATOV = 0;
  while (!NAJDENE && P[N + 1] == 0) {
    P[1] = static_cast<int16_t>(P[1] + 1);
    int16_t i = 1;
    while (P[i] == 3) {
      P[i] = 0;
      P[i + 1] = static_cast<int16_t>(P[i + 1] + 1);
      ++i;
    }
    // The carry past the last item ends the search; the counter has wrapped to the
    // first candidate, which has already failed.
    if (P[N + 1] != 0) break;

    M1.POCET_HRAN = 0;
    M2.POCET_HRAN = 0;
    for (i = 1; i <= N; ++i) {
      if (CHORDA[i]) {
        if (P[i] == 1) PRIDAJ_HRANU(M1, HRANY[i][1], HRANY[i][2]);
        if (P[i] == 2) PRIDAJ_HRANU(M2, HRANY[i][1], HRANY[i][2]);
      } else if (P[i] == 0) {
        PRIDAJ_HRANU(M1, HRANY[i][1], HRANY[i][2]);
        PRIDAJ_HRANU(M2, HRANY[i][3], HRANY[i][4]);
      } else if (P[i] == 1) {
        PRIDAJ_HRANU(M1, HRANY[i][1], HRANY[i][2]);
        PRIDAJ_HRANU(M2, HRANY[i][5], HRANY[i][6]);
      } else {
        PRIDAJ_HRANU(M1, HRANY[i][3], HRANY[i][4]);
        PRIDAJ_HRANU(M2, HRANY[i][5], HRANY[i][6]);
      }
    }
    ++POCET_KANDIDATOV;

    H1 = literal::HOMEOMORFNY(literal::ODOBER_PARENIE(G, M1));
    if (literal::JE_BIPARTITNY(H1)) {
      H2 = literal::HOMEOMORFNY(literal::ODOBER_PARENIE(G, M2));
      if (literal::JE_BIPARTITNY(H2)) NAJDENE = true;
    }
  }

  VYSLEDOK_2DBP vysledok;
  vysledok.NAJDENE = NAJDENE;
  vysledok.M1 = M1;
  vysledok.M2 = M2;
  if (!NAJDENE) {
    vysledok.M1.POCET_HRAN = 0;
    vysledok.M2.POCET_HRAN = 0;
  }
  return vysledok;
}

VYSLEDOK_2DBP search(const TGRAF& G) { return literal::VYHLADAVANIE(G); }

}  // namespace literal
