// The failure hook: a harness that runs a program's logic in-process gets the code by an
// exception, after the same report and the same flushing as a program that ends.
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>

#include "e2e/e2e.h"
#include "failure.h"
#include "text_file.h"

using graphtext::fail;
using graphtext::Operation;

namespace {

struct Failed {
  int code;
};

[[noreturn]] void throw_code(int code) { throw Failed{code}; }
void return_quietly(int) {}

class FailureHookTest : public ::testing::Test {
 protected:
  void SetUp() override { graphtext::set_failure_hook(throw_code); }
  void TearDown() override { graphtext::set_failure_hook(nullptr); }

  // Runs `body`, which must fail; returns the code the hook saw and the report in `out`.
  template <typename Body>
  int failure_code(Body body, std::string& out) {
    int code = -1;
    ::testing::internal::CaptureStdout();
    try {
      body();
    } catch (const Failed& failed) {
      code = failed.code;
    }
    out = ::testing::internal::GetCapturedStdout();
    return code;
  }
};

TEST_F(FailureHookTest, HookGetsTheCodeAfterTheFullReport) {
  std::string out;
  int code = failure_code(
      [] {
        graphtext::set_failure_context("record %d", 4);
        fail(106, Operation::Number, "\"%s\" is not a number", "x1");
      },
      out);
  EXPECT_EQ(code, 106);
  EXPECT_EQ(out.rfind("Runtime error 106 at $", 0), 0u) << out;
  EXPECT_NE(out.find("\"x1\" is not a number"), std::string::npos) << out;
  EXPECT_NE(out.find("record 4"), std::string::npos) << out;
  EXPECT_TRUE(out.ends_with("\r\n\r\n")) << out;

  // The context belonged to the failed run; the next report does not carry it.
  code = failure_code([] { fail(2, Operation::Open, "cannot open"); }, out);
  EXPECT_EQ(code, 2);
  EXPECT_EQ(out.find("record 4"), std::string::npos) << out;
}

TEST_F(FailureHookTest, FilesAreFlushedBeforeTheHook) {
  e2e::Scratch scratch;
  graphtext::TextWriter file;
  file.create(scratch.file("out.txt").c_str());
  file.write("written before");
  file.end_line();
  std::string out;
  EXPECT_EQ(failure_code([] { fail(28, Operation::Write, "disk full"); }, out), 28);
  EXPECT_EQ(scratch.read("out.txt"), "written before\r\n");
}

// The lowest free descriptor: it moves up when a descriptor is lost.
int lowest_free_descriptor() {
  int fd = ::open("/dev/null", O_RDONLY);
  ::close(fd);
  return fd;
}

TEST_F(FailureHookTest, FilesOfAFailedRunAreLetGoWhenOpenedAgain) {
  e2e::Scratch scratch;
  scratch.write("in.txt", "x\r\n");
  graphtext::TextReader reader;
  graphtext::TextWriter writer;
  const int free_before = lowest_free_descriptor();
  for (int run = 0; run < 3; ++run) {
    std::string out;
    // A run that fails with both files open: the harness goes on and runs again.
    failure_code(
        [&] {
          reader.open(scratch.file("in.txt").c_str());
          writer.create(scratch.file("out.txt").c_str());
          writer.write("half");
          reader.read_int();
        },
        out);
  }
  reader.close();
  writer.close();
  EXPECT_EQ(lowest_free_descriptor(), free_before);
  EXPECT_EQ(scratch.read("out.txt"), "half");
}

TEST(FailureHookDeathTest, HookThatReturnsStillEndsTheProgram) {
  EXPECT_EXIT(
      {
        graphtext::set_failure_hook(return_quietly);
        fail(105, Operation::Write, "not open for output");
      },
      ::testing::ExitedWithCode(105), "");
}

TEST(FailureHookDeathTest, WithoutHookTheProgramEndsWithTheCode) {
  EXPECT_EXIT(fail(3, Operation::Create, "no directory"), ::testing::ExitedWithCode(3), "");
}

}  // namespace
