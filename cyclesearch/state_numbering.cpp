#include "state_numbering.h"

#include "search_graph.h"

void FILL_MOCNINA() {
  MOCNINA[0] = 1;
  for (int i = 1; i <= 28; ++i) MOCNINA[i] = 2 * MOCNINA[i - 1];
}

int32_t NA_CISLO(const POLE_BOOL& A, int32_t B) {
  int32_t sum = 0;
  for (int32_t v = 1; v <= POCET_VRCHOLOV; ++v) {
    if (A[v]) sum += MOCNINA[v - 1];
  }
  return sum * POCET_VRCHOLOV + B - 1;
}

void NA_POLE(int32_t V, POLE_BOOL& A, int32_t& B) {
  B = V % POCET_VRCHOLOV + 1;
  V = V / POCET_VRCHOLOV;
  for (int32_t v = 1; v <= POCET_VRCHOLOV; ++v) {
    A[v] = (V % 2 != 0);
    V = V / 2;
  }
}
