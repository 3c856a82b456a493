// pairsearch and pairsearchx end to end: the result file, the console and the protocol
// byte for byte, and how they stop on records the tables cannot hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "e2e/e2e.h"

using e2e::crlf;
using e2e::Files;

namespace {

// Graph 3: cycle 7 9 3 8 1 6 4 5, chord 5-6, vertices 2 and 10 off the cycle. The first
// candidate fails (G minus 2-8 and 10-7 keeps the triangle 4 5 6); the second, with the
// chord in M1, passes: both reductions are even cycles (1 3 9 4 and 1 6 5 7 9 8).
const std::string FOUND_RECORD =
    crlf({"3", "10", "  8  8  9 10  6  4 10  2  3  7", "  6  3  8  5  4  1  9  1 10  4",
          "  2  1  2  6  7  5  5  3  7  9", "8", "7 9 3 8 1 6 4 5"});
std::string found_block(const std::string& label) {
  return crlf({label, "Dominujuca kruznica: (8) 7 9 3 8 1 6 4 5", "Prve bipartizujuce parenie:",
               "5 6", "2 8", "10 7", "Druhe bipartizujuce parenie:", "2 3", "10 4", ""});
}

// Graph 2: a 6-cycle with two fork centres, 4 and 7, each in a triangle; none of the 9
// candidates passes.
const std::string NO_PAIR_RECORD =
    crlf({"2", "8", "  8  4  7  5  8  5  6  1", "  7  1  6  8  6  7  3  5",
          "  2  3  2  2  4  3  1  4", "6", "3 2 1 8 5 6"});
std::string no_pair_block(const std::string& label) {
  return crlf({label, "Dominujuca kruznica: (6) 3 2 1 8 5 6",
               "Pre tento graf a dominujucu kruznicu sa nenasli ziadne 2DBP.", ""});
}

// The Petersen graph, for which the cycle search found nothing.
const std::string NO_CYCLE_RECORD =
    crlf({"7", "10", "  2  1  2  3  4  1  7  6  6  7", "  5  3  4  5  1  8  9 10  8  9",
          "  6  7  8  9 10  9 10  8 10  5", "0", "0"});
std::string no_cycle_block(const std::string& label) {
  return crlf({label, "Dominujuca kruznica: (0)",
               "Pre tento graf nie je najdena dominujuca kruznica.", ""});
}

// A record with its graph number replaced.
std::string numbered(const std::string& record, int number) {
  return std::to_string(number) + record.substr(record.find('\r'));
}

std::string found_line(const std::string& label) {
  return label + " Boli najdene 2DBP pre tuto dominujucu kruznicu.\r\n";
}
std::string no_pair_line(const std::string& label) {
  return label + " 2DBP sa nenasli pre tuto dominujucu kruznicu.\r\n";
}
std::string no_cycle_line(const std::string& label) {
  return label + " Pre tento graf nie je najdena dominujuca kruznica.\r\n";
}

std::string protocol(const std::string& list, int found, int unfound) {
  return list + "\r\n" +
         crlf({"Bolo najdenych " + std::to_string(found) +
                   " dvojic dizjunktnych bipartizujucich pareni, nebolo najdenych " +
                   std::to_string(unfound),
               "Trvalo to celkovo: <time>"});
}

TEST(Pairsearch, FoundBlockHasTenLines) {
  const std::string block = found_block("3");
  EXPECT_EQ(std::count(block.begin(), block.end(), '\n'), 10);
  const auto run = e2e::run_with("pairsearch", {{"s30_c4_dom_vyb.c", FOUND_RECORD}});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, found_line("3"));
  e2e::expect_files(run, {{"s30_c4_dom_vyb.c", FOUND_RECORD},
                          {"s30_c4_2dbp_vyb.c", block},
                          {"protokol_vyb.txt", protocol("", 1, 0)}});
}

// Blocks in input order whatever their kind; a record without a cycle is neither listed
// nor counted.
TEST(Pairsearch, BlocksFollowTheInputOrder) {
  const std::string input = NO_PAIR_RECORD + NO_CYCLE_RECORD + "\r\n  \r\n" + FOUND_RECORD +
                            numbered(NO_PAIR_RECORD, 12) + "\r\n\r\n";
  const auto run = e2e::run_with("pairsearch", {{"s30_c4_dom_vyb.c", input}});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, no_pair_line("2") + no_cycle_line("7") + found_line("3") + no_pair_line("12"));
  e2e::expect_files(
      run, {{"s30_c4_dom_vyb.c", input},
            {"s30_c4_2dbp_vyb.c",
             no_pair_block("2") + no_cycle_block("7") + found_block("3") + no_pair_block("12")},
            {"protokol_vyb.txt", protocol("2 12", 1, 2)}});
}

