#include "dsp/CBandSuppression.h"

#include <cmath>
#include "dsp/SimdClones.h"

namespace qp::dsp {
namespace {

// Windows shorter than this force the noise estimate to follow the envelope (the first 376
// frames: windows of 125 and 250 frames, each lasting one frame more than its length).
constexpr int kWarmUpWindow = 500;
constexpr float kInitialMinimum = 32767.0f;

struct BandState {
  float* __restrict env;
  float* __restrict noise;
  float* __restrict min1;
  float* __restrict min2;
  float* __restrict gain;
};

// One frame for every band; the two frame-wide conditions are template arguments so that the
// loop body has no branches and vectorises.
template <bool windowEnded, bool warmUp>
void applyFrame(const BandState& s, float* __restrict x, int bands, float floor) {
  for (int k = 0; k < bands; ++k) {
    const float e = 0.95f * s.env[k] + 0.05f * std::fabs(x[k]);
    s.env[k] = e;
    const float m1 = s.min1[k] < e ? s.min1[k] : e;
    const float m2 = s.min2[k] < e ? s.min2[k] : e;
    const float min1 = windowEnded ? s.min2[k] : m1;
    s.min1[k] = min1;
    s.min2[k] = windowEnded ? e : m2;
    float n = warmUp ? 0.99f * e : s.noise[k];
    // The comparison value is h = e / 2 in double precision. Doubling a float is exact, so
    // "v > h" is decided exactly by the float comparison "v + v > e".
    const float rise = 0.9995f * n + 0.0005f * e;
    const float fall = 0.995f * n + 0.005f * e;
    const float tracked = e > n ? rise : fall;
    n = min1 + min1 > e ? tracked : n;
    s.noise[k] = n;
    // e - n > 0 implies e > 0 (the noise estimate is never negative).
    const float ratio = (e - n) / (e > 0.0f ? e : 1.0f);
    const float G = e - n > 0.0f ? ratio : 0.0f;
    const float smoothed = 0.95f * s.gain[k] + 0.05f * G;
    float g = n + n > e ? smoothed : G;
    g = g < floor ? floor : g;
    s.gain[k] = g;
    x[k] *= g;
  }
}

}  // namespace

CBandSuppression::CBandSuppression(int bands)
    : m_env(static_cast<std::size_t>(bands), 0.0f),
      m_noise(static_cast<std::size_t>(bands), 0.0f),
      m_min1(static_cast<std::size_t>(bands), kInitialMinimum),
      m_min2(static_cast<std::size_t>(bands), kInitialMinimum),
      m_gain(static_cast<std::size_t>(bands), 0.0f) {}

QP_DSP_CLONES void CBandSuppression::Apply(float* x) {
  if (++m_frameCounter > m_window) {
    m_frameCounter = 0;
    if (m_window < kLongestWindow) {
      m_window = m_window * 2 > kLongestWindow ? kLongestWindow : m_window * 2;
    }
  }
  const bool windowEnded = m_frameCounter == 0;
  const bool warmUp = m_window < kWarmUpWindow;
  const BandState state{m_env.data(), m_noise.data(), m_min1.data(), m_min2.data(), m_gain.data()};
  const int bands = Bands();
  if (windowEnded) {
    if (warmUp) {
      applyFrame<true, true>(state, x, bands, kGainFloor);
    } else {
      applyFrame<true, false>(state, x, bands, kGainFloor);
    }
  } else if (warmUp) {
    applyFrame<false, true>(state, x, bands, kGainFloor);
  } else {
    applyFrame<false, false>(state, x, bands, kGainFloor);
  }
}

}  // namespace qp::dsp
