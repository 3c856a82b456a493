// The five search programs end to end: what they leave in their folder and print, against
// the same programs built on the literal path search, against stored outputs of those
// literal programs on the larger collections, and in the cases their behaviour names.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cycle_search_test_support.h"
#include "e2e/e2e.h"
#include "fork_search.h"

using e2e::crlf;

namespace {

struct Program {
  const char* name;
  const CycleSearchProgram& data;
};

const Program PROGRAMS[] = {{"cyclesearch1", CYCLESEARCH1},
                            {"cyclesearch2", CYCLESEARCH2},
                            {"cyclesearch2x", CYCLESEARCH2X},
                            {"cyclesearch3", CYCLESEARCH3},
                            {"cyclesearch3x", CYCLESEARCH3X}};

const Program& program_named(const std::string& name) {
  for (const auto& p : PROGRAMS) {
    if (name == p.name) return p;
  }
  throw std::runtime_error("no program " + name);
}

std::string graphs(const char* file) { return e2e::test_data(std::string("graphs/") + file); }

// The lines of a text with CR LF ends.
std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find("\r\n", pos);
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

// Every dominating cycle of a result file passes the verifier.
void expect_verified(const std::string& result_file) {
  e2e::Run check = e2e::run_with("cyclecheck", {{"s30_26251_dom.c", result_file}});
  EXPECT_EQ(check.exit_code, 0);
  EXPECT_EQ(check.files["protokol.txt"], crlf({"Vsetky grafy maju platne dominujuce kruznice."}));
}

// ------------------------------------------------------------ against the literal programs

struct Comparison {
  const char* program;
  const char* collection;
  bool shuffled;
  int stride;
};

class MatchesLiteralProgram : public ::testing::TestWithParam<Comparison> {};

TEST_P(MatchesLiteralProgram, SameFilesAndConsole) {
  const Comparison& c = GetParam();
  const Program& p = program_named(c.program);
  std::string input = cycle_test::every_nth_record(graphs(c.collection), c.stride);
  if (c.shuffled) input = cycle_test::shuffled_collection(input, 7);
  e2e::Run fast = e2e::run_with(p.name, {{p.data.input, input}});
  e2e::Run literal = e2e::run_with(std::string(p.name) + "_literal", {{p.data.input, input}});
  EXPECT_EQ(fast.exit_code, 0);
  EXPECT_EQ(fast.out, literal.out);
  e2e::expect_files(fast, literal.files);
  expect_verified(fast.files[p.data.result]);
}

INSTANTIATE_TEST_SUITE_P(
    Collections, MatchesLiteralProgram,
    ::testing::Values(Comparison{"cyclesearch1", "cubic_g5_14.c", false, 1},
                      Comparison{"cyclesearch1", "cubic_g5_16.c", true, 1},
                      Comparison{"cyclesearch2", "cubic_g5_18.c", false, 3},
                      Comparison{"cyclesearch2", "cubic_g5_18.c", true, 3},
                      Comparison{"cyclesearch2x", "cubic_g5_16.c", false, 1},
                      Comparison{"cyclesearch2x", "cubic_g5_16.c", true, 1},
                      Comparison{"cyclesearch3", "snarks_26.c", false, 7},
                      Comparison{"cyclesearch3", "snarks_26.c", true, 7},
                      Comparison{"cyclesearch3x", "snarks_26.c", false, 20},
                      Comparison{"cyclesearch3x", "snarks_26.c", true, 20}),
    [](const auto& info) {
      std::string name = std::string(info.param.program) + "_" + info.param.collection;
      name = name.substr(0, name.find('.'));
      return name + (info.param.shuffled ? "_shuffled" : "");
    });

// ------------------------------------------------------------ against stored outputs

std::vector<std::string> golden_cases() {
  std::vector<std::string> cases;
  std::string dir = std::string(TEST_DATA_DIR) + "/cyclesearch/golden";
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* entry = readdir(d)) {
      if (entry->d_name[0] != '.') cases.push_back(entry->d_name);
    }
    closedir(d);
  }
  std::sort(cases.begin(), cases.end());
  return cases;
}

