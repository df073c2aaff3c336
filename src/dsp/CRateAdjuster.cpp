#include "dsp/CRateAdjuster.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "dsp/FirBlock.h"

namespace qp::dsp {
namespace {

// Fractional-delay filters, tap 0 weighting the oldest of 25 samples. Counted back from the
// newest sample they delay by 12, ~11.75, 11.5 and ~11.25 samples; F3 is F1 reversed.
constexpr float kF0[CRateAdjuster::kTaps] = {
    -0.122734f,  0.0316862f,  -0.0141587f, 0.0327825f,  -0.0226297f, 0.0353054f, -0.0292674f,
    0.0381071f,  -0.0341469f, 0.0402482f,  -0.0372344f, 0.0415862f,  0.9617f,    0.0415862f,
    -0.0372344f, 0.0402482f,  -0.0341469f, 0.0381071f,  -0.0292674f, 0.0353054f, -0.0226297f,
    0.0327825f,  -0.0141587f, 0.0316862f,  -0.122734f};
constexpr float kF1[CRateAdjuster::kTaps] = {
    0.0f,        -0.000182506f, -0.0206584f, 0.00251706f, -0.0139739f, 1.10006e-05f, -0.00381648f,
    -0.0102327f, 0.015171f,     -0.0372379f, 0.0652428f,  -0.150852f,  0.869689f,    0.324771f,
    -0.154265f,  0.100581f,     -0.0802509f, 0.0591048f,  -0.054114f,  0.0373661f,   -0.0396682f,
    0.0214555f,  -0.0312759f,   0.00765989f, -0.0277598f};
constexpr float kF2[CRateAdjuster::kTaps] = {
    0.0f,        0.0102328f,   0.0156353f,  -0.00175497f, 0.0211741f,  -0.0163428f, 0.034081f,
    -0.0378228f, 0.0593077f,   -0.0773393f, 0.121138f,    -0.205365f,  0.636662f,   0.636662f,
    -0.205365f,  0.121138f,    -0.0773393f, 0.0593077f,   -0.0378228f, 0.034081f,   -0.0163428f,
    0.0211741f,  -0.00175497f, 0.0156353f,  0.0102328f};
constexpr float kF3[CRateAdjuster::kTaps] = {
    0.0f,        -0.0277598f, 0.00765989f, -0.0312759f,  0.0214555f,  -0.0396682f,  0.0373661f,
    -0.054114f,  0.0591048f,  -0.0802509f, 0.100581f,    -0.154265f,  0.324771f,    0.869689f,
    -0.150852f,  0.0652428f,  -0.0372379f, 0.015171f,    -0.0102327f, -0.00381648f, 1.10006e-05f,
    -0.0139739f, 0.00251706f, -0.0206584f, -0.000182506f};

// One stretch of the cycle: the filter used up to (not including) position `end`.
struct Stretch {
  const float* taps;
  int end;
};

// Dropping: quarters with F0, F1, F2, then F3 up to the dropped sample at |n| - 1.
Stretch DropStretch(int pos, int q, int absN) {
  return pos < q       ? Stretch{kF0, q}
         : pos < 2 * q ? Stretch{kF1, 2 * q}
         : pos < 3 * q ? Stretch{kF2, 3 * q}
                       : Stretch{kF3, absN - 1};
}

// Inserting: F0, then (after the inserted output) F3, F2, and F1 to the end of the cycle.
Stretch InsertStretch(int pos, int q, int absN) {
  return pos < q       ? Stretch{kF0, q}
         : pos < 2 * q ? Stretch{kF3, 2 * q}
         : pos < 3 * q ? Stretch{kF2, 3 * q}
                       : Stretch{kF1, absN};
}

}  // namespace

CRateAdjuster::CRateAdjuster() {
  Configure(0, 0);
}

void CRateAdjuster::Configure(int /*rate*/, int n, int /*outputDevice*/, int /*inputDevice*/) {
  // The most negative int has no magnitude; one less is as good a cycle length.
  m_n = std::max(n, -0x7FFFFFFF);
  m_absN = m_n < 0 ? -m_n : m_n;
  m_q = m_absN / 4;
  m_pos = 0;
  m_primeLeft = kPrimeSamples;
  m_inserted = false;
  m_queued = 0;
  m_next = kTaps;
  // A history of zeros, so after the 12 priming samples it holds 12 zeros and those samples.
  std::fill(std::begin(m_line), std::end(m_line), 0.0f);
  BuildCycle();
}

void CRateAdjuster::BuildCycle() {
  m_cycleOutputs = 0;
  if (m_n == 0 || m_absN > kMaxListedCycle) {
    return;
  }
  int o = 0;
  for (int pos = 0; pos < m_absN; ++pos) {
    if (m_n > 0) {
      if (pos < m_absN - 1) {
        m_cycle[o++] = {DropStretch(pos, m_q, m_absN).taps, pos};
      }
    } else {
      if (pos == m_q) {
        // The inserted output's window ends at the previous position's sample.
        m_cycle[o++] = {kF3, pos - 1};
      }
      m_cycle[o++] = {InsertStretch(pos, m_q, m_absN).taps, pos};
    }
  }
  m_cycleOutputs = o;
}

int CRateAdjuster::Process(const std::int16_t* in, int count, std::int16_t* out, int capacity) {
  if (in == nullptr || count <= 0) {
    return 0;
  }
  if (out == nullptr || capacity < 0) {
    capacity = 0;
  }
  int written = 0;
  while (count > 0) {
    const int take = std::min(count, kQueueSamples - m_queued);
    float* queue = m_line + QueueEnd();
    for (int i = 0; i < take; ++i) {
      queue[i] = in[i];
    }
    m_queued += take;
    in += take;
    count -= take;
    while (m_next < QueueEnd()) {
      const int made = RunEngine(kScratchSamples);
      const int keep = std::min(made, capacity - written);
      for (int i = 0; i < keep; ++i) {
        // Truncation toward zero; filtered values are already limited to +-32767.
        out[written + i] = static_cast<std::int16_t>(m_scratch[i]);
      }
      written += keep;
    }
    Compact();
  }
  return written;
}

int CRateAdjuster::RunEngine(int room) {
  int produced = 0;
  while (m_next < QueueEnd() && produced < room) {
    if (PassThrough()) {
      const int k = std::min(QueueEnd() - m_next, room - produced);
      std::memcpy(m_scratch + produced, m_line + m_next, sizeof(float) * k);
      m_next += k;
      produced += k;
    } else if (m_primeLeft > 0) {
      const int k = std::min(QueueEnd() - m_next, m_primeLeft);
      m_next += k;
      m_primeLeft -= k;
    } else if (m_pos == 0 && !m_inserted && m_cycleOutputs > 0 && QueueEnd() - m_next >= m_absN &&
               room - produced >= m_cycleOutputs) {
      produced += WholeCycles(m_scratch + produced, room - produced);
    } else if (m_n > 0) {
      produced += DropStep(m_scratch + produced, room - produced);
    } else {
      produced += InsertStep(m_scratch + produced, room - produced);
    }
  }
  return produced;
}

int CRateAdjuster::WholeCycles(float* y, int room) {
  int produced = 0;
  while (QueueEnd() - m_next >= m_absN && room - produced >= m_cycleOutputs) {
    // Offset p: the output whose window ends at sample m_next + p.
    const float* base = m_line + m_next - (kTaps - 1);
    for (int o = 0; o < m_cycleOutputs; ++o) {
      y[produced + o] =
          fir::ClampSample(fir::Dot<kTaps>(m_cycle[o].taps, base + m_cycle[o].offset));
    }
    produced += m_cycleOutputs;
    m_next += m_absN;
  }
  return produced;
}

int CRateAdjuster::DropStep(float* y, int room) {
  if (m_pos == m_absN - 1) {
    // The dropped sample enters the history without an output; the cycle restarts.
    ++m_next;
    m_pos = 0;
    return 0;
  }
  const Stretch stretch = DropStretch(m_pos, m_q, m_absN);
  const int k = std::min({stretch.end - m_pos, QueueEnd() - m_next, room});
  Filter(stretch.taps, k, y);
  m_next += k;
  m_pos += k;
  return k;
}

int CRateAdjuster::InsertStep(float* y, int room) {
  if (m_pos == m_q && !m_inserted) {
    // The inserted output: F3 over the history as it stands, no sample taken.
    y[0] = fir::ClampSample(fir::Dot<kTaps>(kF3, m_line + m_next - kTaps));
    m_inserted = true;
    return 1;
  }
  const Stretch stretch = InsertStretch(m_pos, m_q, m_absN);
  const int k = std::min({stretch.end - m_pos, QueueEnd() - m_next, room});
  Filter(stretch.taps, k, y);
  m_next += k;
  m_pos += k;
  if (m_pos == m_absN) {
    m_pos = 0;
    m_inserted = false;
  }
  return k;
}

void CRateAdjuster::Filter(const float* taps, int k, float* y) const {
  // Output j takes sample m_next + j into the history: its window ends there.
  const float* window = m_line + m_next - (kTaps - 1);
  for (int j = 0; j < k; ++j) {
    y[j] = fir::ClampSample(fir::Dot<kTaps>(taps, window + j));
  }
}

void CRateAdjuster::Compact() {
  std::memmove(m_line, m_line + m_next - kTaps, sizeof(float) * kTaps);
  m_queued = 0;
  m_next = kTaps;
}

}  // namespace qp::dsp
