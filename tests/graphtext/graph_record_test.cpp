#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "e2e/e2e.h"
#include "graph_record.h"

using e2e::crlf;
using graphtext::TextReader;
using graphtext::TextWriter;

namespace {

// The Petersen graph: outer 5-cycle 1..5, spokes i-(i+5), inner pentagram 6..10.
const std::string PETERSEN = crlf({"7", "2 1 2 3 4 1 7 6 6 7", "5 3 4 5 1 8 9 10 8 9",
                                   "6 7 8 9 10 9 10 8 10 5"});

class RecordTest : public ::testing::Test {
 protected:
  TextReader& reader_over(const std::string& bytes) {
    scratch_.write("in.c", bytes);
    reader_.open(scratch_.file("in.c").c_str());
    return reader_;
  }
  e2e::Scratch scratch_;
  TextReader reader_;
};

std::string rows_of_current_graph() {
  std::string rows;
  for (int k = 1; k <= 3; ++k) {
    for (int v = 1; v <= V_POCET_VRCHOLOV; ++v) rows += std::to_string(V_SUSEDIA[v][k]) + " ";
    rows += "|";
  }
  return rows;
}

TEST_F(RecordTest, ReadsNumberRowsAndSlots) {
  auto& f = reader_over(PETERSEN);
  ASSERT_TRUE(MORE_GRAPH_RECORDS(f));
  READ_GRAPH_RECORD(f);
  EXPECT_EQ(ZNACKA, 7);
  EXPECT_EQ(V_POCET_VRCHOLOV, 10);
  EXPECT_EQ(V_SUSEDIA[1][1], 2);
  EXPECT_EQ(V_SUSEDIA[1][2], 5);
  EXPECT_EQ(V_SUSEDIA[1][3], 6);
  EXPECT_EQ(V_SUSEDIA[10][3], 5);
  for (int v = 1; v <= 10; ++v) EXPECT_EQ(V_POCET_SUSEDOV[v], 3);
  EXPECT_FALSE(MORE_GRAPH_RECORDS(f));
}

TEST_F(RecordTest, LayoutVariationsReadTheSame) {
  // Trailing blanks and tabs, text after the number, blank lines between and after
  // records, LF and lone CR ends: all read as the plain record.
  std::string plain = PETERSEN;
  std::string varied =
      "\r\n\r\n  7 extra words\n 2 1 2 3 4 1 7 6 6 7 \t\n5 3 4 5 1 8 9 10 8 9\t\r"
      "\t6 7 8 9 10 9 10 8 10 5   \r\n\r\n\t\r\n" +
      PETERSEN + "\n\n  \n";
  auto& f = reader_over(varied);
  ASSERT_TRUE(MORE_GRAPH_RECORDS(f));
  READ_GRAPH_RECORD(f);
  std::string first = rows_of_current_graph();
  EXPECT_EQ(ZNACKA, 7);
  ASSERT_TRUE(MORE_GRAPH_RECORDS(f));
  READ_GRAPH_RECORD(f);
  EXPECT_EQ(rows_of_current_graph(), first);
  EXPECT_FALSE(MORE_GRAPH_RECORDS(f)) << "trailing blank lines hold no record";
}

TEST_F(RecordTest, RowThreeDecidesTheVertexCount) {
  // Row 1 longer than row 3: its extra entries are read, the count is row 3's.
  auto& f = reader_over(crlf({"3", "2 1 2 3 4 1 7 6 6 7 9 9", "5 3 4 5 1 8 9 10 8 9",
                              "6 7 8 9 10 9 10 8 10 5"}));
  READ_GRAPH_RECORD(f);
  EXPECT_EQ(V_POCET_VRCHOLOV, 10);
}

TEST_F(RecordTest, OnlyBlankLinesHoldNoRecord) {
  EXPECT_FALSE(MORE_GRAPH_RECORDS(reader_over("\r\n \r\n\t\r\n")));
}

struct BadRecord {
  const char* name;
  std::string bytes;
  const char* statement;
};

class BadRecordTest : public ::testing::TestWithParam<BadRecord> {};

TEST_P(BadRecordTest, StopsWith106NamingTheRecord) {
  e2e::Scratch scratch;
  scratch.write("in.c", PETERSEN + GetParam().bytes);
  std::string in = scratch.file("in.c");
  std::string out = scratch.file("report.txt");
  EXPECT_EXIT(
      {
        int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, STDOUT_FILENO);
        TextReader f;
        f.open(in.c_str());
        while (MORE_GRAPH_RECORDS(f)) READ_GRAPH_RECORD(f);
      },
      ::testing::ExitedWithCode(106), "");
  std::string report = scratch.read("report.txt");
  EXPECT_EQ(report.rfind("Runtime error 106 at $", 0), 0u) << report;
  EXPECT_NE(report.find("record 2"), std::string::npos) << report;
  EXPECT_NE(report.find(GetParam().statement), std::string::npos) << report;
}

