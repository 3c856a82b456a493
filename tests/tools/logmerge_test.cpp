#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "e2e/e2e.h"
#include "tool_run.h"

using e2e::crlf;

namespace {

// A 2DBP run protocol as the search programs write it: the list ten to a line, the
// closing line end, the count line and the time line.
std::string protocol(const std::vector<std::string>& list, int found, const std::string& time) {
  std::string text;
  for (std::size_t i = 1; i <= list.size(); ++i) {
    if (i % 10 != 1) text += ' ';
    text += list[i - 1];
    if (i % 10 == 0) text += "\r\n";
  }
  text += "\r\n";
  return text + crlf({"Bolo najdenych " + std::to_string(found) +
                          " dvojic dizjunktnych bipartizujucich pareni, nebolo najdenych " +
                          std::to_string(list.size()),
                      "Trvalo to celkovo: " + time});
}

std::string count_line(int found, int unfound) {
  return "Bolo najdenych " + std::to_string(found) +
         " dvojic dizjunktnych bipartizujucich pareni, nebolo najdenych " + std::to_string(unfound);
}

e2e::Files inputs_of(const std::string& first, const std::string& second, const std::string& third) {
  return {{"protokol_1.txt", first}, {"protokol_2.txt", second}, {"protokol_3.txt", third}};
}

struct Case {
  const char* name;
  e2e::Files inputs;
  std::string merged;
};

// Failure messages name the case, not its bytes.
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class LogmergeTest : public ::testing::TestWithParam<Case> {};

// The merged protocol is compared whole, its time line included.
TEST_P(LogmergeTest, MergesTheProtocols) {
  const Case& c = GetParam();
  e2e::Run run = e2e::run_with("logmerge", c.inputs);
  tool_run::expect_clean(run);
  e2e::Files expected = c.inputs;
  expected["protokol.txt"] = c.merged;
  e2e::expect_files(run, expected);
  EXPECT_EQ(run.files["protokol.txt"], c.merged);
}

const std::string ZERO = "00:00:00.00";

INSTANTIATE_TEST_SUITE_P(
    Cases, LogmergeTest,
    ::testing::Values(
        // 3 + 0 + 8 numbers: a line of ten, a line of one, then the count line directly.
        Case{"ListsOfThreeNoneAndEight",
             inputs_of(protocol({"1", "2", "3"}, 5, "00:30:00.50"), protocol({}, 7, "01:45:10.60"),
                       protocol({"4", "5", "6", "7", "8", "9", "10", "11"}, 0, ZERO)),
             crlf({"1 2 3 4 5 6 7 8 9 10", "11", count_line(12, 11),
                   "Trvalo to celkovo: 02:15:11.10"})},
        // A list of ten in one input ends with an empty line, which adds nothing.
        Case{"MergedListOfTen",
             inputs_of(protocol({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, 1, ZERO),
                       protocol({}, 0, ZERO), protocol({}, 0, ZERO)),
             crlf({"1 2 3 4 5 6 7 8 9 10", count_line(1, 10), "Trvalo to celkovo: " + ZERO})},
        Case{"NoListedGraph",
             inputs_of(protocol({}, 4, ZERO), protocol({}, 0, ZERO), protocol({}, 9, ZERO)),
             crlf({count_line(13, 0), "Trvalo to celkovo: " + ZERO})},
        Case{"TimesOverNinetyNineHours",
             inputs_of(protocol({}, 0, "99:59:59.99"), protocol({}, 0, "99:59:59.99"),
                       protocol({}, 0, "99:59:59.99")),
             crlf({count_line(0, 0), "Trvalo to celkovo: 299:59:59.97"})},
        // A three-digit hour is read as it stands, not as its first two digits.
        Case{"TimeOfAHundredHours",
             inputs_of(protocol({}, 0, "100:00:00.00"), protocol({}, 0, ZERO),
                       protocol({}, 0, "1234:05:06.07")),
             crlf({count_line(0, 0), "Trvalo to celkovo: 1334:05:06.07"})},
        // Tokens are written as plain decimals; one that is no number counts as 0.
        Case{"TokensWrittenAnew",
             inputs_of(protocol({"007", "+7"}, 0, ZERO), crlf({"  -3  x5 ", "", count_line(2, 2),
                                                               "Trvalo to celkovo: 00:00:01.00  "}),
                       protocol({}, 0, ZERO)),
             crlf({"7 7 -3 0", count_line(2, 4), "Trvalo to celkovo: 00:00:01.00"})},
        // Cycle search protocols are read alike; the output keeps the 2DBP wording.
        Case{"CycleSearchProtocols",
             inputs_of(crlf({"11 12", "Bolo najdenych 40 dominujucich kruznic, nebolo najdenych 2",
                             "Trvalo to celkovo: 00:00:10.00"}),
                       crlf({"Bolo najdenych 2 dominujucich kruznic, nebolo najdenych 0",
                             "Trvalo to celkovo: 00:00:20.00"}),
                       "\n13\nBolo najdenych 1 dominujucich kruznic, nebolo najdenych 1\n"
                       "Trvalo to celkovo: 00:00:30.00"),
             crlf({"11 12 13", count_line(43, 3), "Trvalo to celkovo: 00:01:00.00"})}),
    [](const auto& info) { return std::string(info.param.name); });

// An input that ends before its count line or its time line is the protocol of a run
// that stopped early: no totals are written from it.
TEST(Logmerge, IncompleteInputStopsWithoutTotals) {
  struct Incomplete {
    std::string second;
    std::string missing;
    std::string merged_so_far;
  };
  for (const Incomplete& c : {Incomplete{crlf({"4 5 6", "7"}), "count line", "1 2 4 5 6 7"},
                              Incomplete{"", "count line", "1 2"},
                              Incomplete{crlf({"4", count_line(1, 1)}), "time line", "1 2 4"}}) {
    e2e::Files inputs = inputs_of(protocol({"1", "2"}, 3, ZERO), c.second, protocol({}, 0, ZERO));
    e2e::Run run = e2e::run_with("logmerge", inputs);
    tool_run::expect_failure(run, 106, "\"protokol_2.txt\" ends");
    EXPECT_NE(run.out.find(c.missing), std::string::npos) << run.out;
    e2e::Files expected = inputs;
    expected["protokol.txt"] = c.merged_so_far;
    e2e::expect_files(run, expected);
  }
}

TEST(Logmerge, MissingInputLeavesTheMergedProtocolIncomplete) {
  e2e::Files inputs = {{"protokol_1.txt", protocol({"1", "2"}, 3, ZERO)},
                       {"protokol_2.txt", protocol({"3"}, 1, ZERO)}};
  e2e::Run run = e2e::run_with("logmerge", inputs);
  tool_run::expect_failure(run, 2, "protokol_3.txt");
  e2e::Files expected = inputs;
  expected["protokol.txt"] = "1 2 3";
  e2e::expect_files(run, expected);
}

TEST(Logmerge, TotalsThatDoNotFit32BitsStop) {
  e2e::Files inputs = inputs_of(protocol({}, 2147483647, ZERO), protocol({}, 1, ZERO),
                                protocol({}, 0, ZERO));
  e2e::Run run = e2e::run_with("logmerge", inputs);
  tool_run::expect_failure(run, 106, "protokol_2.txt");
  e2e::Files expected = inputs;
  expected["protokol.txt"] = "";
  e2e::expect_files(run, expected);
}

}  // namespace
