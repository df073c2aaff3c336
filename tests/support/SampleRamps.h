#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

// 16-bit sample sequences whose every value shows where it came from, and the cutting and
// joining the tests do to say what a note should hold.
namespace qp::test {

// Distinct, non-zero samples: offset, offset + 1, ... starting again after 20000 steps, so
// that any misplaced, lost or doubled sample shows.
std::vector<std::int16_t> ramp(std::size_t count, int offset = 1);
// 1, 2, ... 4000 and again: clearly audible, yet never reaching the silence check's level of
// 4097.
std::vector<std::int16_t> quietRamp(std::size_t count);
// samples[from, to); to is cut to the end, from must not lie past it.
std::vector<std::int16_t> slice(const std::vector<std::int16_t>& samples, std::size_t from,
                                std::size_t to);
// The parts one after another.
std::vector<std::int16_t> join(std::initializer_list<std::vector<std::int16_t>> parts);

}  // namespace qp::test
