#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace qp {

// Holds the last chunks read by the player, as mono samples, so that the graph and the level
// meter are given each chunk three chunks later, when it is heard. Stereo frames become the
// average of their two samples (sum / 2, truncated toward zero). Used by the playback thread
// only; allocates at construction.
class GraphDelayLine {
 public:
  static constexpr int kStages = 3;

  struct Chunk {
    std::vector<std::int16_t> samples;  // mono
    bool backwards = false;
  };

  // maxFrames: the most frames one chunk holds.
  explicit GraphDelayLine(std::uint32_t maxFrames);

  // Enters a chunk of interleaved 16-bit samples; returns the chunk entered three pushes
  // earlier, or null while the line is still filling.
  const Chunk* push(const std::int16_t* samples, std::uint32_t frames, std::uint16_t channels,
                    bool backwards);
  // Takes the oldest chunk still waiting (the drain); null when none is left.
  const Chunk* pop();
  // Forgets every waiting chunk (after a jump).
  void clear();
  int waiting() const { return count_; }

 private:
  std::array<Chunk, kStages + 1> stages_;
  int head_ = 0;  // the oldest waiting chunk
  int count_ = 0;
};

}  // namespace qp
