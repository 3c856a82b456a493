#include "protocol_reading.h"

namespace tools {
namespace {

constexpr char BLANK = ' ';

// Drops the first word and the blank after it; a text without a blank stays as it is.
std::string_view drop_word(std::string_view text) {
  std::size_t blank = text.find(BLANK);
  return blank == std::string_view::npos ? text : text.substr(blank + 1);
}

// The characters before the first blank (all of them when there is none).
std::string_view first_word(std::string_view text) { return text.substr(0, text.find(BLANK)); }

// Splits `text` at the first `separator`: returns the part before it and leaves the part
// after it in `text`. Without the separator the whole text is the field and nothing is left.
std::string_view take_field(std::string_view& text, char separator) {
  std::size_t at = text.find(separator);
  std::string_view field = text.substr(0, at);
  text = at == std::string_view::npos ? std::string_view{} : text.substr(at + 1);
  return field;
}

}  // namespace

int32_t LIST_TOKEN_VALUE(std::string_view token) {
  std::size_t i = 0;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) {
    negative = token[i] == '-';
    ++i;
  }
  if (i == token.size()) return 0;
  int64_t magnitude = 0;
  for (; i < token.size(); ++i) {
    if (token[i] < '0' || token[i] > '9') return 0;
    magnitude = magnitude * 10 + (token[i] - '0');
    if (magnitude > 2147483648LL) return 0;
  }
  if (!negative && magnitude > 2147483647LL) return 0;
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

std::optional<std::string_view> READ_UNFOUND_LIST(graphtext::TextReader& file,
                                                  const std::function<void(int32_t)>& take) {
  // The end is tested before each line: past it every read gives an empty line, which
  // never ends the list.
  while (!file.at_end()) {
    std::string_view line = file.read_line();
    if (!line.empty() && line.front() == 'B') return line;
    // Blanks at the start or end of a line and doubled blanks give empty words: no token.
    while (!line.empty()) {
      std::string_view token = first_word(line);
      if (!token.empty()) take(LIST_TOKEN_VALUE(token));
      line = token.size() == line.size() ? std::string_view{} : line.substr(token.size() + 1);
    }
  }
  return std::nullopt;
}

int32_t COUNT_LINE_FOUND(std::string_view count_line) {
  // "Bolo najdenych <found> ..."
  return LIST_TOKEN_VALUE(first_word(drop_word(drop_word(count_line))));
}

int64_t TIME_LINE_HUNDREDTHS(std::string_view time_line) {
  // "Trvalo to celkovo: <hours>:<minutes>:<seconds>.<hundredths>"; anything after a
  // blank behind the time text is not part of it.
  std::string_view text = first_word(drop_word(drop_word(drop_word(time_line))));
  int64_t hours = LIST_TOKEN_VALUE(take_field(text, ':'));
  int64_t minutes = LIST_TOKEN_VALUE(take_field(text, ':'));
  int64_t seconds = LIST_TOKEN_VALUE(take_field(text, '.'));
  int64_t hundredths = LIST_TOKEN_VALUE(text);
  return hours * 360000 + minutes * 6000 + seconds * 100 + hundredths;
}

}  // namespace tools
