// graphexport: collections and dominating-cycle files to graph6, the round trip through
// graphimport, and the records it must refuse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/e2e.h"
#include "tool_run.h"

using e2e::crlf;
using e2e::test_data;
using import_test::run_tool;

namespace {

TEST(GraphExport, RoundTripGivesBackEveryCommittedCollection) {
  e2e::Scratch scratch;
  for (const char* name : {"cubic_g5_10.c", "cubic_g5_12.c", "cubic_g5_14.c", "cubic_g5_16.c",
                           "cubic_g5_18.c", "cubic_g5_20.c", "snarks_26.c", "snarks_28.c",
                           "snarks_30_first200.c"}) {
    const std::string collection = test_data(std::string("graphs/") + name);
    scratch.write("in.c", collection);
    const auto exported = run_tool(scratch, "graphexport", {"-q", "in.c"});
    ASSERT_EQ(exported.exit_code, 0) << name << exported.err;
    const auto imported = run_tool(scratch, "graphimport", {"-q"}, exported.out);
    ASSERT_EQ(imported.exit_code, 0) << name << imported.err;
    EXPECT_TRUE(imported.out == collection) << name << " does not come back unchanged";
  }
}

TEST(GraphExport, WritesWhatGengWrote) {
  e2e::Scratch scratch;
  // The girth-5 collection was made from this geng output; the cubic graphs on 12
  // vertices go in and come back out through standard input.
  scratch.write("in.c", test_data("graphs/cubic_g5_14.c"));
  const auto girth5 = run_tool(scratch, "graphexport", {"in.c"});
  EXPECT_EQ(girth5.out, test_data("import/geng_cubic_g5_14.g6"));
  EXPECT_EQ(girth5.err, "graphexport: 9 graphs written\n");

  const auto imported = run_tool(scratch, "graphimport", {"-q"}, test_data("import/geng_cubic_12.g6"));
  const auto piped = run_tool(scratch, "graphexport", {"-q"}, imported.out);
  EXPECT_EQ(piped.exit_code, 0) << piped.err;
  EXPECT_EQ(piped.out, test_data("import/geng_cubic_12.g6"));

  scratch.write("in.c", test_data("import/prism98.c"));
  EXPECT_EQ(run_tool(scratch, "graphexport", {"-q", "in.c"}).out, test_data("import/prism98.g6"));
}

// cycles.c: graph 1 twice (two cycles, as the all-choices search writes it), graph 7
// without a cycle, graphs 2 and 3.
TEST(GraphExport, DominatingCycleFileGivesEachGraphOnce) {
  e2e::Scratch scratch;
  scratch.write("cycles.c", test_data("import/cycles.c"));
  const auto all = run_tool(scratch, "graphexport", {"cycles.c"});
  EXPECT_EQ(all.exit_code, 0) << all.err;
  EXPECT_EQ(all.out, test_data("import/cycles_export.g6"));
  EXPECT_EQ(all.err, "graphexport: 4 graphs written\n");

  const auto without = run_tool(scratch, "graphexport", {"--without-cycle"}, test_data("import/cycles.c"));
  EXPECT_EQ(without.exit_code, 0) << without.err;
  EXPECT_EQ(without.out, test_data("import/cycles_without_cycle.g6"));

  scratch.write("graphs.c", test_data("graphs/cubic_g5_10.c"));
  const auto collection = run_tool(scratch, "graphexport", {"--without-cycle", "graphs.c"});
  EXPECT_EQ(collection.exit_code, 1);
  EXPECT_EQ(collection.out, "");
  EXPECT_EQ(collection.err,
            "graphexport: --without-cycle needs a dominating-cycle file; graphs.c is a graph collection\n");
}

TEST(GraphExport, EmptyInputWritesNothing) {
  e2e::Scratch scratch;
  const auto outcome = run_tool(scratch, "graphexport", {}, "\r\n\r\n");
  EXPECT_EQ(outcome.exit_code, 0);
  EXPECT_EQ(outcome.out, "");
}

const std::string K4_RECORD = crlf({"1", "2 1 1 1", "3 3 2 2", "4 4 4 3"});

struct BadRecord {
  const char* name;
  std::string second_record;
  std::string message;  // after "graphexport: in.c, record 2 (graph 2): "
};

// The first record is K4 and is written before the second one stops the run.
const std::vector<BadRecord> BAD_RECORDS = {
    {"asymmetric", crlf({"2", "2 1 1 1 2 3", "3 3 2 5 4 4", "5 5 6 6 6 5"}),
     "vertex 1 lists 5 as a neighbour, but 5 does not list 1"},
    {"neighbour_twice", crlf({"2", "2 1 1 1", "2 3 2 2", "4 4 4 3"}), "vertex 1 lists neighbour 2 twice"},
    {"loop", crlf({"2", "1 1 1 1", "3 3 2 2", "4 4 4 3"}), "vertex 1 is its own neighbour"},
    {"cycle_record_vertex_count", crlf({"2", "100", "", "", "", "0", "0"}), "vertex count 100 is outside 1..99"},
    {"cycle_record_neighbour", crlf({"2", "4", "  2  1  1  1", "  3  3  2  2", "  4  4  9  3", "0", "0"}),
     "neighbour 9 of vertex 3 in row 3 is outside 1..4"},
    {"cycle_record_length", crlf({"2", "4", "  2  1  1  1", "  3  3  2  2", "  4  4  4  3", "5", "1 2 3 4 1"}),
     "cycle length 5 is outside 0..4"},
    {"cycle_record_cut_short", crlf({"2", "4", "  2  1  1  1", "  3  3  2  2"}),
     "neighbour 0 of vertex 1 in row 3 is outside 1..4"},
};

class BadRecords : public ::testing::TestWithParam<BadRecord> {};

TEST_P(BadRecords, StopTheRunNamingTheRecord) {
  const BadRecord& bad = GetParam();
  const bool cycle_file = std::string(bad.name).starts_with("cycle_record");
  const std::string first = cycle_file ? crlf({"1", "4", "  2  1  1  1", "  3  3  2  2", "  4  4  4  3", "0", "0"})
                                       : K4_RECORD;
  e2e::Scratch scratch;
  scratch.write("in.c", first + bad.second_record);
  const auto outcome = run_tool(scratch, "graphexport", {"in.c"});
  EXPECT_EQ(outcome.exit_code, 1);
  EXPECT_EQ(outcome.out, "C~\n");
  EXPECT_EQ(outcome.err, "graphexport: in.c, record 2 (graph 2): " + bad.message + "\n");
}

INSTANTIATE_TEST_SUITE_P(Export, BadRecords, ::testing::ValuesIn(BAD_RECORDS),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GraphExport, UnreadableRecordGetsTheFailureReportOnStandardError) {
  e2e::Scratch scratch;
  scratch.write("in.c", K4_RECORD + crlf({"2", "2 1 1 x", "3 3 2 2", "4 4 4 3"}));
  const auto outcome = run_tool(scratch, "graphexport", {"in.c"});
  EXPECT_EQ(outcome.exit_code, 106);
  EXPECT_EQ(outcome.out, "C~\n");  // flushed before the report
  EXPECT_EQ(outcome.err.rfind("Runtime error 106 at $", 0), 0u) << outcome.err;

  const auto missing = run_tool(scratch, "graphexport", {"none.c"});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_EQ(missing.err, "graphexport: cannot open none.c: No such file or directory\n");
}

}  // namespace
