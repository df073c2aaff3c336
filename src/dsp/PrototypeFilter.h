#pragma once

namespace qp::dsp {

// The Hann window of L + 1 points, w[n] = 0.5 - 0.5 cos(2 pi (n + 1) / (L + 2)), as a constant
// table: 129 values when L is 128, 257 values for any other L (which is 256 in this program).
const float* hannWindow(int L);

// Windowed-sinc prototype low-pass of L + 1 = 2 M + 1 taps, normalised to sum to 1:
// p[n] = sinc((n - M) / width) * w[n] / sum, with pi taken as the float 3.1415927.
// Writes L + 1 values to out.
void buildPrototype(int M, float width, float* out);

}  // namespace qp::dsp
