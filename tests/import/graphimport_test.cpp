// graphimport: graph6 and sparse6 of known graphs, nauty-geng output, the accepted line
// forms, numbering, and the lines it must refuse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/e2e.h"
#include "tool_run.h"

using e2e::crlf;
using e2e::test_data;
using import_test::run_tool;

namespace {

// Records written by hand from each graph's usual labelling (ascending neighbours).
const std::string K4 = crlf({"1", "2 1 1 1", "3 3 2 2", "4 4 4 3"});
// Petersen: outer cycle 1..5, spokes i-(i+5), inner pentagram 6-8-10-7-9.
const std::string PETERSEN =
    crlf({"1", "2 1 2 3 1 1 2 3 4 5", "5 3 4 5 4 8 9 6 6 7", "6 7 8 9 10 9 10 10 7 8"});
// The cube: vertices 1..8 are 0..7 plus one, adjacent when they differ in one bit.
const std::string CUBE = crlf({"1", "2 1 1 2 1 2 3 4", "3 4 4 3 6 5 5 6", "5 6 7 8 7 8 8 7"});

struct Known {
  const char* name;
  std::string line;
  std::string record;
};

// The strings follow from the format's definition (the prism on 98 vertices, C49 x K2,
// takes the four-character vertex count); ":CcKI" is also what nauty-geng -s writes for K4.
const std::vector<Known> KNOWN = {
    {"K4_graph6", "C~", K4},
    {"K4_sparse6", ":CcKI", K4},
    {"K4_with_header", ">>graph6<<C~", K4},
    {"Petersen_graph6", "IheA@GUAo", PETERSEN},
    {"Petersen_sparse6", ":I`ES@obGkqegW~", PETERSEN},
    {"Petersen_sparse6_with_header", ">>sparse6<<:I`ES@obGkqegW~", PETERSEN},
    {"cube_graph6", "Gr`HOk", CUBE},
    {"cube_sparse6", ":GaHIHQclU", CUBE},
    {"prism98_graph6", "", ""},
    {"prism98_sparse6", "", ""},
};

class KnownGraphs : public ::testing::TestWithParam<Known> {};

TEST_P(KnownGraphs, ComeOutAsTheirRecords) {
  Known known = GetParam();
  if (known.line.empty()) {
    const bool sparse = std::string(known.name).ends_with("sparse6");
    known.line = import_test::lines_of(test_data(sparse ? "import/prism98.s6" : "import/prism98.g6"))[0];
    known.record = test_data("import/prism98.c");
  }
  e2e::Scratch scratch;
  const auto outcome = run_tool(scratch, "graphimport", {"-q"}, known.line + "\n");
  EXPECT_EQ(outcome.exit_code, 0) << outcome.err;
  EXPECT_EQ(outcome.out, known.record);
  EXPECT_EQ(outcome.err, "");
}

INSTANTIATE_TEST_SUITE_P(Import, KnownGraphs, ::testing::ValuesIn(KNOWN),
                         [](const auto& info) { return std::string(info.param.name); });

// Stored nauty-geng output: the connected cubic graphs of girth at least 5 on 14 vertices
// and all connected cubic graphs on 12 vertices, in graph6 and in sparse6.
TEST(GraphImport, GengOutputInBothFormsGivesTheSameCollection) {
  e2e::Scratch scratch;
  const std::string girth5 = test_data("graphs/cubic_g5_14.c");
  for (const char* file : {"import/geng_cubic_g5_14.g6", "import/geng_cubic_g5_14.s6"}) {
    const auto outcome = run_tool(scratch, "graphimport", {"-q"}, test_data(file));
    EXPECT_EQ(outcome.exit_code, 0) << file;
    EXPECT_EQ(outcome.out, girth5) << file;
  }
  const auto from_graph6 = run_tool(scratch, "graphimport", {}, test_data("import/geng_cubic_12.g6"));
  const auto from_sparse6 = run_tool(scratch, "graphimport", {}, test_data("import/geng_cubic_12.s6"));
  EXPECT_EQ(from_graph6.out, from_sparse6.out);
  EXPECT_EQ(import_test::lines_of(from_graph6.out).size(), 85u * 4);
  EXPECT_EQ(from_graph6.err, "graphimport: 85 graphs written, numbers 1 to 85\n");
}

TEST(GraphImport, LineEndsHeadersAndBlankLinesReadTheSame) {
  const std::string expected = K4 + crlf({"2", "2 1 2 3 1 1 2 3 4 5", "5 3 4 5 4 8 9 6 6 7",
                                          "6 7 8 9 10 9 10 10 7 8"});
  for (const std::string input : {"C~\nIheA@GUAo\n", "C~\r\nIheA@GUAo\r\n", "C~\nIheA@GUAo",
                                  "\n\r\nC~\n \t\n\nIheA@GUAo\n\n",
                                  ">>graph6<<C~\r\nIheA@GUAo\r\n", ">>graph6<<\nC~\n:I`ES@obGkqegW~\n"}) {
    e2e::Scratch scratch;
    const auto outcome = run_tool(scratch, "graphimport", {"-q"}, input);
    EXPECT_EQ(outcome.exit_code, 0) << input;
    EXPECT_EQ(outcome.out, expected) << input;
  }
}

TEST(GraphImport, ReadsAFileArgumentOrStandardInput) {
  e2e::Scratch scratch;
  scratch.write("in.g6", "C~\nC~\n");
  const std::string expected = K4 + crlf({"2", "2 1 1 1", "3 3 2 2", "4 4 4 3"});
  EXPECT_EQ(run_tool(scratch, "graphimport", {"in.g6"}).out, expected);
  EXPECT_EQ(run_tool(scratch, "graphimport", {"-"}, "C~\nC~\n").out, expected);
  const auto missing = run_tool(scratch, "graphimport", {"none.g6"});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_EQ(missing.err, "graphimport: cannot open none.g6: No such file or directory\n");
}

TEST(GraphImport, NumbersFromTheStartOption) {
  e2e::Scratch scratch;
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"-s", "1001"}, {"--start", "1001"}, {"--start=1001"}}) {
    const auto outcome = run_tool(scratch, "graphimport", args, "C~\nC~\n");
    EXPECT_EQ(import_test::lines_of(outcome.out)[0], "1001");
    EXPECT_EQ(import_test::lines_of(outcome.out)[4], "1002");
  }
  // The graph numbers are 32-bit: the last one that fits is written, the next refused.
  const auto overflow = run_tool(scratch, "graphimport", {"-s", "2147483647"}, "C~\nC~\n");
  EXPECT_EQ(overflow.exit_code, 1);
  EXPECT_EQ(overflow.out, crlf({"2147483647", "2 1 1 1", "3 3 2 2", "4 4 4 3"}));
  EXPECT_NE(overflow.err.find("line 2: the graph number would pass 2147483647"), std::string::npos);
}

