// logmerge's protocol reading. The input is cut at the byte 0x1E into "protokol_1.txt",
// "protokol_2.txt" and "protokol_3.txt"; the inputs without a part are missing, which
// must be the failure report with code 2 once the merge reaches them.
#include "failure.h"
#include "fuzz_target.h"
#include "logmerge_program.h"

namespace {

constexpr const char* INPUT_NAMES[3] = {"protokol_1.txt", "protokol_2.txt", "protokol_3.txt"};

}  // namespace

FUZZ_TARGET(logmerge) {
  const auto parts = fuzz::split_parts(fuzz::as_text(data, size), 3);
  for (std::size_t i = 0; i < 3; ++i) {
    if (i < parts.size()) {
      fuzz::write_input(INPUT_NAMES[i], parts[i]);
    } else {
      fuzz::remove_input(INPUT_NAMES[i]);
    }
  }
  const int status = fuzz::run_program(RUN_LOGMERGE);
  fuzz::expect(status == 0 || status == graphtext::INVALID_NUMERIC_FORMAT ||
                   (status == 2 && parts.size() < 3),
               "logmerge failed with a code other than 106, or 2 for a missing input");
  fuzz::expect(status != 0 || parts.size() == 3, "logmerge merged without all three inputs");
}
