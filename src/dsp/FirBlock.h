#pragma once

#include <cstring>

// Small FIR kernels of the playback-speed processors, written with the compiler's generic
// vector types (GCC and Clang) so that they use the SIMD unit on every target without
// fast-math. Every output of a processor is computed by one kernel, in one fixed order of
// additions, so a stream never depends on how its blocks were cut.

namespace qp::dsp::fir {

using Vec4 = float __attribute__((vector_size(16)));

inline Vec4 Load4(const float* p) {
  Vec4 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

inline void Store4(float* p, Vec4 v) {
  std::memcpy(p, &v, sizeof v);
}

inline Vec4 Splat4(float c) {
  return Vec4{c, c, c, c};
}

// y = sum of h[i] * x[i] for i = 0 .. N-1, N = 4m + 1 (four interleaved partial sums, then
// the last tap).
template <int N>
inline float Dot(const float* __restrict h, const float* __restrict x) {
  static_assert(N % 4 == 1, "four-tap groups and one last tap");
  Vec4 s = Load4(h) * Load4(x);
  for (int i = 4; i + 4 <= N; i += 4) {
    s += Load4(h + i) * Load4(x + i);
  }
  return ((s[0] + s[1]) + (s[2] + s[3])) + h[N - 1] * x[N - 1];
}

// Eight neighbouring outputs of one filter, y[k] = sum of h[i] * x[k + i], accumulated into
// four pairs of vectors (one pair per tap modulo 4) that stay in registers.
class Block8 {
 public:
  // Adds taps h[0 .. N-1], N a multiple of 4, over x[0 .. N + 6].
  template <int N>
  void Add(const float* __restrict h, const float* __restrict x) {
    static_assert(N % 4 == 0, "whole four-tap groups");
    for (int i = 0; i < N; i += 4) {
      Step(m_a0, m_a1, h[i], x + i);
      Step(m_b0, m_b1, h[i + 1], x + i + 1);
      Step(m_c0, m_c1, h[i + 2], x + i + 2);
      Step(m_d0, m_d1, h[i + 3], x + i + 3);
    }
  }
  // Adds one tap c over x[0 .. 7].
  void AddOne(float c, const float* x) { Step(m_a0, m_a1, c, x); }
  // y[0 .. 7] = the sums.
  void Store(float* y) const {
    Store4(y, (m_a0 + m_b0) + (m_c0 + m_d0));
    Store4(y + 4, (m_a1 + m_b1) + (m_c1 + m_d1));
  }

 private:
  static void Step(Vec4& lo, Vec4& hi, float c, const float* x) {
    const Vec4 v = Splat4(c);
    lo += v * Load4(x);
    hi += v * Load4(x + 4);
  }

  Vec4 m_a0{}, m_a1{}, m_b0{}, m_b1{}, m_c0{}, m_c1{}, m_d0{}, m_d1{};
};

// v limited to the 16-bit range that is symmetric around zero.
inline float ClampSample(float v) {
  constexpr float kLimit = 32767.0f;
  return v > kLimit ? kLimit : (v < -kLimit ? -kLimit : v);
}

}  // namespace qp::dsp::fir
