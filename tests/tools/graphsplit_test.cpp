#include <gtest/gtest.h>

#include <string>

#include "e2e/e2e.h"
#include "tool_run.h"

using e2e::crlf;

namespace {

constexpr int PARTS = 29;

std::string part_name(int part) { return "s30_c4_dom_" + std::to_string(part) + ".c"; }

int part_lines(int part) { return part < PARTS ? 7000 : 2800; }

std::string empty_lines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "\r\n";
  return text;
}

// Record i (from 1): seven lines that tell which record and line they are.
std::string numbered_records(int from, int to) {
  std::string text;
  for (int i = from; i <= to; ++i) {
    text += std::to_string(i) + "\r\n30\r\n";
    for (int k = 3; k <= 7; ++k) text += "record " + std::to_string(i) + " line " + std::to_string(k) + "\r\n";
  }
  return text;
}

TEST(Graphsplit, CutsExactly28400RecordsIntoTheirParts) {
  std::string input = numbered_records(1, 28400);
  // Lines past the 28400th record are not copied.
  std::string with_extra = input + numbered_records(28401, 28402);
  e2e::Run run = e2e::run_with("graphsplit", {{"s30_c4_dom.c", with_extra}});
  tool_run::expect_clean(run);

  e2e::Files expected = {{"s30_c4_dom.c", with_extra}};
  for (int part = 1, first = 1; part <= PARTS; ++part) {
    int count = part_lines(part) / 7;
    expected[part_name(part)] = numbered_records(first, first + count - 1);
    first += count;
  }
  e2e::expect_files(run, expected);

  std::string joined;
  for (int part = 1; part <= PARTS; ++part) joined += run.files[part_name(part)];
  EXPECT_EQ(joined, input);
  EXPECT_EQ(run.files["s30_c4_dom_10.c"].substr(0, 6), "9001\r\n") << "part 10 starts with record 9001";
}

TEST(Graphsplit, EmptyInputGivesPartsOfEmptyLines) {
  e2e::Run run = e2e::run_with("graphsplit", {{"s30_c4_dom.c", ""}});
  tool_run::expect_clean(run);
  e2e::Files expected = {{"s30_c4_dom.c", ""}};
  for (int part = 1; part <= PARTS; ++part) expected[part_name(part)] = empty_lines(part_lines(part));
  e2e::expect_files(run, expected);
}

// Lines over 255 characters keep their first 255; any line end is written as CR LF; a
// short input is filled up with empty lines.
TEST(Graphsplit, CutsLongLinesAndFillsShortInput) {
  std::string long_line = std::string(255, 'a') + "bcd";
  std::string input = long_line + "\n" + "7\r" + std::string(300, 'x') + "\r\n" + "last";
  e2e::Run run = e2e::run_with("graphsplit", {{"s30_c4_dom.c", input}});
  tool_run::expect_clean(run);
  e2e::Files expected = {{"s30_c4_dom.c", input}};
  expected[part_name(1)] =
      crlf({std::string(255, 'a'), "7", std::string(255, 'x'), "last"}) + empty_lines(6996);
  for (int part = 2; part <= PARTS; ++part) expected[part_name(part)] = empty_lines(part_lines(part));
  e2e::expect_files(run, expected);
}

TEST(Graphsplit, MissingInputCreatesNoPart) {
  e2e::Run run = e2e::run_with("graphsplit", {});
  tool_run::expect_failure(run, 2, "s30_c4_dom.c");
  e2e::expect_files(run, {});
}

// Parts are closed one by one: when part 3 cannot be created, parts 1 and 2 are whole.
TEST(Graphsplit, PartThatCannotBeCreatedLeavesTheEarlierPartsComplete) {
  e2e::Scratch scratch;
  std::string input = numbered_records(1, 2500);
  scratch.write("s30_c4_dom.c", input);
  ASSERT_EQ(::system(("mkdir '" + scratch.file(part_name(3)) + "'").c_str()), 0);
  e2e::Run run = scratch.run("graphsplit");
  tool_run::expect_failure(run, 5, part_name(3));
  e2e::expect_files(run, {{"s30_c4_dom.c", input},
                          {part_name(1), numbered_records(1, 1000)},
                          {part_name(2), numbered_records(1001, 2000)}});
}

}  // namespace
