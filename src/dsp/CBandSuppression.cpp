#include "dsp/CBandSuppression.h"

#include <cmath>

namespace qp::dsp {
namespace {

// Windows shorter than this force the noise estimate to follow the envelope (the first 376
// frames: windows of 125 and 250 frames, each lasting one frame more than its length).
constexpr int kWarmUpWindow = 500;
constexpr float kInitialMinimum = 32767.0f;

}  // namespace

CBandSuppression::CBandSuppression(int bands)
    : m_env(static_cast<std::size_t>(bands), 0.0f),
      m_noise(static_cast<std::size_t>(bands), 0.0f),
      m_min1(static_cast<std::size_t>(bands), kInitialMinimum),
      m_min2(static_cast<std::size_t>(bands), kInitialMinimum),
      m_gain(static_cast<std::size_t>(bands), 0.0f) {}

void CBandSuppression::Apply(float* x) {
  if (++m_frameCounter > m_window) {
    m_frameCounter = 0;
    if (m_window < kLongestWindow) {
      m_window = m_window * 2 > kLongestWindow ? kLongestWindow : m_window * 2;
    }
  }
  const bool windowEnded = m_frameCounter == 0;
  const bool warmUp = m_window < kWarmUpWindow;
  const int bands = Bands();
  for (int k = 0; k < bands; ++k) {
    const float e = 0.95f * m_env[k] + 0.05f * std::fabs(x[k]);
    m_env[k] = e;
    if (windowEnded) {
      m_min1[k] = m_min2[k];
      m_min2[k] = e;
    } else {
      m_min1[k] = m_min1[k] < e ? m_min1[k] : e;
      m_min2[k] = m_min2[k] < e ? m_min2[k] : e;
    }
    if (warmUp) {
      m_noise[k] = 0.99f * e;
    }
    float n = m_noise[k];
    const double h = 0.5 * static_cast<double>(e);
    if (static_cast<double>(m_min1[k]) > h) {
      n = e > n ? 0.9995f * n + 0.0005f * e : 0.995f * n + 0.005f * e;
      m_noise[k] = n;
    }
    const float G = e - n > 0.0f ? (e - n) / e : 0.0f;
    float g = static_cast<double>(n) > h ? 0.95f * m_gain[k] + 0.05f * G : G;
    g = g < kGainFloor ? kGainFloor : g;
    m_gain[k] = g;
    x[k] *= g;
  }
}

}  // namespace qp::dsp
