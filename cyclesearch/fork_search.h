// The run of a dominating-cycle search program: open its files, search every graph of
// the collection for a cycle that leaves out one, two or three fork centres, write the
// records, the console lines and the protocol, close the files.
//
// The five programs differ only in the data below: how many forks, which files, the
// console texts, whether the first successful fork choice ends a graph or every choice
// is tried, and how the protocol ends.
#pragma once

#include <cstdint>

#include "search_graph.h"

struct CycleSearchProgram {
  int32_t forks;               // 1, 2 or 3 fork centres
  const char* input;           // the collection read
  const char* result;          // the dominating-cycle file written
  const char* protocol;        // the run protocol written
  bool every_choice;           // a record for every successful choice, not the first only
  bool lists_unfound;          // the protocol lists the graphs without a cycle
  bool closing_line_end;       // the protocol ends its list with a line end
  const char* found_text;      // console, after the graph number
  const char* not_found_text;  // console, after "Pre " and the graph number
};

inline constexpr CycleSearchProgram CYCLESEARCH1{
    1, "s26_c4.c", "s26_c4_dom.c", "protokol.txt", false, true, true,
    " Nasla sa dominujuca kruznica pre jednu vidlu.",
    " jednu vidlu sa nenasla ziadna dominujuca kruznica."};
inline constexpr CycleSearchProgram CYCLESEARCH2{
    2, "s30_c4.c", "s30_c4_dom.c", "protokol.txt", false, true, true,
    " Nasla sa dominujuca kruznica pre dve vidly.", " nebolo nic najdene!"};
inline constexpr CycleSearchProgram CYCLESEARCH2X{
    2, "s30_26251.c", "s30_26251_dom.c", "protokol_26251.txt", true, false, false,
    " Nasla sa dominujuca kruznica pre dve vidly.", " nebolo nic najdene!"};
inline constexpr CycleSearchProgram CYCLESEARCH3{
    3, "s28_c4.c", "s28_c4_dom.c", "protokol.txt", false, true, true,
    " Nasla sa dominujuca kruznica pre tri vidly.", " nebolo nic najdene!"};
inline constexpr CycleSearchProgram CYCLESEARCH3X{
    3, "s30_26251.c", "s30_26251_dom.c", "protokol_26251.txt", true, false, true,
    " Nasla sa dominujuca kruznica pre tri vidly.", " nebolo nic najdene!"};

// Runs the program in the current folder and returns its exit status. `search` is the
// path search to use (the tests and benchmarks hand in a literal one to compare).
int RUN_CYCLE_SEARCH(const CycleSearchProgram& program, PathSearch search);
