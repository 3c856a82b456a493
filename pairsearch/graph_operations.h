// The graph operations of the 2DBP test: removing a matching (ODOBER_PARENIE), reducing
// to a homeomorphic graph (HOMEOMORFNY) and the 2-colouring from vertex 1
// (JE_BIPARTITNY with DO_HLBKY).
//
// They are written once for any graph record with the fields POCET_VRCHOLOV,
// POCET_SUSEDOV, SUSEDIA, FARBA and JE_BIP: TGRAF, and the search's compact working
// graph, whose lists hold at most three entries (no operation here lengthens a list).
// Precondition: every list entry names a vertex 1..n.
#pragma once

#include <cstdint>
#include <cstring>

#include "pair_records.h"

// Copies n and the adjacency lists of the vertices 1..n: the only fields a derived
// graph carries.
template <class GRAF>
void KOPIRUJ_ZOZNAMY(const GRAF& G, GRAF& H) {
  const int16_t n = G.POCET_VRCHOLOV;
  H.POCET_VRCHOLOV = n;
  if (n <= 0) return;
  std::memcpy(&H.POCET_SUSEDOV[1], &G.POCET_SUSEDOV[1], n * sizeof G.POCET_SUSEDOV[0]);
  if constexpr (sizeof G.SUSEDIA[0] <= 8) {
    // Short rows: copying them whole is cheaper than copying entry by entry.
    std::memcpy(&H.SUSEDIA[1], &G.SUSEDIA[1], n * sizeof G.SUSEDIA[0]);
  } else {
    for (int16_t v = 1; v <= n; ++v) {
      std::memcpy(&H.SUSEDIA[v][1], &G.SUSEDIA[v][1], G.POCET_SUSEDOV[v] * sizeof G.SUSEDIA[v][1]);
    }
  }
}

// Removes the last occurrence of `b` from the list of `a`; the entries after it move up.
template <class GRAF>
void ODOBER_ZO_ZOZNAMU(GRAF& H, int16_t a, int16_t b) {
  int16_t POZICIA = 0;
  for (int16_t k = 1; k <= H.POCET_SUSEDOV[a]; ++k) {
    if (H.SUSEDIA[a][k] == b) POZICIA = k;
  }
  if (POZICIA > 0) {
    --H.POCET_SUSEDOV[a];
    for (int16_t k = POZICIA; k <= H.POCET_SUSEDOV[a]; ++k) H.SUSEDIA[a][k] = H.SUSEDIA[a][k + 1];
  }
}

// The graph G minus the edges of M, each edge removed at both ends. An edge that is not
// in the graph changes nothing.
template <class GRAF>
GRAF ODOBER_PARENIE(const GRAF& G, const PARENIE& M) {
  GRAF H;
  KOPIRUJ_ZOZNAMY(G, H);
  for (int16_t i = 1; i <= M.POCET_HRAN; ++i) {
    ODOBER_ZO_ZOZNAMU(H, M.V1[i], M.V2[i]);
    ODOBER_ZO_ZOZNAMU(H, M.V2[i], M.V1[i]);
  }
  return H;
}

