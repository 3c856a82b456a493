// pairsearchx: the same search over every record of "s30_26251_dom.c" (one record per
// successful fork choice), written to "s30_26251_2dbp.c". Records are named by their
// position in the file, 1, 2, 3, ..., in all outputs, and "protokol_26251.txt" lists
// the positions of the records without a pair; records without a cycle count as found.
#include "pair_program.h"

int main() {
  return run_pair_search({
      .input = "s30_26251_dom.c",
      .result = "s30_26251_2dbp.c",
      .protocol = "protokol_26251.txt",
      .label = RecordLabel::Position,
      .no_cycle_counts_as_found = true,
  });
}
