#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/e2e.h"
#include "text_file.h"

using graphtext::TextReader;
using graphtext::TextWriter;

namespace {

// A reader over `bytes`; the scratch folder lives as long as the fixture.
class ReaderTest : public ::testing::Test {
 protected:
  TextReader& reader_over(const std::string& bytes) {
    scratch_.write("in.txt", bytes);
    reader_.open(scratch_.file("in.txt").c_str());
    return reader_;
  }
  e2e::Scratch scratch_;
  TextReader reader_;
};

std::vector<int32_t> read_ints(TextReader& r, int count) {
  std::vector<int32_t> values;
  for (int i = 0; i < count; ++i) values.push_back(r.read_int());
  return values;
}

// Runs `body` in a child process with standard output sent to a file; returns what the
// child printed. The child must end through the failure report.
template <typename Body>
std::string report_of(const e2e::Scratch& scratch, int expected_code, Body body) {
  std::string out = scratch.file("report.txt");
  EXPECT_EXIT(
      {
        int fd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(fd, STDOUT_FILENO);
        body();
      },
      ::testing::ExitedWithCode(expected_code), "");
  return scratch.read("report.txt");
}

TEST_F(ReaderTest, LinesEndAtLfCrLfAndLoneCr) {
  auto& r = reader_over("a\nb\r\nc\rd");
  EXPECT_EQ(r.read_line(), "a");
  EXPECT_EQ(r.read_line(), "b");
  EXPECT_EQ(r.read_line(), "c");
  EXPECT_EQ(r.read_line(), "d");
  EXPECT_TRUE(r.at_end());
  EXPECT_EQ(r.read_line(), "") << "a line read at the end of the file is empty";
}

TEST_F(ReaderTest, LfCrIsTwoLineEnds) {
  auto& r = reader_over("a\n\rb");
  EXPECT_EQ(r.read_line(), "a");
  EXPECT_EQ(r.read_line(), "");
  EXPECT_EQ(r.read_line(), "b");
}

TEST_F(ReaderTest, CharacterTwentySixEndsTheFile) {
  auto& r = reader_over("12 13\x1a 14\r\n15\r\n");
  EXPECT_EQ(read_ints(r, 3), (std::vector<int32_t>{12, 13, 0}));
  EXPECT_FALSE(r.more_records());
  EXPECT_TRUE(r.at_end());
}

TEST_F(ReaderTest, CharacterTwentySixEndsALine) {
  auto& r = reader_over("abc\x1a" "def\r\n");
  EXPECT_EQ(r.read_line(), "abc");
  EXPECT_EQ(r.read_line(), "");
  EXPECT_TRUE(r.at_end());
}

TEST_F(ReaderTest, IntegerTokens) {
  // Tokens may come from later lines; signs and leading zeros are fine; the extremes fit.
  auto& r = reader_over("  7\t-3\r\n\r\n  +12\n007 -2147483648 2147483647\x0c" "5");
  EXPECT_EQ(read_ints(r, 7),
            (std::vector<int32_t>{7, -3, 12, 7, -2147483648, 2147483647, 5}));
  EXPECT_EQ(r.read_int(), 0) << "nothing left gives 0";
  EXPECT_EQ(r.read_int(), 0);
}

TEST_F(ReaderTest, IntegerLeavesTheRestOfTheLine) {
  auto& r = reader_over("5 rest of line\r\nnext\r\n");
  EXPECT_EQ(r.read_int(), 5);
  EXPECT_EQ(r.read_line(), " rest of line");
  EXPECT_EQ(r.read_line(), "next");
}

TEST_F(ReaderTest, SkipLineMovesPastTheNextLineEnd) {
  auto& r = reader_over("1 2 3\r\n4\r5\n6");
  EXPECT_EQ(r.read_int(), 1);
  r.skip_line();
  EXPECT_EQ(r.read_int(), 4);
  r.skip_line();
  r.skip_line();
  EXPECT_EQ(r.read_int(), 6);
  r.skip_line();
  EXPECT_TRUE(r.at_end());
}

TEST_F(ReaderTest, LongLinesKeep255Characters) {
  std::string long_line(300, 'x');
  long_line[254] = 'y';
  long_line[255] = 'z';
  auto& r = reader_over(long_line + "\r\nnext\r\n");
  std::string_view line = r.read_line();
  ASSERT_EQ(line.size(), 255u);
  EXPECT_EQ(line.back(), 'y');
  EXPECT_EQ(r.read_line(), "next") << "the rest of a long line is skipped";
}

TEST_F(ReaderTest, LinesOfExactly255Characters) {
  auto& r = reader_over(std::string(255, 'a') + "\n" + std::string(256, 'b') + "\n");
  EXPECT_EQ(r.read_line(), std::string(255, 'a'));
  EXPECT_EQ(r.read_line(), std::string(255, 'b'));
  EXPECT_EQ(r.read_line(), "");
}

TEST_F(ReaderTest, AtLineEndSkipsBlanksAndTabsOnly) {
  auto& r = reader_over(" \t 4 \t\r\n5");
  EXPECT_FALSE(r.at_line_end());
  EXPECT_EQ(r.read_int(), 4);
  EXPECT_TRUE(r.at_line_end());
  r.skip_line();
  EXPECT_FALSE(r.at_line_end());
  EXPECT_EQ(r.read_int(), 5);
  EXPECT_TRUE(r.at_line_end()) << "the end of the file ends a line";
}

TEST_F(ReaderTest, MoreRecordsSkipsWhitespaceOnly) {
  EXPECT_FALSE(reader_over(" \r\n\t\r\n\r\n").more_records());
}

TEST_F(ReaderTest, MoreRecordsSeesText) {
  auto& r = reader_over("\r\n\r\n  x");
  EXPECT_TRUE(r.more_records());
  EXPECT_EQ(r.read_line(), "x");
}

struct BadToken {
  const char* input;
  const char* shown;
};

class BadTokenTest : public ::testing::TestWithParam<BadToken> {};

TEST_P(BadTokenTest, FailsWithCode106NamingTheToken) {
  e2e::Scratch scratch;
  scratch.write("in.txt", std::string("1\r\n") + GetParam().input + "\r\n");
  std::string name = scratch.file("in.txt");
  std::string report = report_of(scratch, 106, [&] {
    TextReader r;
    r.open(name.c_str());
    r.read_int();
    r.read_int();
  });
  EXPECT_EQ(report.rfind("Runtime error 106 at $", 0), 0u) << report;
  EXPECT_NE(report.find(std::string("\"") + GetParam().shown), std::string::npos) << report;
  EXPECT_NE(report.find("line 2"), std::string::npos) << report;
  EXPECT_EQ(report.substr(report.size() - 4), "\r\n\r\n") << "ends with an empty line";
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, BadTokenTest,
    ::testing::Values(BadToken{"12a", "12a"}, BadToken{"x", "x"}, BadToken{"+", "+"},
                      BadToken{"-", "-"}, BadToken{"1-2", "1-2"}, BadToken{"3.5", "3.5"},
                      BadToken{"2147483648", "2147483648"},
                      BadToken{"-2147483649", "-2147483649"},
                      BadToken{"99999999999999999999", "99999999999999999999"},
                      BadToken{"\xc3\xa1", "\xc3\xa1"}));

TEST(FailureReport, MissingFileIsCode2) {
  e2e::Scratch scratch;
  std::string name = scratch.file("missing.c");
  std::string report = report_of(scratch, 2, [&] {
    TextReader r;
    r.open(name.c_str());
  });
  EXPECT_EQ(report.substr(0, report.find("\r\n")), "Runtime error 2 at $00401A10");
  EXPECT_NE(report.find("missing.c"), std::string::npos);
}

TEST(FailureReport, MissingDirectoryIsCode3) {
  e2e::Scratch scratch;
  std::string name = scratch.file("nowhere/x.c");
  std::string report = report_of(scratch, 3, [&] {
    TextWriter w;
    w.create(name.c_str());
  });
  EXPECT_EQ(report.rfind("Runtime error 3 at $", 0), 0u) << report;
}

TEST(FailureReport, ReadingADanglingLinkIntoAMissingDirectoryIsCode3) {
  e2e::Scratch scratch;
  ASSERT_EQ(::symlink("nowhere/x.c", scratch.file("in.c").c_str()), 0);
  std::string name = scratch.file("in.c");
  report_of(scratch, 3, [&] {
    TextReader r;
    r.open(name.c_str());
  });
}

TEST(FailureReport, FullDiskIsCode28AndEarlierFilesStay) {
  e2e::Scratch scratch;
  std::string kept = scratch.file("kept.txt");
  std::string report = report_of(scratch, 28, [&] {
    TextWriter first;
    first.create(kept.c_str());
    first.write("written before");
    first.end_line();
    TextWriter full;
    full.create("/dev/full");
    full.write("x");
    full.end_line();
    full.close();
  });
  EXPECT_EQ(report.rfind("Runtime error 28 at $", 0), 0u) << report;
  EXPECT_EQ(scratch.read("kept.txt"), "written before\r\n");
}

TEST(FailureReport, ContextLineNamesTheRecord) {
  e2e::Scratch scratch;
  std::string report = report_of(scratch, 106, [] {
    graphtext::set_failure_context("graph 17, record 3");
    graphtext::fail(106, graphtext::Operation::Record, "a statement");
  });
  EXPECT_NE(report.find("  a statement\r\n"), std::string::npos) << report;
  EXPECT_NE(report.find("graph 17, record 3\r\n\r\n"), std::string::npos) << report;
}

TEST(Writer, LinesEndWithCrLfAndNumbersInFields) {
  e2e::Scratch scratch;
  TextWriter w;
  w.create(scratch.file("out.txt").c_str());
  w.write_int(5, 3);
  w.write_int(10, 3);
  w.write_int(123, 3);
  w.write_int(1234, 3);
  w.end_line();
  w.write_int(-7);
  w.write_char(' ');
  w.write_int(0);
  w.end_line();
  w.close();
  EXPECT_EQ(scratch.read("out.txt"), "  5 101231234\r\n-7 0\r\n");
}

TEST(Writer, LargeOutputSurvivesBuffering) {
  e2e::Scratch scratch;
  TextWriter w;
  w.create(scratch.file("big.txt").c_str());
  std::string expected;
  for (int i = 0; i < 50000; ++i) {
    w.write_int(i);
    w.end_line();
    expected += std::to_string(i) + "\r\n";
  }
  w.close();
  EXPECT_EQ(scratch.read("big.txt"), expected);
}

}  // namespace
