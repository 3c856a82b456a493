// Shared by the cycle-search tests: collections rewritten with relabelled vertices and
// shuffled neighbour slots, and the search programs run in-process.
#pragma once

#include <cstdint>
#include <string>

#include "fork_search.h"

namespace cycle_test {

// The same graphs with every vertex renamed and every vertex's slots permuted at random
// (fixed seed), so that tie-breaks meet other slot orders.
std::string shuffled_collection(const std::string& collection, uint32_t seed);

// Every k-th record (four lines each) of a collection, starting with the first.
std::string every_nth_record(const std::string& collection, int k);

// Runs the program in-process in a fresh scratch folder holding `collection` under the
// program's input name, with standard output silenced; returns the result file's bytes.
std::string run_in_process(const CycleSearchProgram& program, const std::string& collection,
                           PathSearch search);

}  // namespace cycle_test
