// The 2DBP program pairsearch run on the input as its "s30_c4_dom_vyb.c": reading, then
// the search of every record the reader accepts (symmetric or not, a dominating cycle
// or not), then the result file and the protocol.
#include "failure.h"
#include "fuzz_target.h"
#include "pair_program.h"

namespace {

int run_pairsearch() {
  return run_pair_search({
      .input = "s30_c4_dom_vyb.c",
      .result = "s30_c4_2dbp_vyb.c",
      .protocol = "protokol_vyb.txt",
      .label = RecordLabel::GraphNumber,
      .no_cycle_counts_as_found = false,
  });
}

}  // namespace

FUZZ_TARGET(pairsearch) {
  fuzz::write_input("s30_c4_dom_vyb.c", fuzz::as_text(data, size));
  const int status = fuzz::run_program(run_pairsearch);
  fuzz::expect(status == 0 || status == graphtext::INVALID_NUMERIC_FORMAT,
               "pairsearch failed with a code other than 106");
}
