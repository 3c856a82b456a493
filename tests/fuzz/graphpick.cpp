// graphpick's protocol reading and record copying. The input is cut at the byte 0x1E into
// the protocol "protokol.txt" and the record file "s30_c4_dom.c"; without a second part
// the record file is missing, which must be the failure report with code 2.
#include "failure.h"
#include "fuzz_target.h"
#include "graphpick_program.h"

FUZZ_TARGET(graphpick) {
  const auto parts = fuzz::split_parts(fuzz::as_text(data, size), 2);
  fuzz::write_input("protokol.txt", parts[0]);
  if (parts.size() > 1) {
    fuzz::write_input("s30_c4_dom.c", parts[1]);
  } else {
    fuzz::remove_input("s30_c4_dom.c");
  }
  const int status = fuzz::run_program(RUN_GRAPHPICK);
  if (parts.size() > 1) {
    fuzz::expect(status == 0 || status == graphtext::INVALID_NUMERIC_FORMAT,
                 "graphpick failed with a code other than 106");
  } else {
    fuzz::expect(status == 2, "graphpick without its record file did not fail with code 2");
  }
}
