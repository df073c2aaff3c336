#include <gtest/gtest.h>

#include "dsp/CSampleQueue.h"

namespace qp::dsp {
namespace {

TEST(CSampleQueue, HoldsCapacityPlusFourAndDropsPushesWhenFull) {
  CSampleQueue q;
  ASSERT_TRUE(q.Init(256));
  EXPECT_TRUE(q.IsEmpty());
  EXPECT_FALSE(q.IsFull());
  for (int i = 0; i < 260; ++i) {
    ASSERT_TRUE(q.Push(static_cast<float>(i)));
  }
  EXPECT_TRUE(q.IsFull());
  EXPECT_EQ(q.Count(), 260);
  EXPECT_FALSE(q.Push(999.0f));
  EXPECT_EQ(q.Count(), 260);
  for (int i = 0; i < 260; ++i) {
    ASSERT_EQ(q.Pop(), static_cast<float>(i));
  }
  EXPECT_TRUE(q.IsEmpty());
  EXPECT_EQ(q.Count(), 0);
}

TEST(CSampleQueue, KeepsOrderAcrossTheWrapAndAfterReset) {
  CSampleQueue q;
  q.Init(4, 2);  // 10 slots, reset leaves two zeros
  EXPECT_EQ(q.Count(), 2);
  EXPECT_EQ(q.Pop(), 0.0f);
  EXPECT_EQ(q.Pop(), 0.0f);
  EXPECT_TRUE(q.IsEmpty());
  float next = 1.0f;
  float expected = 1.0f;
  for (int round = 0; round < 7; ++round) {
    for (int i = 0; i < 6; ++i) {
      q.Push(next++);
    }
    for (int i = 0; i < 6; ++i) {
      ASSERT_EQ(q.Pop(), expected++);
    }
    EXPECT_TRUE(q.IsEmpty());
  }
  q.Push(5.0f);
  q.Reset();
  EXPECT_EQ(q.Count(), 2);
  EXPECT_EQ(q.Pop(), 0.0f);
}

TEST(CSampleQueue, PopFromEmptyYieldsZeroWithoutChangingTheCount) {
  CSampleQueue q;
  q.Init(8);
  EXPECT_EQ(q.Pop(), 0.0f);
  EXPECT_EQ(q.Count(), 0);
  EXPECT_TRUE(q.IsEmpty());
  CSampleQueue uninitialised;
  EXPECT_FALSE(uninitialised.Push(1.0f));
  EXPECT_FALSE(q.Init(-1));
}

}  // namespace
}  // namespace qp::dsp