// Phase 1 of HOMEOMORFNY: suppresses every vertex of degree 2 whose two entries differ,
// joining its two neighbours, until a pass suppresses nothing. Each change is seen at
// once by the vertices after it in the same pass. Every pass that goes on suppresses a
// vertex for good (its degree becomes 0), so there are at most n + 1 passes.
template <class GRAF>
void POTLAC_STUPEN_2(GRAF& G) {
  const int16_t n = G.POCET_VRCHOLOV;
  bool UPRAV = true;
  while (UPRAV) {
    UPRAV = false;
    for (int16_t I = 1; I <= n; ++I) {
      if (G.POCET_SUSEDOV[I] != 2 || G.SUSEDIA[I][1] == G.SUSEDIA[I][2]) continue;
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

// The new list of a vertex of degree d <= 3 whose entries have the new numbers B, C, D,
// with parallel entries merged, written to zoznam[1..3]. The tests run in this order and
// the first that holds decides. Returns the new length.
inline int16_t ZLUC_PARALELNE(int16_t d, int16_t B, int16_t C, int16_t D, int16_t* zoznam) {
  auto daj = [&zoznam](int16_t x, int16_t y, int16_t z, int16_t dlzka) {
    zoznam[1] = x;
    zoznam[2] = y;
    zoznam[3] = z;
    return dlzka;
  };
  switch (d) {
    case 1: return daj(B, 0, 0, 1);
    case 2: return B == C ? daj(B, 0, 0, 1) : daj(B, C, 0, 2);
    case 3:
      if (B == C && C == D) return daj(B, 0, 0, 1);
      if (B == C && C != D) return daj(B, D, 0, 2);
      if (B == D && D != C) return daj(B, C, 0, 2);
      if (C == D && D != B) return daj(B, C, 0, 2);
      return daj(B, C, D, 3);
    default: return 0;  // degree above 3: the vertex keeps its number, with an empty list
  }
}

// The graph G with its vertices of degree 2 suppressed (phase 1), then renumbered in
// their old order, the vertices of degree 0 dropped, and parallel entries merged
// (phase 2). G is taken by value: phase 1 rewrites this own copy.
template <class GRAF>
GRAF HOMEOMORFNY(GRAF G) {
  const int16_t n = G.POCET_VRCHOLOV;
  POTLAC_STUPEN_2(G);

  int16_t PRECISLUJ[MAX_VRCHOLOV + 1];
  int16_t CISLO = 0;
  PRECISLUJ[0] = 0;
  for (int16_t v = 1; v <= n; ++v) PRECISLUJ[v] = G.POCET_SUSEDOV[v] > 0 ? ++CISLO : 0;

  GRAF H;
  H.POCET_VRCHOLOV = CISLO;
  for (int16_t I = 1; I <= n; ++I) {
    const int16_t d = G.POCET_SUSEDOV[I];
    if (d == 0) continue;
    const auto& stary = G.SUSEDIA[I];
    const int16_t B = PRECISLUJ[stary[1]];
    const int16_t C = d >= 2 ? PRECISLUJ[stary[2]] : 0;
    const int16_t D = d == 3 ? PRECISLUJ[stary[3]] : 0;
    const int16_t A = PRECISLUJ[I];
    H.POCET_SUSEDOV[A] = ZLUC_PARALELNE(d, B, C, D, H.SUSEDIA[A]);
  }
  return H;
}

// Colours vertex V with F and every uncoloured vertex reachable from it, depth first in
// list order; a neighbour of the same colour clears JE_BIP, after which nothing more is
// coloured. An entry that names no vertex of H (a malformed record can leave one
// pointing at a suppressed vertex) is not followed.
template <class GRAF>
void DO_HLBKY(GRAF& H, int16_t V, int16_t F) {
  if (!H.JE_BIP) return;
  H.FARBA[V] = F;
  const int16_t stupen = H.POCET_SUSEDOV[V];
  for (int16_t i = 1; i <= stupen; ++i) {
    const int16_t W = H.SUSEDIA[V][i];
    if (W < 1 || W > H.POCET_VRCHOLOV) continue;
    if (H.FARBA[W] == -1) {
      DO_HLBKY(H, W, static_cast<int16_t>((F + 1) % 2));
    } else if (H.FARBA[W] == F) {
      H.JE_BIP = false;
    }
  }
}

// True when the component of vertex 1 is 2-colourable; sets FARBA and JE_BIP of H.
// A graph without vertices is bipartite.
template <class GRAF>
bool JE_BIPARTITNY(GRAF& H) {
  for (int16_t v = 1; v <= H.POCET_VRCHOLOV; ++v) H.FARBA[v] = -1;
  H.JE_BIP = true;
  if (H.POCET_VRCHOLOV >= 1) DO_HLBKY(H, 1, 0);
  return H.JE_BIP;
}
