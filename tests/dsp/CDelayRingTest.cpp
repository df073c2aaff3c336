#include <gtest/gtest.h>

#include <vector>

#include "dsp/CDelayRing.h"

namespace qp::dsp {
namespace {

TEST(CDelayRing, WindowShowsTheLastLengthValuesOldestFirst) {
  CDelayRing ring(5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(ring.Read(i), 0.0f);
  }
  for (int v = 1; v <= 13; ++v) {
    ring.Write(static_cast<float>(v));
    const float* w = ring.Window();
    for (int i = 0; i < 5; ++i) {
      const int expected = v - 4 + i;
      ASSERT_EQ(w[i], expected > 0 ? static_cast<float>(expected) : 0.0f) << v << "/" << i;
      ASSERT_EQ(ring.Read(i), w[i]);
    }
  }
  EXPECT_EQ(ring.Written(), 13);
  EXPECT_EQ(ring.Cursor(), 13 % 5);
}

TEST(CDelayRing, SlotsWrapAroundTheCursorAndTheCursorCanBeRestored) {
  CDelayRing ring(4);
  ring.Advance(3);
  ring.Slot(0) = 1.0f;
  ring.Slot(1) = 2.0f;  // wraps to storage slot 0
  EXPECT_EQ(ring.Data()[3], 1.0f);
  EXPECT_EQ(ring.Data()[0], 2.0f);
  ring.SaveCursor();
  ring.Advance(2);
  EXPECT_EQ(ring.Cursor(), 1);
  ring.RestoreCursor();
  EXPECT_EQ(ring.Cursor(), 3);
}

TEST(CDelayRing, BlockWritesMatchSingleWritesAcrossTheWrap) {
  std::vector<float> in(40);
  for (int i = 0; i < 40; ++i) {
    in[i] = static_cast<float>(i + 1);
  }
  for (const int stride : {1, 2}) {
    CDelayRing single(7);
    CDelayRing block(7);
    int at = 0;
    for (const int n : {3, 5, 1, 7, 2}) {
      for (int i = 0; i < n; ++i) {
        single.Write(in[(at + i) * stride]);
      }
      block.WriteBlock(in.data() + at * stride, n, stride);
      at += n;
      ASSERT_EQ(block.Cursor(), single.Cursor());
      for (int i = 0; i < 7; ++i) {
        ASSERT_EQ(block.Window()[i], single.Window()[i]) << stride << "/" << at << "/" << i;
      }
    }
    EXPECT_EQ(block.Written(), single.Written());
  }
}

}  // namespace
}  // namespace qp::dsp
