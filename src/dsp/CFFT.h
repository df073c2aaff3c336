#pragma once

#include <memory>
#include <vector>

namespace qp::dsp {

// Radix-2 complex FFT of a power-of-two size n. Arrays hold n complex values as interleaved
// 32-bit floats (real, imaginary). The twiddle factors come from the half-angle recurrence in
// double precision and are computed once by Init; Transform allocates nothing.
class CFFT {
 public:
  static constexpr int kForward = 1;  // Y[m] = sum x[k] e^(-2 pi i k m / n), unscaled
  static constexpr int kInverse = 0;  // x[k] = (1/n) sum Y[m] e^(+2 pi i k m / n)

  CFFT() = default;
  CFFT(const CFFT&) = delete;
  CFFT& operator=(const CFFT&) = delete;

  // kind 1: plain complex transform; kind 2: the same with an extra work buffer of n complex
  // values. False (and nothing changed) unless n is a power of two and kind is 1 or 2.
  bool Init(int kind, int n);
  // Copies in to out when they differ, then transforms out in place. in and out hold 2*n
  // floats; direction is kForward or kInverse.
  void Transform(int direction, const float* in, float* out) const;

  int Kind() const { return m_kind; }
  int Size() const { return m_n; }
  int Log2Size() const { return m_log2n; }
  int HalfSizePlusOne() const { return m_n / 2 + 1; }

 private:
  void Butterflies(const double* twiddles, float* data) const;

  int m_kind = 0;
  int m_n = 0;
  int m_log2n = 0;
  std::vector<int> m_swaps;              // pairs (i, j), i < j, of the bit-reversal permutation
  std::vector<double> m_forwardTwiddle;  // per stage, (re, im) of w^j for j < half the span
  std::vector<double> m_inverseTwiddle;
  std::unique_ptr<float[]> m_work;  // kind 2 only
};

}  // namespace qp::dsp
