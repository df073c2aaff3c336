// The little-endian field helpers: byte order, high bits (no sign spill), any alignment.
#include "common/LittleEndian.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace qp {
namespace {

TEST(LittleEndian, SixteenBitFieldsPutTheLowByteFirstAtAnyOffset) {
  struct Row {
    std::uint16_t value;
    std::array<std::uint8_t, 2> bytes;
  };
  const Row rows[] = {
      {0x0000, {0x00, 0x00}}, {0x0001, {0x01, 0x00}}, {0x1234, {0x34, 0x12}},
      {0x8000, {0x00, 0x80}}, {0x00FF, {0xFF, 0x00}}, {0xFFFF, {0xFF, 0xFF}},
  };
  for (const Row& row : rows) {
    for (std::size_t offset = 0; offset < 3; ++offset) {
      std::array<std::uint8_t, 5> buffer{0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
      putLe16(buffer.data() + offset, row.value);
      EXPECT_EQ(buffer[offset], row.bytes[0]) << row.value;
      EXPECT_EQ(buffer[offset + 1], row.bytes[1]) << row.value;
      EXPECT_EQ(buffer[offset + 2], 0xAA) << "wrote past the field";
      EXPECT_EQ(getLe16(buffer.data() + offset), row.value);
    }
  }
}

TEST(LittleEndian, ThirtyTwoBitFieldsPutTheLowByteFirstAtAnyOffset) {
  struct Row {
    std::uint32_t value;
    std::array<std::uint8_t, 4> bytes;
  };
  const Row rows[] = {
      {0x00000000u, {0x00, 0x00, 0x00, 0x00}}, {0x12345678u, {0x78, 0x56, 0x34, 0x12}},
      {0x80000000u, {0x00, 0x00, 0x00, 0x80}}, {0x000000FFu, {0xFF, 0x00, 0x00, 0x00}},
      {0xFFFFFF00u, {0x00, 0xFF, 0xFF, 0xFF}}, {0xFFFFFFFFu, {0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const Row& row : rows) {
    for (std::size_t offset = 0; offset < 4; ++offset) {
      std::array<std::uint8_t, 9> buffer{};
      buffer.fill(0xAA);
      putLe32(buffer.data() + offset, row.value);
      for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(buffer[offset + i], row.bytes[i]) << row.value << " byte " << i;
      }
      EXPECT_EQ(buffer[offset + 4], 0xAA) << "wrote past the field";
      EXPECT_EQ(getLe32(buffer.data() + offset), row.value);
    }
  }
}

}  // namespace
}  // namespace qp
