// logmerge: joins the protocols "protokol_1.txt", "protokol_2.txt" and "protokol_3.txt"
// of three partial 2DBP runs into "protokol.txt".
//
// The unfound lists are joined in input order and flowed anew ten to a line over the
// whole merged list; the found counts and the elapsed times are summed, and the listed
// entries counted. An input without its count line or its time line is the protocol of a
// run that stopped early: merging it would give totals that look complete, so the merge
// stops with the failure report naming that input.
#pragma once

// Runs the program in the current folder and returns its exit status 0; a failed file
// operation or an input that cannot be merged safely ends it with the failure report.
int RUN_LOGMERGE();
