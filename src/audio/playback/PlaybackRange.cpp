#include "audio/playback/PlaybackRange.h"

#include <algorithm>

#include "audio/wave/NoteMetrics.h"

namespace qp {

int PlaybackRange::columnOf(int graphWidth, double fraction) {
  const int column = static_cast<int>(graphWidth * fraction);
  return column > 0 ? column - 1 : column;
}

PlaybackRange PlaybackRange::compute(std::uint32_t dataSize, std::uint32_t sampleRate,
                                     std::uint16_t channels, bool hasGraph, int graphWidth,
                                     const GraphSelection& selection, bool scan) {
  PlaybackRange range;
  range.span = dataSize;
  if (hasGraph) {
    if (selection.stretch) {
      range.start = NoteMetrics::byteOffsetOfFraction(selection.start, dataSize);
      range.end = NoteMetrics::byteOffsetOfFraction(selection.clampedEnd(), dataSize);
    } else if (selection.hasInsertionPoint()) {
      range.start = NoteMetrics::byteOffsetOfFraction(selection.start, dataSize);
    }
    range.span = dataSize - range.start;
    if (range.start > 0) {
      range.startColumn = columnOf(graphWidth, selection.start);
    }
  }
  if (scan) {
    const std::uint64_t scanBytes = std::uint64_t{6} * sampleRate * channels;
    range.span = static_cast<std::uint32_t>(std::min<std::uint64_t>(range.span, scanBytes));
    range.start = 0;
    range.end.reset();
    range.startColumn = 0;
  }
  return range;
}

}  // namespace qp
