// pairsearch: for every graph of the selection "s30_c4_dom_vyb.c" with its dominating
// cycle, the first pair of disjoint bipartizing matchings, written to
// "s30_c4_2dbp_vyb.c"; the graphs with a cycle but without a pair are listed by graph
// number in "protokol_vyb.txt". Records without a cycle count in neither total.
#include "pair_program.h"

int main() {
  return run_pair_search({
      .input = "s30_c4_dom_vyb.c",
      .result = "s30_c4_2dbp_vyb.c",
      .protocol = "protokol_vyb.txt",
      .label = RecordLabel::GraphNumber,
      .no_cycle_counts_as_found = false,
  });
}
