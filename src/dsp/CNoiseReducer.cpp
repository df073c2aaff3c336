#include "dsp/CNoiseReducer.h"

#include <cstring>

namespace qp::dsp {
namespace {

constexpr int kHighRateThreshold = 12000;  // above: 32 bands, hop 16
constexpr int kDecimateThreshold = 24000;  // above: the bank runs at a lower rate
constexpr int kFactor3Rate = 44100;        // from here on the factor is 3, below it 2
constexpr int kLargestPass = 4096;         // floats per pass of the PCM front end

}  // namespace

CNoiseReducer::CNoiseReducer() {
  m_overflow.Init(kOverflowCapacity, 0);
}

void CNoiseReducer::Release() {
  m_split.reset();
  m_recom.reset();
  m_bandPointers.clear();
  m_bandQueues.clear();
  m_block = std::vector<float>();
  m_frames = std::vector<float>();
  m_pendingFrames = 0;
  m_temp = std::vector<float>();
}

void CNoiseReducer::Init(int rate) {
  if (rate <= 0) {
    Release();
    m_rate = 0;
    return;
  }
  if (rate != m_rate) {
    Release();
    m_rate = rate;
    const bool high = rate > kHighRateThreshold;
    m_K = high ? 32 : 16;
    m_N = high ? 16 : 8;
    m_M = high ? 128 : 64;
    for (int k = 0; k < m_K; ++k) {
      m_bandQueues.push_back(std::make_unique<CSampleQueue>());
      m_bandQueues.back()->Init(kBandQueueCapacity, 0);
      m_bandPointers.push_back(m_bandQueues.back().get());
    }
    m_block.assign(static_cast<std::size_t>(kMaxFrames) * m_N, 0.0f);
    m_frames.assign(static_cast<std::size_t>(kMaxFrames) * m_K, 0.0f);
  } else {
    for (auto& queue : m_bandQueues) {
      queue->Reset();
    }
  }
  m_firstBlock = true;
  m_decimating = rate > kDecimateThreshold;
  m_split = std::make_unique<CSplit>();
  m_split->Init(m_K, m_N, m_M, m_bandPointers.data(), 0);
  // The bank's primed frame becomes the first pending frame; from here on the frames pass from
  // analysis to synthesis in m_frames, a whole batch at a time.
  for (int k = 0; k < m_K; ++k) {
    m_frames[k] = m_bandQueues[k]->Pop();
  }
  m_pendingFrames = 1;
  m_recom = std::make_unique<CRecom>();
  m_recom->Init(m_K, m_N, m_M, m_bandPointers.data());
  m_recom->SetRate(rate);
  m_recom->SetSuppression(m_suppress);
  m_overflow.Reset();
}

void CNoiseReducer::SetChannel(int offset, int stride) {
  if (stride >= 1 && offset >= 0 && offset < stride) {
    m_offset = offset;
    m_stride = stride;
  }
  m_intDec.Setup(m_rate >= kFactor3Rate ? 3 : 2, m_stride, m_offset);
  if (m_decimating) {
    // Room for a whole pass plus a full overflow queue, so that passes never allocate.
    m_temp.assign(static_cast<std::size_t>(m_stride) * (kLargestPass + m_overflow.Size() + 1),
                  0.0f);
  }
}

int CNoiseReducer::Slots(int count) const {
  return count > m_offset ? (count - m_offset + m_stride - 1) / m_stride : 0;
}

int CNoiseReducer::Drain(float*& out, int& slots) {
  int written = 0;
  while (slots > 0 && !m_overflow.IsEmpty()) {
    *out = m_overflow.Pop();
    out += m_stride;
    --slots;
    written += m_stride;
  }
  return written;
}

int CNoiseReducer::Process(float* in, int inCount, float* out, int outCapacity) {
  if (m_rate == 0 || !m_split) {
    return 0;
  }
  if (m_decimating) {
    return ProcessDecimating(in, inCount, out, outCapacity);
  }
  float* next = out + m_offset;
  int slots = Slots(outCapacity);
  const int drained = Drain(next, slots);
  return drained + ProcessBlocks(in + m_offset, Slots(inCount) * m_stride, next, slots);
}

int CNoiseReducer::ProcessDecimating(float* in, int inCount, float* out, int outCapacity) {
  const int decimated = m_intDec.Decimate(in, inCount);
  int room = decimated / m_stride + m_overflow.Count();
  const std::size_t needed = static_cast<std::size_t>(m_offset) +
                             static_cast<std::size_t>(room) * static_cast<std::size_t>(m_stride);
  if (m_temp.size() < needed) {
    m_temp.resize(needed);
  }
  float* next = m_temp.data() + m_offset;
  const int drained = Drain(next, room);
  const int produced = ProcessBlocks(in + m_offset, decimated, next, room);
  return m_intDec.Interpolate(m_temp.data(), drained + produced, out, outCapacity);
}

int CNoiseReducer::ProcessBlocks(const float* in, int count, float*& out, int& slots) {
  int written = 0;
  while (count > 0) {
    float* room = m_frames.data() + static_cast<std::ptrdiff_t>(m_pendingFrames) * m_K;
    m_pendingFrames +=
        m_split->AnalyzeFrames(in, count, m_stride, room, kMaxFrames - m_pendingFrames);
    if (m_pendingFrames == 0) {
      break;
    }
    int n = m_recom->SynthesizeFrames(m_frames.data(), m_pendingFrames, m_block.data());
    m_pendingFrames = 0;
    const float* samples = m_block.data();
    if (m_firstBlock) {
      m_firstBlock = false;
      if (n >= m_N) {
        samples += m_N;
        n -= m_N;
      }
    }
    int i = 0;
    if (m_stride == 1) {
      i = n < slots ? n : (slots > 0 ? slots : 0);
      std::memcpy(out, samples, static_cast<std::size_t>(i) * sizeof(float));
      out += i;
      slots -= i;
    }
    for (; i < n && slots > 0; ++i, --slots) {
      *out = samples[i];
      out += m_stride;
    }
    written += i * m_stride;
    for (; i < n; ++i) {
      m_overflow.Push(samples[i]);  // lost when the queue is full
    }
  }
  return written;
}

}  // namespace qp::dsp
