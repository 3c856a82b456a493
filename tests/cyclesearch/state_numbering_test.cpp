#include <gtest/gtest.h>

#include "search_graph.h"
#include "state_numbering.h"

namespace {

class StateNumbering : public ::testing::Test {
 protected:
  void SetUp() override { FILL_MOCNINA(); }
};

TEST_F(StateNumbering, PowerTable) {
  EXPECT_EQ(MOCNINA[0], 1);
  EXPECT_EQ(MOCNINA[22], 1 << 22);
  EXPECT_EQ(MOCNINA[28], 268435456);
  EXPECT_EQ(MOCNINA[29], 0);
  EXPECT_EQ(MOCNINA[30], 0);
}

TEST_F(StateNumbering, SmallExampleBothWays) {
  POCET_VRCHOLOV = 3;
  POLE_BOOL a{};
  a[1] = a[3] = true;
  EXPECT_EQ(NA_CISLO(a, 2), 16);
  POLE_BOOL back{};
  back[0] = true;
  back[4] = true;
  int32_t head = 0;
  NA_POLE(16, back, head);
  EXPECT_TRUE(back[1]);
  EXPECT_FALSE(back[2]);
  EXPECT_TRUE(back[3]);
  EXPECT_EQ(head, 2);
  EXPECT_TRUE(back[0] && back[4]) << "entries outside 1..n are left as they were";
}

TEST_F(StateNumbering, StartFullAndLargestStates) {
  for (int32_t n : {1, 5, 22}) {
    POCET_VRCHOLOV = n;
    POLE_BOOL a{};
    a[1] = true;
    EXPECT_EQ(NA_CISLO(a, 1), n) << "the start state from vertex 1";
    for (int32_t v = 1; v <= n; ++v) a[v] = true;
    EXPECT_EQ(NA_CISLO(a, n), MOCNINA[n] * n - 1) << "the largest state";
  }
}

TEST_F(StateNumbering, RoundTripOverAllStatesOfASmallGraph) {
  POCET_VRCHOLOV = 6;
  for (int32_t s = 0; s < MOCNINA[6] * 6; ++s) {
    POLE_BOOL a{};
    int32_t head = 0;
    NA_POLE(s, a, head);
    ASSERT_EQ(NA_CISLO(a, head), s);
  }
}

}  // namespace
