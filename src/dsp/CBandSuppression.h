#pragma once

#include <vector>

namespace qp::dsp {

// Per-band noise suppression state of one synthesis bank: a smoothed magnitude per band,
// running minima over windows of W frames (W doubles from 125 up to 1000), a noise estimate
// that follows the minima, and a gain never below 0.2. Apply() takes one frame of band
// samples and scales each by its band's gain. Allocates only in its constructor.
class CBandSuppression {
 public:
  static constexpr int kFirstWindow = 125;
  static constexpr int kLongestWindow = 1000;
  static constexpr float kGainFloor = 0.2f;

  explicit CBandSuppression(int bands);

  // Starts the minimum window over at length W frames (the frame counter is kept).
  void SetWindow(int W) { m_window = W; }
  // Scales the frame's band samples x[0 .. bands-1] in place, band 0 first.
  void Apply(float* x);

  int Bands() const { return static_cast<int>(m_env.size()); }
  int Window() const { return m_window; }
  float Gain(int band) const { return m_gain[band]; }
  float Noise(int band) const { return m_noise[band]; }
  float Envelope(int band) const { return m_env[band]; }

 private:
  std::vector<float> m_env;
  std::vector<float> m_noise;
  std::vector<float> m_min1;  // minimum over the previous and the current window
  std::vector<float> m_min2;  // minimum over the current window
  std::vector<float> m_gain;
  int m_frameCounter = 0;
  int m_window = kFirstWindow;
};

}  // namespace qp::dsp
