// Once configured, processing a block allocates nothing: this program replaces the global
// operator new to count allocations while Process runs.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "audio/device/BufferSizing.h"
#include "dsp/CSilkvoiceFilter.h"
#include "support/SignalGenerators.h"

namespace {

std::atomic<bool> g_counting{false};
std::atomic<long> g_allocations{0};

void* allocate(std::size_t size) {
  if (g_counting.load(std::memory_order_relaxed)) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) {
    return p;
  }
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) {
  return allocate(size);
}
void* operator new[](std::size_t size) {
  return allocate(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}

namespace qp::dsp {
namespace {

struct Row {
  std::uint32_t rate;
  int bits;
  int channels;
};

TEST(SilkvoiceAllocation, TheCounterSeesAllocations) {
  g_allocations = 0;
  g_counting = true;
  auto* probe = new std::vector<float>(100);
  g_counting = false;
  delete probe;
  EXPECT_EQ(g_allocations.load(), 2);
}

TEST(SilkvoiceAllocation, ProcessAllocatesNothingOnceConfigured) {
  const Row rows[] = {{8000, 16, 1},  {11025, 16, 1}, {22050, 16, 1}, {32000, 16, 1},
                      {44100, 16, 1}, {48000, 16, 2}, {11025, 8, 2}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.rate) + " Hz");
    std::vector<std::uint8_t> stream =
        test::toBytes(test::noise(static_cast<std::size_t>(row.rate) * 3, 3000.0, 5));
    CSilkvoiceFilter filter;
    ASSERT_TRUE(filter.Configure(row.rate, row.bits, row.channels));
    // Recorder-sized blocks, then odd and large ones (several passes per call).
    const std::uint32_t sizes[] = {BufferSizing::mainRecorderBufferBytes(row.rate), 1000, 777 * 4,
                                   20000, 4};
    std::size_t at = 0;
    g_allocations = 0;
    g_counting = true;
    for (int i = 0; at + 20000 < stream.size(); ++i) {
      const std::uint32_t n = sizes[i % 5];
      filter.Process(stream.data() + at, n);
      at += n;
    }
    g_counting = false;
    EXPECT_EQ(g_allocations.load(), 0);
  }
}

}  // namespace
}  // namespace qp::dsp
