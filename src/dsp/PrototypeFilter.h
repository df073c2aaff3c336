#pragma once

namespace qp::dsp {

// Constant table of the (L + 1)-point Hann window, w[n] = 0.5 (1 - cos(2 pi (n + 1) / (L + 2))):
// 129 values for L = 128, otherwise the 257 values of L = 256 (the bank's only other length).
const float* hannWindow(int L);

// Windowed-sinc prototype low-pass of L + 1 = 2 M + 1 taps, normalised to sum to 1:
// p[n] = sinc((n - M) / width) * w[n] / sum, with pi taken as the float 3.1415927.
// Writes L + 1 values to out.
void buildPrototype(int M, float width, float* out);

}  // namespace qp::dsp
