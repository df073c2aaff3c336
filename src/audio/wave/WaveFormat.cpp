#include "audio/wave/WaveFormat.h"

#include "common/LittleEndian.h"

namespace qp {

void WaveFormat::set(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
  wFormatTag = WAVE_FORMAT_PCM;
  nChannels = channels;
  nSamplesPerSec = rate;
  const std::uint32_t bytesPerSample = bits / 8u;
  nAvgBytesPerSec = channels * bytesPerSample * rate;
  nBlockAlign = static_cast<std::uint16_t>(bytesPerSample * channels);
  wBitsPerSample = bits;
  cbSize = 0;
}

void WaveFormat::copy(const WaveFormat& from) {
  *this = from;
  cbSize = 0;
}

std::array<std::uint8_t, WaveFormat::kRecordBytes> WaveFormat::toBytes() const {
  std::array<std::uint8_t, kRecordBytes> out{};
  putLe16(&out[0], wFormatTag);
  putLe16(&out[2], nChannels);
  putLe32(&out[4], nSamplesPerSec);
  putLe32(&out[8], nAvgBytesPerSec);
  putLe16(&out[12], nBlockAlign);
  putLe16(&out[14], wBitsPerSample);
  putLe16(&out[16], cbSize);
  return out;
}

WaveFormat WaveFormat::fromBytes(const std::uint8_t* bytes) {
  WaveFormat f;
  f.wFormatTag = getLe16(bytes);
  f.nChannels = getLe16(bytes + 2);
  f.nSamplesPerSec = getLe32(bytes + 4);
  f.nAvgBytesPerSec = getLe32(bytes + 8);
  f.nBlockAlign = getLe16(bytes + 12);
  f.wBitsPerSample = getLe16(bytes + 14);
  f.cbSize = getLe16(bytes + 16);
  return f;
}

WaveFormat WaveFormat::pcm(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
  WaveFormat f;
  f.set(channels, rate, bits);
  return f;
}

bool WaveFormat::isPlainPcm() const {
  const bool layout = wFormatTag == WAVE_FORMAT_PCM &&
                      (wBitsPerSample == 8 || wBitsPerSample == 16) &&
                      (nChannels == 1 || nChannels == 2) && nSamplesPerSec >= kMinNoteRate &&
                      nSamplesPerSec <= kMaxNoteRate;
  const std::uint32_t frame = nChannels * (wBitsPerSample / 8u);
  return layout && nBlockAlign == frame && nAvgBytesPerSec == frame * nSamplesPerSec;
}

}  // namespace qp
