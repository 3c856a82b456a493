// Reading a run protocol back: its unfound list, its count line and its time line.
//
// Every line before the count line (the first line whose first character is "B") holds
// graph numbers separated by blanks, or nothing. The count line begins "Bolo najdenych "
// and its third word is the found count; the time line after it begins
// "Trvalo to celkovo: " and ends with the elapsed-time text. The record selector and the
// protocol merger read protocols only through these routines, so a cycle search protocol
// and a 2DBP protocol serve alike.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "text_file.h"

namespace tools {

// The value of a list token: an optionally signed decimal integer of 32 bits. Any other
// token (an empty one included) is 0, as the protocols of old runs were always read.
int32_t LIST_TOKEN_VALUE(std::string_view token);

// Reads the file from its current line up to its count line and hands the value of every
// blank-separated token to `take`, in file order. Returns the count line (valid until the
// next read of `file`), or nothing when the file ends first, as the protocol of a run
// that stopped before its closing lines does; the tokens read until then are handed on
// all the same.
std::optional<std::string_view> READ_UNFOUND_LIST(graphtext::TextReader& file,
                                                  const std::function<void(int32_t)>& take);

// The found count of a count line: the value of its third word.
int32_t COUNT_LINE_FOUND(std::string_view count_line);

// The elapsed time of a time line in hundredths of a second. The hours, minutes, seconds
// and hundredths are taken between the separators ":", ":" and ".", each a signed field,
// so every text the elapsed-time formatter writes reads back as its own value: hours of
// three or more digits, and the signed components of a negative duration, included.
int64_t TIME_LINE_HUNDREDTHS(std::string_view time_line);

}  // namespace tools
