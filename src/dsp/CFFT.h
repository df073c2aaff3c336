#pragma once

#include <vector>

namespace qp::dsp {

// Radix-2 complex FFT of a power-of-two size n. The twiddle factors come from the half-angle
// recurrence in double precision and are computed once by Init; each butterfly forms its
// twiddle product in double and rounds it to float. Transforms allocate nothing. One object
// per thread: Transform uses a scratch buffer of the object.
class CFFT {
 public:
  static constexpr int kForward = 1;  // Y[m] = sum x[k] e^(-2 pi i k m / n), unscaled
  static constexpr int kInverse = 0;  // x[k] = (1/n) sum Y[m] e^(+2 pi i k m / n)

  CFFT() = default;
  CFFT(const CFFT&) = delete;
  CFFT& operator=(const CFFT&) = delete;

  // Both accepted kinds (1 and 2) give the same transform; the kind is only kept for Kind().
  // Returns false and changes nothing for any other kind or when n is not a power of two.
  bool Init(int kind, int n);
  // Interleaved arrays of n complex values (2 n floats: real, imaginary). Copies in to out
  // when they differ, then transforms out in place.
  void Transform(int direction, const float* in, float* out);
  // The same transform on split arrays of n real parts and n imaginary parts, in place.
  void TransformSplit(int direction, float* re, float* im) const;
  // TransformSplit for input already stored in bit-reversed order (element k at index
  // BitReversed()[k]); saves the permutation when the caller can write the input that way.
  // scaleInverse = false leaves the inverse transform unscaled (the caller applies 1/n).
  void TransformPermuted(int direction, float* re, float* im, bool scaleInverse = true) const;
  // The bit-reversal permutation of 0 .. n-1.
  const int* BitReversed() const { return m_reversed.data(); }

  int Kind() const { return m_kind; }
  int Size() const { return m_n; }
  int Log2Size() const { return m_log2n; }
  int HalfSizePlusOne() const { return m_n / 2 + 1; }

 private:
  void FirstStages(float* re, float* im, bool forward) const;

  int m_kind = 0;
  int m_n = 0;
  int m_log2n = 0;
  std::vector<int> m_swaps;  // pairs (i, j), i < j, of the bit-reversal permutation
  std::vector<int> m_reversed;
  // Per stage, w^j for j below half the span: real and imaginary parts.
  std::vector<double> m_forwardRe;
  std::vector<double> m_forwardIm;
  std::vector<double> m_inverseRe;
  std::vector<double> m_inverseIm;
  std::vector<float> m_work;  // 2 n floats: split copy for Transform
};

}  // namespace qp::dsp
