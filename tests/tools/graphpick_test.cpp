#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "e2e/e2e.h"
#include "tool_run.h"

using e2e::crlf;

namespace {

// A seven-line record whose lines tell which graph they belong to.
std::string record(const std::string& number_line, const std::string& tag) {
  return crlf({number_line, "30", "  2  1  3 " + tag, "  3  4  1 " + tag, "  4  2  2 " + tag,
               "3", "1 2 " + tag});
}
std::string record(long long number) {
  std::string tag = "g";
  tag += std::to_string(number);
  return record(std::to_string(number), tag);
}

std::string records(const std::vector<long long>& numbers) {
  std::string text;
  for (long long n : numbers) text += record(n);
  return text;
}

const std::string COUNT_LINE = "Bolo najdenych 40 dominujucich kruznic, nebolo najdenych 3";
const std::string PAIR_COUNT_LINE =
    "Bolo najdenych 3 dvojic dizjunktnych bipartizujucich pareni, nebolo najdenych 2";
const std::string TIME_LINE = "Trvalo to celkovo: 00:01:02.03";

// The record file of most cases: graph numbers in file order.
const std::string DOM_FILE = records({3, 5, 10, 17, 23, 42});

struct Case {
  const char* name;
  std::string protocol;
  std::string dom_file;
  std::string selected;
};

// Failure messages name the case, not its bytes.
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class GraphpickTest : public ::testing::TestWithParam<Case> {};

TEST_P(GraphpickTest, CopiesTheListedRecords) {
  const Case& c = GetParam();
  e2e::Run run = e2e::run_with("graphpick", {{"protokol.txt", c.protocol}, {"s30_c4_dom.c", c.dom_file}});
  tool_run::expect_clean(run);
  e2e::expect_files(run, {{"protokol.txt", c.protocol},
                          {"s30_c4_dom.c", c.dom_file},
                          {"s30_c4_dom_vyb.c", c.selected}});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GraphpickTest,
    ::testing::Values(
        Case{"EmptyList", crlf({COUNT_LINE, TIME_LINE}), DOM_FILE, ""},
        Case{"EmptyLineBeforeTheCountLine", crlf({"", COUNT_LINE, TIME_LINE}), DOM_FILE, ""},
        Case{"SingleBlanks", crlf({"5 17 23", COUNT_LINE, TIME_LINE}), DOM_FILE,
             records({5, 17, 23})},
        Case{"DoubledLeadingAndTrailingBlanks", crlf({"  5  17   23  ", COUNT_LINE, TIME_LINE}),
             DOM_FILE, records({5, 17, 23})},
        // The file's order, not the list's; two list lines; lone LF and CR line ends.
        Case{"FileOrderKept", "23 5\n17\r" + crlf({"", COUNT_LINE, TIME_LINE}), DOM_FILE,
             records({5, 17, 23})},
        Case{"NumberListedTwice", crlf({"17 5 17", "17", COUNT_LINE, TIME_LINE}), DOM_FILE,
             records({5, 17})},
        Case{"NumberAbsentFromTheFile", crlf({"99 42", COUNT_LINE, TIME_LINE}), DOM_FILE,
             records({42})},
        // Each record is copied on its own: two records of one graph both go.
        Case{"RecordsOfOneGraph", crlf({"5", COUNT_LINE, TIME_LINE}), records({5, 3, 5}),
             records({5, 5})},
        Case{"PairSearchProtocol", crlf({"10 3", PAIR_COUNT_LINE, TIME_LINE}), DOM_FILE,
             records({3, 10})},
        // Numbers after the count line are not part of the list.
        Case{"CountLineEndsTheList", crlf({"5", COUNT_LINE, TIME_LINE, "17 23"}), DOM_FILE,
             records({5})},
        // A run that stopped before its closing lines still names what it had not found.
        Case{"ProtocolWithoutCountLine", crlf({"3 4 5 6 7 8 9 10 11 12", "17"}), DOM_FILE,
             records({3, 5, 10, 17})},
        Case{"ProtocolWithoutAnything", "", DOM_FILE, ""},
        // Numbers of every size select their records, 0 and negative ones too.
        Case{"NumbersOfEverySize",
             crlf({"1000001 -5 2147483647 -2147483648 0 1000000", COUNT_LINE}),
             records({1000000, 7, 1000001, -5, 3000000, 2147483647, 0, -2147483648LL}),
             records({1000000, 1000001, -5, 2147483647, 0, -2147483648LL})},
        // A token that is no number marks graph 0, and nothing else.
        Case{"BadTokenMarksGraphZero", crlf({"x7 5", COUNT_LINE}), records({0, 3, 5}),
             records({0, 5})},
        // Past the end of the record file nothing is read: no record of graph 0 appears.
        Case{"NoRecordsBeyondTheFile", crlf({"0 5", COUNT_LINE}), records({3, 5}), records({5})},
        Case{"EmptyRecordFile", crlf({"0 5", COUNT_LINE}), "", ""},
        // The number line is written anew; the other lines are copied as they are.
        Case{"NumberLineWrittenAnew", crlf({"17", COUNT_LINE}),
             record("  017 extra words", "a") + records({5}) + record("\t17", "b"),
             record("17", "a") + record("17", "b")},
        // A record cut short at the end of the file gives only the lines it has.
        Case{"LastRecordCutShort", crlf({"5 17", COUNT_LINE}),
             records({5}) + crlf({"17", "30", "  1  2  3"}),
             records({5}) + crlf({"17", "30", "  1  2  3"})},
        Case{"LastLineWithoutLineEnd", crlf({"5", COUNT_LINE}),
             records({3}) + crlf({"5", "30", "a", "b", "c", "3"}) + "1 2 3",
             crlf({"5", "30", "a", "b", "c", "3", "1 2 3"})}),
    [](const auto& info) { return std::string(info.param.name); });

// At most 28400 records are read: a marked 28401st record is left out.
TEST(Graphpick, ReadsAtMost28400Records) {
  std::string dom_file;
  for (int i = 1; i <= 28401; ++i) dom_file += record(i);
  std::string protocol = crlf({"1 28400 28401", COUNT_LINE, TIME_LINE});
  e2e::Run run = e2e::run_with("graphpick", {{"protokol.txt", protocol}, {"s30_c4_dom.c", dom_file}});
  tool_run::expect_clean(run);
  e2e::expect_files(run, {{"protokol.txt", protocol},
                          {"s30_c4_dom.c", dom_file},
                          {"s30_c4_dom_vyb.c", records({1, 28400})}});
}

TEST(Graphpick, MissingProtocolLeavesTheOutputEmpty) {
  e2e::Run run = e2e::run_with("graphpick", {{"s30_c4_dom.c", DOM_FILE}});
  tool_run::expect_failure(run, 2, "protokol.txt");
  e2e::expect_files(run, {{"s30_c4_dom.c", DOM_FILE}, {"s30_c4_dom_vyb.c", ""}});
}

TEST(Graphpick, MissingRecordFileLeavesTheOutputEmpty) {
  std::string protocol = crlf({"5", COUNT_LINE, TIME_LINE});
  e2e::Run run = e2e::run_with("graphpick", {{"protokol.txt", protocol}});
  tool_run::expect_failure(run, 2, "s30_c4_dom.c");
  e2e::expect_files(run, {{"protokol.txt", protocol}, {"s30_c4_dom_vyb.c", ""}});
}

TEST(Graphpick, RecordWithoutNumberStopsAfterTheRecordsBeforeIt) {
  std::string protocol = crlf({"5 17", COUNT_LINE});
  std::string dom_file = records({5}) + record("g17", "x") + records({17});
  e2e::Run run = e2e::run_with("graphpick", {{"protokol.txt", protocol}, {"s30_c4_dom.c", dom_file}});
  tool_run::expect_failure(run, 106, "\"g17\"");
  e2e::expect_files(run, {{"protokol.txt", protocol},
                          {"s30_c4_dom.c", dom_file},
                          {"s30_c4_dom_vyb.c", records({5})}});
}

}  // namespace
