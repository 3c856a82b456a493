// logmerge: joins the protocols "protokol_1.txt", "protokol_2.txt" and "protokol_3.txt"
// into "protokol.txt"; see logmerge_program.h.
#include "logmerge_program.h"

int main() { return RUN_LOGMERGE(); }
