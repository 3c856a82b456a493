// cyclesearch3 with the literal level-by-level path search: the reference run.
#include "fork_search.h"
#include "literal_path_search.h"

int main() { return RUN_CYCLE_SEARCH(CYCLESEARCH3, LITERAL_PATH_SEARCH); }
