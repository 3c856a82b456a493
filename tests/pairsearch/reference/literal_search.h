// The literal 2DBP search, kept as the reference the program's search is compared with:
// every operation on whole TGRAF values, a fresh pair of matchings and two fresh
// reduced graphs for every candidate, no shortcut of any kind.
#pragma once

#include <cstdint>

#include "pair_records.h"
#include "search.h"

namespace literal {

TGRAF ODOBER_PARENIE(TGRAF G, PARENIE M);
TGRAF HOMEOMORFNY(TGRAF G);
bool JE_BIPARTITNY(TGRAF& H);
void DO_HLBKY(TGRAF& H, int16_t V, int16_t F);

// The search, candidate by candidate in counter order.
VYSLEDOK_2DBP VYHLADAVANIE(TGRAF G);

// The same with the program's search signature, for the driver.
VYSLEDOK_2DBP search(const TGRAF& G);

// Candidates the last search tested: its position in counter order (from 1) when a
// pair was found, 3^N when none was.
extern int64_t POCET_KANDIDATOV;

}  // namespace literal
