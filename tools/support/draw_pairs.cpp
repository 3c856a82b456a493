#include "draw_pairs.h"

#include <charconv>
#include <string_view>

#include "graph6_tool.h"

using graphtext::TextReader;

namespace draw {
namespace {

constexpr std::string_view CYCLE_CAPTION = "Dominujuca kruznica: (";
constexpr std::string_view FIRST_CAPTION = "Prve bipartizujuce parenie:";
constexpr std::string_view SECOND_CAPTION = "Druhe bipartizujuce parenie:";
constexpr std::string_view NO_PAIR_TEXT =
    "Pre tento graf a dominujucu kruznicu sa nenasli ziadne 2DBP.";
constexpr std::string_view NO_CYCLE_TEXT = "Pre tento graf nie je najdena dominujuca kruznica.";

// Takes the next blank-separated integer off the front of `text`.
bool take_int(std::string_view& text, int32_t& value) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return false;
  text.remove_prefix(start);
  const char* end = text.data() + text.size();
  auto [rest, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || (rest != end && *rest != ' ' && *rest != ')')) return false;
  text.remove_prefix(static_cast<std::size_t>(rest - text.data()));
  return true;
}

bool only_blanks(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

[[noreturn]] void fail_line(const TextReader& file, const char* what) {
  graph6::fail_input("%s, line %d: %s", file.name(), file.line_number() - 1, what);
}

void read_cycle_line(TextReader& file, PairBlock& block) {
  std::string_view line = file.read_line();
  const bool cut = line.size() == static_cast<std::size_t>(graphtext::MAX_LINE);
  if (!line.starts_with(CYCLE_CAPTION)) fail_line(file, "expected the cycle line \"Dominujuca kruznica: (L) ...\"");
  line.remove_prefix(CYCLE_CAPTION.size());
  if (!take_int(line, block.cycle_length) || !line.starts_with(')') || block.cycle_length < 0 ||
      block.cycle_length > graph6::MAX_VERTICES) {
    fail_line(file, "the cycle line has no cycle length in parentheses");
  }
  line.remove_prefix(1);
  // The last vertex of a cut line may have lost digits.
  if (cut) line = line.substr(0, line.rfind(' '));
  block.cycle_known = 0;
  int32_t vertex = 0;
  while (block.cycle_known < block.cycle_length && take_int(line, vertex)) {
    block.cycle[++block.cycle_known] = vertex;
  }
  if (!only_blanks(line) || (!cut && block.cycle_known != block.cycle_length)) {
    fail_line(file, "the cycle line does not list as many vertices as its length says");
  }
}

// Reads edge lines "u v" up to the line `end` (or the empty line that closes a block).
void read_matching(TextReader& file, std::string_view end, Matching& matching) {
  matching.edges = 0;
  for (;;) {
    if (file.at_end()) fail_line(file, "the file ends inside a block");
    std::string_view line = file.read_line();
    if (end.empty() ? only_blanks(line) : line == end) return;
    int32_t u = 0;
    int32_t v = 0;
    if (!take_int(line, u) || !take_int(line, v) || !only_blanks(line)) {
      fail_line(file, "expected an edge line of two vertex numbers");
    }
    if (matching.edges == graph6::MAX_VERTICES) fail_line(file, "a matching has too many edges");
    ++matching.edges;
    matching.v1[matching.edges] = u;
    matching.v2[matching.edges] = v;
  }
}

void read_block_body(TextReader& file, PairBlock& block) {
  read_cycle_line(file, block);
  const std::string_view kind = file.read_line();
  if (kind == FIRST_CAPTION) {
    block.outcome = PairOutcome::Found;
    read_matching(file, SECOND_CAPTION, block.first);
    read_matching(file, "", block.second);
    return;
  }
  if (kind == NO_PAIR_TEXT) {
    block.outcome = PairOutcome::NoPair;
  } else if (kind == NO_CYCLE_TEXT) {
    block.outcome = PairOutcome::NoCycle;
  } else {
    fail_line(file, "expected \"Prve bipartizujuce parenie:\" or the text of a block without a pair");
  }
  block.first.edges = 0;
  block.second.edges = 0;
  if (!only_blanks(file.read_line())) fail_line(file, "expected the empty line that ends a block");
}

// Passes over the rest of a block up to its closing empty line.
void skip_block(TextReader& file) {
  while (!file.at_end() && !only_blanks(file.read_line())) {
  }
}

}  // namespace

bool find_pair_block(TextReader& file, int32_t number, PairBlock& block) {
  while (file.more_records()) {
    std::string_view line = file.read_line();
    int32_t block_number = 0;
    if (!take_int(line, block_number) || !only_blanks(line)) {
      fail_line(file, "expected the graph number that starts a block");
    }
    if (block_number == number) {
      read_block_body(file, block);
      return true;
    }
    skip_block(file);
  }
  return false;
}

}  // namespace draw
