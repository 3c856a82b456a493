// The conversion of graphimport: one graph6 or sparse6 line into one record of a graph
// collection (the graph number, then three rows with the first, second and third
// neighbour of the vertices 1..n in ascending order, single blanks between the entries,
// CR LF line ends).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace graph6 {

// Converts one input line (its LF or CR LF end may still be on it). A blank line or a
// header standing alone holds no graph and writes nothing. Any other line must decode to
// a cubic graph of at most 99 vertices: it is written to `out` as the record numbered
// `next_number`, which then moves on. Returns an empty text on success, otherwise what is
// wrong with the line; nothing is written then.
std::string import_line(std::string_view line, int64_t& next_number, std::FILE* out);

}  // namespace graph6
