// cyclecheck: verifies every dominating cycle of "s30_26251_dom.c" and writes the report
// "protokol.txt"; see cyclecheck_program.h.
#include "cyclecheck_program.h"

int main() { return RUN_CYCLECHECK(); }