class EmptyInput : public ::testing::TestWithParam<const char*> {};

TEST_P(EmptyInput, WritesOnlyTheClosingLines) {
  const auto run = e2e::run_with("pairsearch", {{"s30_c4_dom_vyb.c", GetParam()}});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, "");
  e2e::expect_files(run, {{"s30_c4_dom_vyb.c", GetParam()},
                          {"s30_c4_2dbp_vyb.c", ""},
                          {"protokol_vyb.txt", protocol("", 0, 0)}});
}

INSTANTIATE_TEST_SUITE_P(Pairsearch, EmptyInput,
                         ::testing::Values("", "\r\n \t\r\n\n", "\r\n\x1a" "7\r\n"));

TEST(Pairsearch, ElevenGraphsWithoutPairFillOneListLineAndStartAnother) {
  std::string input;
  std::string blocks;
  std::string console;
  for (int number = 101; number <= 111; ++number) {
    input += numbered(NO_PAIR_RECORD, number);
    blocks += no_pair_block(std::to_string(number));
    console += no_pair_line(std::to_string(number));
  }
  const auto run = e2e::run_with("pairsearch", {{"s30_c4_dom_vyb.c", input}});
  EXPECT_EQ(run.out, console);
  e2e::expect_files(run, {{"s30_c4_dom_vyb.c", input},
                          {"s30_c4_2dbp_vyb.c", blocks},
                          {"protokol_vyb.txt",
                           protocol("101 102 103 104 105 106 107 108 109 110\r\n111", 0, 11)}});
}

// Records are named 1, 2, 3 by position whatever their graph numbers, and a record
// without a cycle counts as found.
TEST(Pairsearchx, NamesRecordsByPosition) {
  const std::string input =
      numbered(NO_CYCLE_RECORD, 17) + numbered(NO_PAIR_RECORD, 5) + numbered(FOUND_RECORD, 5);
  const auto run = e2e::run_with("pairsearchx", {{"s30_26251_dom.c", input}});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, no_cycle_line("1") + no_pair_line("2") + found_line("3"));
  e2e::expect_files(run, {{"s30_26251_dom.c", input},
                          {"s30_26251_2dbp.c",
                           no_cycle_block("1") + no_pair_block("2") + found_block("3")},
                          {"protokol_26251.txt", protocol("2", 2, 1)}});
}

TEST(Pairsearchx, ListsPositionsTenToALine) {
  std::string input = numbered(NO_CYCLE_RECORD, 1);
  for (int i = 0; i < 11; ++i) input += numbered(NO_PAIR_RECORD, 900);
  const auto run = e2e::run_with("pairsearchx", {{"s30_26251_dom.c", input}});
  EXPECT_EQ(e2e::without_duration(run.files.at("protokol_26251.txt")),
            e2e::without_duration(protocol("2 3 4 5 6 7 8 9 10 11\r\n12", 1, 11)));
}

struct Program {
  const char* name;
  const char* input;
};

class MissingInput : public ::testing::TestWithParam<Program> {};

TEST_P(MissingInput, StopsWithoutCreatingAnything) {
  e2e::Scratch scratch;
  const auto run = scratch.run(GetParam().name);
  EXPECT_EQ(run.exit_code, 2);
  EXPECT_EQ(run.out.rfind("Runtime error 2 at $", 0), 0u) << run.out;
  EXPECT_TRUE(run.files.empty());
}

