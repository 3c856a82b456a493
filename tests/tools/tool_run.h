// What every run of a data-set tool must show: a clean run prints nothing, and a failed
// one prints the failure report alone and ends with its code.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "e2e/e2e.h"

namespace tool_run {

inline void expect_clean(const e2e::Run& run) {
  EXPECT_EQ(run.exit_code, 0) << run.out;
  EXPECT_EQ(run.out, "");
}

// The report's first line is "Runtime error <code> at $<8 hex digits>"; the statement
// after it must name `mentions`.
inline void expect_failure(const e2e::Run& run, int code, const std::string& mentions) {
  EXPECT_EQ(run.exit_code, code);
  std::string head = "Runtime error " + std::to_string(code) + " at $";
  ASSERT_EQ(run.out.compare(0, head.size(), head), 0) << run.out;
  EXPECT_NE(run.out.find(mentions), std::string::npos) << run.out;
  EXPECT_EQ(run.out.substr(run.out.size() - 4), "\r\n\r\n") << "the report ends with an empty line";
}

}  // namespace tool_run
