#include <gtest/gtest.h>

#include <thread>

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

TEST(CSampleQueue, AProducerAndAConsumerThreadSeeEveryValueInOrder) {
  CSampleQueue q;
  q.Init(16);
  constexpr int kValues = 20000;
  std::thread producer([&q] {
    for (int i = 0; i < kValues;) {
      if (q.Push(static_cast<float>(i))) {
        ++i;
      } else {
        std::this_thread::yield();
      }
    }
  });
  int next = 0;
  while (next < kValues) {
    const int count = q.Count();
    ASSERT_GE(count, 0);
    ASSERT_LE(count, q.Size());
    if (!q.IsEmpty()) {
      ASSERT_EQ(q.Pop(), static_cast<float>(next));
      ++next;
    } else {
      std::this_thread::yield();
    }
  }
  producer.join();
  EXPECT_TRUE(q.IsEmpty());
}

}  // namespace
}  // namespace qp::dsp
