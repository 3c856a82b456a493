// graphpick: copies from "s30_c4_dom.c" to "s30_c4_dom_vyb.c" the records of the graphs
// named in the unfound list of "protokol.txt", in the order of the record file.
//
// A selected record gets its number line written anew and its other six lines copied as
// they are. At most 28400 records are read, and reading stops at the end of the record
// file: what is not in the input is never written.
#pragma once

// Runs the program in the current folder and returns its exit status 0; a failed file
// operation ends it with the failure report.
int RUN_GRAPHPICK();