// The input of a stored case: the records its input.txt names ("snarks_28.c 1-300,1101-1200")
// of a test collection.
std::string stored_input(const std::string& folder) {
  std::istringstream naming(e2e::test_data(folder + "/input.txt"));
  std::string source;
  std::string ranges;
  naming >> source >> ranges;
  std::vector<std::string> lines = lines_of(graphs(source.c_str()));
  std::string input;
  std::istringstream parts(ranges);
  for (std::string range; std::getline(parts, range, ',');) {
    const int first = std::stoi(range.substr(0, range.find('-')));
    const int last = std::stoi(range.substr(range.find('-') + 1));
    input += crlf({lines.begin() + 4 * (first - 1), lines.begin() + 4 * last});
  }
  return input;
}

class MatchesStoredLiteralOutput : public ::testing::TestWithParam<std::string> {};

TEST_P(MatchesStoredLiteralOutput, SameFilesAndConsole) {
  const std::string folder = "cyclesearch/golden/" + GetParam();
  const Program& p = program_named(GetParam().substr(0, GetParam().find('-')));
  e2e::Files expected;
  expected[p.data.input] = stored_input(folder);
  for (const char* name : {p.data.result, p.data.protocol}) {
    expected[name] = e2e::test_data(folder + "/" + name);
  }
  e2e::Run run = e2e::run_with(p.name, {{p.data.input, expected[p.data.input]}});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, e2e::test_data(folder + "/stdout.txt"));
  e2e::expect_files(run, expected);
  expect_verified(run.files[p.data.result]);
}

