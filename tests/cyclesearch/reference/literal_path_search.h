// The level-by-level path search over (vertex set, head) states exactly as the tool
// chain defines it: flat tables of discovered flags and predecessors indexed by state
// number, two level queues, the goals tested between levels, and the path extraction
// through the predecessors. It is the reference the fast search is compared with.
#pragma once

#include <cstdint>

bool LITERAL_PATH_SEARCH(int32_t start);

// States discovered by the literal searches since the start (for the benchmarks).
uint64_t literal_discovered_states();
