// graphpick: copies from "s30_c4_dom.c" to "s30_c4_dom_vyb.c" the records of the graphs
// named in the unfound list of "protokol.txt"; see graphpick_program.h.
#include "graphpick_program.h"

int main() { return RUN_GRAPHPICK(); }
