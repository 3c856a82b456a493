// Searches every graph of the collection for a dominating cycle; see CYCLESEARCH3X for the
// files, the fork centres and the texts of this program.
#include "fork_search.h"
#include "path_search.h"

int main() { return RUN_CYCLE_SEARCH(CYCLESEARCH3X, FIND_DOMINATING_PATH); }