struct BadLine {
  const char* name;
  std::string input;
  std::string message;  // the whole message line after "graphimport: standard input, "
};

const std::vector<BadLine> BAD_LINES = {
    {"blank_inside", "C~ \n", "line 1: character of code 32 at column 3 is not a graph6/sparse6 character"},
    {"bad_character", "C~\nC!\n", "line 2: character '!' at column 2 is not a graph6/sparse6 character"},
    {"too_long", "C~~\n", "line 1: a graph6 line of 4 vertices needs 1 character after the vertex count, this one has 2"},
    {"too_short", "IheA@GUA\n", "line 1: a graph6 line of 10 vertices needs 8 characters after the vertex count, this one has 7"},
    {"padding_not_zero", "IheA@GUAp\n", "line 1: the padding bits of the last character are not zero"},
    {"cut_vertex_count", "~?\n", "line 1: the line ends inside the vertex count"},
    {"not_cubic", "C~\n\nC}\n", "line 3: the graph is not cubic: vertex 3 has 2 neighbours"},
    {"path", "A_\n", "line 1: the graph is not cubic: vertex 1 has 1 neighbour"},
    {"empty_graph", "?\n", "line 1: the graph has no vertices"},
    {"sparse6_loop", ":CF\n", "line 1: the graph has a loop at vertex 1"},
    {"sparse6_double_edge", ":C_\n", "line 1: the edge 1-2 is given twice"},
    {"incremental_sparse6", ";CcKI\n", "line 1: incremental sparse6 (';') is not supported; write plain sparse6"},
    {"digraph6", "&C~\n", "line 1: digraph6 ('&') is not supported: the graphs must be undirected"},
    {"hundred_vertices", "", "line 1: the graph has 100 vertices, more than 99"},
};

class BadLines : public ::testing::TestWithParam<BadLine> {};

TEST_P(BadLines, StopTheRunNamingTheLine) {
  BadLine bad = GetParam();
  if (bad.input.empty()) bad.input = test_data("import/prism100.g6");
  e2e::Scratch scratch;
  const auto outcome = run_tool(scratch, "graphimport", {}, bad.input);
  EXPECT_EQ(outcome.exit_code, 1);
  EXPECT_EQ(outcome.err, "graphimport: standard input, " + bad.message + "\n");
  // The good graphs before the bad line are written; nothing after it.
  const auto good_before = bad.input.find("C~\n") == 0 ? K4 : std::string();
  EXPECT_EQ(outcome.out, good_before);
}

INSTANTIATE_TEST_SUITE_P(Import, BadLines, ::testing::ValuesIn(BAD_LINES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GraphTools, HelpAndBadCommandLines) {
  e2e::Scratch scratch;
  for (const char* tool : {"graphimport", "graphexport", "cycledraw"}) {
    for (const char* help : {"--help", "-h"}) {
      const auto outcome = run_tool(scratch, tool, {help});
      EXPECT_EQ(outcome.exit_code, 0) << tool;
      EXPECT_EQ(outcome.out.rfind(std::string("Usage: ") + tool + " ", 0), 0u) << tool;
    }
    const auto unknown = run_tool(scratch, tool, {"--frobnicate"});
    EXPECT_EQ(unknown.exit_code, 2) << tool;
    EXPECT_EQ(unknown.err, std::string(tool) + ": unknown option --frobnicate\nTry '" + tool +
                               " --help'.\n");
  }
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"-s"}, {"-s", "x"}, {"-s", "99999999999"}, {"a.g6", "b.g6"}}) {
    EXPECT_EQ(run_tool(scratch, "graphimport", args).exit_code, 2) << args[0];
  }
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, {"f.c"}, {"f.c", "x"}, {"f.c", "1", "p.c", "extra"}, {"-o"}}) {
    EXPECT_EQ(run_tool(scratch, "cycledraw", args).exit_code, 2) << args.size();
  }
}

}  // namespace
