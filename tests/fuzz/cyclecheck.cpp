// The verifier cyclecheck run on the input as its "s30_26251_dom.c". It reads numbers as
// the layout counts them whatever they are, so any input must give its report or the
// failure report with code 106.
#include "cyclecheck_program.h"
#include "failure.h"
#include "fuzz_target.h"

FUZZ_TARGET(cyclecheck) {
  fuzz::write_input("s30_26251_dom.c", fuzz::as_text(data, size));
  const int status = fuzz::run_program(RUN_CYCLECHECK);
  fuzz::expect(status == 0 || status == graphtext::INVALID_NUMERIC_FORMAT,
               "cyclecheck failed with a code other than 106");
}