std::string long_row(int entries) {
  std::string row;
  for (int i = 0; i < entries; ++i) row += "1 ";
  return row;
}

INSTANTIATE_TEST_SUITE_P(
    Records, BadRecordTest,
    ::testing::Values(
        BadRecord{"EmptyLineBeforeRow1", crlf({"8", "", "2 1 2", "3 3 1"}),
                  "row 1 has 0 entries, fewer than the 3 of row 3"},
        BadRecord{"EmptyRow3", crlf({"8", "2 3 1", "3 1 2", "", "9"}),
                  "neighbour row 3 is empty"},
        BadRecord{"CutAfterTheNumber", "8\r\n", "neighbour row 3 is empty"},
        BadRecord{"ShortRow2", crlf({"8", "2 3 1", "3 1", "3 1 2"}),
                  "row 2 has 2 entries, fewer than the 3 of row 3"},
        BadRecord{"NeighbourTooLarge", crlf({"8", "2 3 1", "3 1 2", "2 1 4"}),
                  "neighbour 4 of vertex 3 in row 3 is outside 1..3"},
        BadRecord{"NeighbourZero", crlf({"8", "2 0 1", "3 1 2", "2 3 1"}),
                  "neighbour 0 of vertex 2 in row 1"},
        BadRecord{"RowOfHundredEntries", crlf({"8", long_row(100), "1", "1"}),
                  "row 1 has more than 99 entries"},
        BadRecord{"BadToken", crlf({"8", "2 x 1", "3 1 2", "2 3 1"}),
                  "\"x\" is not a decimal integer"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CycleRecordLayout, GraphLinesUseFieldsOfWidthThree) {
  e2e::Scratch scratch;
  ZNACKA = 123;
  V_POCET_VRCHOLOV = 26;
  for (int v = 1; v <= 26; ++v) {
    V_SUSEDIA[v][1] = v % 26 + 1;
    V_SUSEDIA[v][2] = (v + 24) % 26 + 1;
    V_SUSEDIA[v][3] = 5;
  }
  int32_t cycle[4] = {0, 1, 2, 10};
  TextWriter w;
  w.create(scratch.file("dom.c").c_str());
  WRITE_GRAPH_LINES(w);
  WRITE_CYCLE_LINES(w, 3, cycle);
  WRITE_GRAPH_LINES(w);
  WRITE_NO_CYCLE_LINES(w);
  w.close();

  std::string text = scratch.read("dom.c");
  std::string row1, row2, row3;
  for (int v = 1; v <= 26; ++v) {
    char field[8];
    std::snprintf(field, sizeof field, "%3d", v % 26 + 1);
    row1 += field;
    std::snprintf(field, sizeof field, "%3d", (v + 24) % 26 + 1);
    row2 += field;
    row3 += "  5";
  }
  EXPECT_EQ(row1.size(), 78u);
  EXPECT_EQ(row1.substr(0, 9), "  2  3  4");
  std::string record = crlf({"123", "26", row1, row2, row3});
  EXPECT_EQ(text, record + crlf({"3", "1 2 10"}) + record + crlf({"0", "0"}));
}

}  // namespace