INSTANTIATE_TEST_SUITE_P(Samples, MatchesStoredLiteralOutput, ::testing::ValuesIn(golden_cases()),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

// ------------------------------------------------------------ named behaviour

std::string petersen_numbered(int number) {
  std::string g = graphs("cubic_g5_10.c");
  return std::to_string(number) + g.substr(g.find("\r\n"));
}


TEST(TwoForkSearch, PetersenHasNoPairFarEnoughApart) {
  e2e::Run run = e2e::run_with("cyclesearch2", {{"s30_c4.c", petersen_numbered(7)}});
  EXPECT_EQ(run.out, crlf({"Pre 7 nebolo nic najdene!"}));
  std::vector<std::string> record = lines_of(run.files["s30_c4_dom.c"]);
  ASSERT_EQ(record.size(), 7u);
  EXPECT_EQ(record[0], "7");
  EXPECT_EQ(record[5], "0");
  EXPECT_EQ(record[6], "0");
  EXPECT_EQ(e2e::without_duration(run.files["protokol.txt"]),
            crlf({"7", "Bolo najdenych 0 dominujucich kruznic, nebolo najdenych 1",
                  "Trvalo to celkovo: <time>"}));
}

TEST(OneForkSearch, PetersenSucceedsAtTheFirstCentre) {
  e2e::Run run = e2e::run_with("cyclesearch1", {{"s26_c4.c", petersen_numbered(7)}});
  EXPECT_EQ(run.out, crlf({"7 Nasla sa dominujuca kruznica pre jednu vidlu."}));
  std::vector<std::string> record = lines_of(run.files["s26_c4_dom.c"]);
  ASSERT_EQ(record.size(), 7u);
  EXPECT_EQ(record[5], "9");
  std::istringstream cycle(record[6]);
  std::vector<int> vertices;
  for (int v; cycle >> v;) vertices.push_back(v);
  ASSERT_EQ(vertices.size(), 9u);
  EXPECT_EQ(std::count(vertices.begin(), vertices.end(), 1), 0) << "vertex 1 is the centre";
  // The neighbours of vertex 1 are 4, 7 and 10: the cycle starts at 2.
  EXPECT_EQ(vertices[0], 2);
  EXPECT_EQ(e2e::without_duration(run.files["protokol.txt"]),
            crlf({"", "Bolo najdenych 1 dominujucich kruznic, nebolo najdenych 0",
                  "Trvalo to celkovo: <time>"}));
}

class UnfoundList : public ::testing::TestWithParam<int> {};

TEST_P(UnfoundList, TenToALine) {
  const int count = GetParam();
  std::string input;
  std::string list;
  for (int i = 1; i <= count; ++i) {
    input += petersen_numbered(100 + i);
    if (i % 10 != 1) list += ' ';
    list += std::to_string(100 + i);
    if (i % 10 == 0) list += "\r\n";
  }
  e2e::Run run = e2e::run_with("cyclesearch2", {{"s30_c4.c", input}});
  EXPECT_EQ(e2e::without_duration(run.files["protokol.txt"]),
            list + "\r\n" +
                crlf({"Bolo najdenych 0 dominujucich kruznic, nebolo najdenych " +
                          std::to_string(count),
                      "Trvalo to celkovo: <time>"}));
}

INSTANTIATE_TEST_SUITE_P(Counts, UnfoundList, ::testing::Values(10, 11, 23));

TEST(EveryChoiceSearch, ARecordForEverySuccessfulPair) {
  std::string one_snark = cycle_test::every_nth_record(graphs("snarks_30_first200.c"), 1000);
  e2e::Run run = e2e::run_with("cyclesearch2x", {{"s30_26251.c", one_snark}});
  std::vector<std::string> lines = lines_of(run.files["s30_26251_dom.c"]);
  ASSERT_EQ(lines.size() % 7, 0u);
  const std::size_t records = lines.size() / 7;
  ASSERT_GT(records, 1u);
  for (std::size_t r = 1; r < records; ++r) {
    for (int i = 0; i < 5; ++i) ASSERT_EQ(lines[7 * r + i], lines[i]) << "record " << r;
  }
  std::vector<std::string> console = lines_of(run.out);
  EXPECT_EQ(console.size(), records);
  EXPECT_EQ(console[0], "1 Nasla sa dominujuca kruznica pre dve vidly.");
  EXPECT_EQ(e2e::without_duration(run.files["protokol_26251.txt"]),
            crlf({"Bolo najdenych " + std::to_string(records) +
                      " dominujucich kruznic, nebolo najdenych 0",
                  "Trvalo to celkovo: <time>"}));
}

TEST(EveryChoiceSearch, OneEmptyRecordForAGraphWithoutCycle) {
  for (const char* name : {"cyclesearch2x", "cyclesearch3x"}) {
    const Program& p = program_named(name);
    e2e::Run run = e2e::run_with(name, {{p.data.input, petersen_numbered(5)}});
    EXPECT_EQ(run.out, crlf({"Pre 5 nebolo nic najdene!"})) << name;
    std::vector<std::string> record = lines_of(run.files[p.data.result]);
    ASSERT_EQ(record.size(), 7u) << name;
    EXPECT_EQ(record[5] + record[6], "00") << name;
    EXPECT_NE(run.files[p.data.protocol].find("nebolo najdenych 1\r\n"), std::string::npos);
  }
}

TEST(EveryChoiceSearch, AFallbackStartBeginsTheWrittenCycle) {
  // In snark 3 on 28 vertices the choice 1, 11, 14 leaves every reduced vertex at an
  // exception pair; the search starts at 6, at distance 2 from 14 and 3 from 11.
  std::vector<std::string> collection = lines_of(graphs("snarks_28.c"));
  std::string input = crlf({collection.begin() + 8, collection.begin() + 12});
  e2e::Run run = e2e::run_with("cyclesearch3x", {{"s30_26251.c", input}});
  std::vector<std::string> lines = lines_of(run.files["s30_26251_dom.c"]);
  bool found = false;
  for (std::size_t r = 0; r + 7 <= lines.size(); r += 7) {
    std::istringstream cycle(lines[r + 6]);
    std::vector<int> vertices;
    for (int v; cycle >> v;) vertices.push_back(v);
    std::vector<bool> on_cycle(29, false);
    for (int v : vertices) on_cycle[v] = true;
    std::vector<int> off;
    for (int v = 1; v <= 28; ++v) {
      if (!on_cycle[v]) off.push_back(v);
    }
    if (off == std::vector<int>{1, 11, 14}) {
      found = true;
      EXPECT_EQ(vertices[0], 6);
    }
  }
  EXPECT_TRUE(found) << "the choice 1, 11, 14 gives a cycle";
}

// What an empty input leaves: an empty result file and the protocol's closing lines.
struct EmptyRun {
  const char* program;
  const char* protocol_opening;
};

class EmptyInput : public ::testing::TestWithParam<EmptyRun> {};

TEST_P(EmptyInput, EmptyResultAndTheClosingLines) {
  const Program& p = program_named(GetParam().program);
  e2e::Run run = e2e::run_with(p.name, {{p.data.input, "\r\n  \r\n"}});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, "");
  e2e::expect_files(
      run, {{p.data.input, "\r\n  \r\n"},
            {p.data.result, ""},
            {p.data.protocol,
             std::string(GetParam().protocol_opening) +
                 crlf({"Bolo najdenych 0 dominujucich kruznic, nebolo najdenych 0",
                       "Trvalo to celkovo: <time>"})}});
}

