#pragma once

#include <array>
#include <cstdint>

namespace qp {

// The 18-byte PCM format record: exactly the body of the "fmt " chunk of a note file.
struct WaveFormat {
  static constexpr std::uint16_t WAVE_FORMAT_PCM = 1;
  static constexpr std::size_t kRecordBytes = 18;

  std::uint16_t wFormatTag = WAVE_FORMAT_PCM;
  std::uint16_t nChannels = 1;
  std::uint32_t nSamplesPerSec = 11025;
  std::uint32_t nAvgBytesPerSec = 22050;
  std::uint16_t nBlockAlign = 2;
  std::uint16_t wBitsPerSample = 16;
  std::uint16_t cbSize = 0;

  // PCM record with the derived fields computed from channels, rate and bits; cbSize 0.
  void set(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits);
  // Copies every field as it stands except cbSize, which becomes 0.
  void copy(const WaveFormat& from);

  // Little-endian serialisation of the 18 bytes, and the inverse of it.
  std::array<std::uint8_t, kRecordBytes> toBytes() const;
  static WaveFormat fromBytes(const std::uint8_t* bytes);

  static WaveFormat pcm(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits);

  // Sample rates, in Hz, of the files the program takes as notes.
  static constexpr std::uint32_t kMinNoteRate = 1000;
  static constexpr std::uint32_t kMaxNoteRate = 384000;
  // Plain PCM that the signal path handles: format tag 1, 8- or 16-bit samples, one or two
  // channels, a rate from kMinNoteRate to kMaxNoteRate, and a block size and byte rate that
  // agree with them.
  bool isPlainPcm() const;
  // What the program takes as a note: plain PCM with 16-bit samples.
  bool isNote() const { return isPlainPcm() && wBitsPerSample == 16; }
  bool operator==(const WaveFormat&) const = default;
};

}  // namespace qp