INSTANTIATE_TEST_SUITE_P(Both, MissingInput,
                         ::testing::Values(Program{"pairsearch", "s30_c4_dom_vyb.c"},
                                           Program{"pairsearchx", "s30_26251_dom.c"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadRecord {
  const char* name;
  std::string record;
  const char* trace;  // what the report's trace must say
  bool last = false;  // the record ends the file
};

class BadRecordTest : public ::testing::TestWithParam<BadRecord> {};

// A value the tables cannot hold stops the program with code 106 before anything of
// the record is written; the blocks and console lines of earlier records stay, and the
// protocol has no closing lines.
TEST_P(BadRecordTest, StopsWithCode106KeepingEarlierBlocks) {
  const std::string input =
      FOUND_RECORD + NO_PAIR_RECORD + GetParam().record + (GetParam().last ? "" : FOUND_RECORD);
  const auto run = e2e::run_with("pairsearch", {{"s30_c4_dom_vyb.c", input}});
  EXPECT_EQ(run.exit_code, 106);
  const std::string report_start = found_line("3") + no_pair_line("2") + "Runtime error 106 at $";
  EXPECT_EQ(run.out.rfind(report_start, 0), 0u) << run.out;
  EXPECT_NE(run.out.find(GetParam().trace), std::string::npos) << run.out;
  e2e::expect_files(run, {{"s30_c4_dom_vyb.c", input},
                          {"s30_c4_2dbp_vyb.c", found_block("3") + no_pair_block("2")},
                          {"protokol_vyb.txt", "2"}});
}

// Neighbour rows of a 99-vertex graph: vertex v lists v+1, v+2, v+3 (cyclically).
std::string rows_of_99() {
  std::string rows;
  for (int k = 1; k <= 3; ++k) {
    for (int v = 1; v <= 99; ++v) rows += std::to_string((v - 1 + k) % 99 + 1) + " ";
    rows += "\r\n";
  }
  return rows;
}

// The 99 vertices in steps of 4: no two neighbours in the graph are neighbours on this
// "cycle", so every edge would be a chord.
std::string cycle_in_steps_of_4() {
  std::string line = "99\r\n";
  for (int i = 0; i < 99; ++i) line += std::to_string(i * 4 % 99 + 1) + " ";
  return line + "\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Pairsearch, BadRecordTest,
    ::testing::Values(
        BadRecord{"CutBeforeTheVertexCount", crlf({"40"}),
                  "record 3 (graph 40): the file ends before its vertex count", true},
        BadRecord{"CutBeforeTheCycleLength", crlf({"40", "3", "2 1 1", "3 3 2", "2 1 1"}),
                  "record 3 (graph 40): the file ends before its cycle length", true},
        BadRecord{"VertexCountAbove99", crlf({"40", "100"}),
                  "\"s30_c4_dom_vyb.c\", record 3 (graph 40): vertex count 100 is outside 0..99"},
        BadRecord{"NegativeVertexCount", crlf({"40", "-3"}), "record 3 (graph 40): vertex count -3"},
        BadRecord{"NeighbourAboveN",
                  crlf({"41", "4", "2 1 1 1", "3 3 2 2", "4 4 4 5", "4", "1 2 3 4"}),
                  "record 3 (graph 41): neighbour 3 of vertex 4 is 5, outside 1..4"},
        BadRecord{"NeighbourZero", crlf({"42", "4", "2 1 0 1"}),
                  "record 3 (graph 42): neighbour 1 of vertex 3 is 0, outside 1..4"},
        BadRecord{"RecordCutShort", crlf({"43", "4", "2 1 1"}),
                  "record 3 (graph 43): neighbour 1 of vertex 4 is 0, outside 1..4", true},
        BadRecord{"CycleLongerThan100",
                  crlf({"44", "4", "2 1 1 1", "3 3 2 2", "4 4 4 3", "101", "1 2 3 4"}),
                  "record 3 (graph 44): cycle length 101 is outside -32768..100"},
        BadRecord{"CycleLengthBelow16Bits",
                  crlf({"45", "4", "2 1 1 1", "3 3 2 2", "4 4 4 3", "-65535", "0"}),
                  "record 3 (graph 45): cycle length -65535 is outside -32768..100"},
        BadRecord{"CycleVertexAboveN",
                  crlf({"46", "4", "2 1 1 1", "3 3 2 2", "4 4 4 3", "4", "1 2 3 9"}),
                  "record 3 (graph 46): cycle vertex 4 is 9, outside 1..4"},
        // Cycles that break what the candidate matchings are built on: every edge a
        // chord would make far more items than a dominating cycle can leave.
        BadRecord{"EveryEdgeAChord", "47\r\n99\r\n" + rows_of_99() + cycle_in_steps_of_4(),
                  "record 3 (graph 47): the cycle is not a dominating cycle of the graph: the "
                  "cycle neighbours are not two distinct neighbours of vertex 1"},
        BadRecord{"RepeatedCycleVertex",
                  crlf({"48", "4", "2 1 1 1", "3 3 2 2", "4 4 4 3", "4", "1 2 3 1"}),
                  "record 3 (graph 48): the cycle is not a dominating cycle of the graph: it "
                  "passes twice through vertex 1"},
        BadRecord{"UndominatedEdge",
                  crlf({"49", "6", "2 1 1 1 2 3", "3 3 2 5 4 4", "4 5 6 6 6 5", "3", "1 2 3"}),
                  "record 3 (graph 49): the cycle is not a dominating cycle of the graph: an "
                  "edge has no end on it at vertex 4"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