INSTANTIATE_TEST_SUITE_P(Programs, EmptyInput,
                         ::testing::Values(EmptyRun{"cyclesearch1", "\r\n"},
                                           EmptyRun{"cyclesearch2", "\r\n"},
                                           EmptyRun{"cyclesearch2x", ""},
                                           EmptyRun{"cyclesearch3", "\r\n"},
                                           EmptyRun{"cyclesearch3x", "\r\n"}),
                         [](const auto& info) { return std::string(info.param.program); });

// ------------------------------------------------------------ failures

class MissingInput : public ::testing::TestWithParam<const char*> {};

TEST_P(MissingInput, LeavesAnEmptyResultFileAndNoProtocol) {
  const Program& p = program_named(GetParam());
  e2e::Run run = e2e::run_with(p.name, {});
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_EQ(run.out.substr(0, run.out.find("\r\n")), "Runtime error 2 at $00401A10");
  EXPECT_NE(run.out.find(p.data.input), std::string::npos) << run.out;
  e2e::expect_files(run, {{p.data.result, ""}});
}

INSTANTIATE_TEST_SUITE_P(Programs, MissingInput,
                         ::testing::Values("cyclesearch1", "cyclesearch2", "cyclesearch2x",
                                           "cyclesearch3", "cyclesearch3x"));

TEST(ReducedGraphTooLarge, StopsWith106KeepingEarlierRecords) {
  // A 28-vertex graph leaves 24 vertices after one fork: more than a search can hold.
  std::string input = petersen_numbered(3) + cycle_test::every_nth_record(graphs("snarks_28.c"), 9999);
  e2e::Run run = e2e::run_with("cyclesearch1", {{"s26_c4.c", input}});
  EXPECT_EQ(run.exit_code, 106);
  EXPECT_EQ(run.out.rfind("3 Nasla sa dominujuca kruznica pre jednu vidlu.\r\nRuntime error 106 at $", 0),
            0u)
      << run.out;
  EXPECT_NE(run.out.find("graph 1 of 28 vertices leaves a reduced graph of 24 vertices"),
            std::string::npos)
      << run.out;
  std::vector<std::string> lines = lines_of(run.files["s26_c4_dom.c"]);
  ASSERT_EQ(lines.size(), 7u + 5u) << "the earlier record whole, the graph lines of the next";
  EXPECT_EQ(lines[0], "3");
  EXPECT_EQ(lines[7], "1");
  EXPECT_EQ(run.files["protokol.txt"], "") << "no closing lines after a failure";
}

}  // namespace
