// cyclecheck: verifies every dominating cycle of "s30_26251_dom.c" and writes the report
// "protokol.txt": one line for each record whose cycle fails, or one line saying that
// all cycles are valid.
//
// A cycle passes when its vertices are distinct vertices of the graph, consecutive ones
// and the last and the first are adjacent, and every edge has an end on it. A record
// without a cycle (length 0) is passed over. A record whose vertex count, cycle length or
// vertex numbers do not fit the tables fails; it is still read number by number as the
// layout counts them, so the records after it are read in step.
#pragma once

// Runs the verifier in the current folder and returns its exit status 0; a failed file
// operation ends it with the failure report.
int RUN_CYCLECHECK();
