// The 2DBP program pairsearch run on the input as its "s30_c4_dom_vyb.c": reading, then
// the search of every record the reader accepts (symmetric or not, a dominating cycle
// or not), then the result file and the protocol.
//
// The search tries 3^N candidates by design, N being the chords and vertices off the
// cycle; a record without a pair takes all of them. For the 30-vertex collections N is at
// most 15, but a malformed record (rows shifted by one number, a cycle that is no cycle of
// its graph) easily leaves 25 items and would run for hours: such records are read and
// written here as "no pair" without the search, so the fuzzer keeps going. A record of at
// most 7 items is searched by the literal search too, which must give the same pair.
#include "failure.h"
#include "fuzz_target.h"
#include "literal_search.h"
#include "pair_program.h"

namespace {

// The candidate count stays below 3^15 (14 million): well within a fuzzer's time per input.
constexpr int MAX_SEARCHED_ITEMS = 15;
// The literal search copies whole records for each of its up to 3^7 candidates.
constexpr int MAX_COMPARED_ITEMS = 7;

// The items as the search takes them: every chord once from its lower end and slot (the
// position of a vertex listed twice on the cycle is its last one), every vertex off it.
int item_count(const TGRAF& G) {
  int16_t position[MAX_VRCHOLOV + 1] = {};
  for (int16_t i = 1; i <= G.DLZKA_DOM; ++i) position[G.DOMINUJUCA[i]] = i;
  auto cycle_vertex = [&](int16_t i) {
    return G.DOMINUJUCA[i < 1 ? G.DLZKA_DOM : i > G.DLZKA_DOM ? 1 : i];
  };
  int count = 0;
  for (int16_t a = 1; a <= G.POCET_VRCHOLOV; ++a) {
    if (position[a] == 0) {
      ++count;
      continue;
    }
    for (int16_t k = 1; k <= 3; ++k) {
      const int16_t b = G.SUSEDIA[a][k];
      if (a < b && position[b] > 0 && cycle_vertex(position[a] - 1) != b &&
          cycle_vertex(position[a] + 1) != b) {
        ++count;
      }
    }
  }
  return count;
}

bool same_edges(const PARENIE& a, const PARENIE& b) {
  if (a.POCET_HRAN != b.POCET_HRAN) return false;
  for (int16_t k = 1; k <= a.POCET_HRAN; ++k) {
    if (a.V1[k] != b.V1[k] || a.V2[k] != b.V2[k]) return false;
  }
  return true;
}

VYSLEDOK_2DBP search_within_bounds(const TGRAF& G) {
  const int items = G.DLZKA_DOM >= 1 ? item_count(G) : 0;
  if (items > MAX_SEARCHED_ITEMS) {
    VYSLEDOK_2DBP none;
    none.NAJDENE = false;
    none.M1.POCET_HRAN = 0;
    none.M2.POCET_HRAN = 0;
    return none;
  }
  const VYSLEDOK_2DBP found = VYHLADAVANIE(G);
  if (items <= MAX_COMPARED_ITEMS) {
    const VYSLEDOK_2DBP literal = literal::search(G);
    fuzz::expect(found.NAJDENE == literal.NAJDENE, "the 2DBP search and the literal one disagree");
    fuzz::expect(!found.NAJDENE || (same_edges(found.M1, literal.M1) &&
                                    same_edges(found.M2, literal.M2)),
                 "the 2DBP search found another pair than the literal one");
  }
  return found;
}

int run_pairsearch() {
  return run_pair_search(
      {
          .input = "s30_c4_dom_vyb.c",
          .result = "s30_c4_2dbp_vyb.c",
          .protocol = "protokol_vyb.txt",
          .label = RecordLabel::GraphNumber,
          .no_cycle_counts_as_found = false,
      },
      search_within_bounds);
}

}  // namespace

FUZZ_TARGET(pairsearch) {
  fuzz::write_input("s30_c4_dom_vyb.c", fuzz::as_text(data, size));
  const int status = fuzz::run_program(run_pairsearch);
  fuzz::expect(status == 0 || status == graphtext::INVALID_NUMERIC_FORMAT,
               "pairsearch failed with a code other than 106");
}
