#pragma once

#include <cstdint>
#include <optional>

#include "audio/window/GraphSelection.h"

namespace qp {

// Where one playback run starts and ends, in bytes of the note's sample data, and what its
// countdown counts down from.
struct PlaybackRange {
  std::uint32_t start = 0;
  std::optional<std::uint32_t> end;  // none: to the end of the note
  std::uint32_t span = 0;            // bytes the countdown starts from
  int startColumn = 0;               // graph column of start

  // With a graph: a selected stretch plays from its start to min(end, 1.0); an insertion
  // point plays from there to the end; the countdown counts from start to the end of the
  // note. Without a graph the whole note plays. Scan plays the first 3 seconds (or the whole
  // shorter note) from the start. Offsets are byte offsets of fractions (multiples of 4).
  static PlaybackRange compute(std::uint32_t dataSize, std::uint32_t sampleRate,
                               std::uint16_t channels, bool hasGraph, int graphWidth,
                               const GraphSelection& selection, bool scan);

  // Graph column of a fraction of the width: width x fraction, less 1 when positive.
  static int columnOf(int graphWidth, double fraction);
};

}  // namespace qp
