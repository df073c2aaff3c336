#pragma once

#include <cstdint>

#include "audio/wave/WaveFormat.h"

namespace qp {

// The waveform graph as the worker threads feed it. Called from the recording or playback
// thread while the UI thread may draw: an implementation stores what it is given and asks for
// a repaint; it never blocks on the UI thread. Columns are pixel columns from the left edge.
class WaveformGraphFeed {
 public:
  static constexpr int kPen = 3;
  static constexpr double kGain = 1.0;

  virtual ~WaveformGraphFeed() = default;

  // Starts a picture of a note: samplesPerBlock mono samples arrive per add, secondsAcross
  // seconds fill the whole width. redrawNow repaints at once; resetSelection clears the
  // selection and insertion point.
  virtual void prepare(const WaveFormat& format, std::uint32_t samplesPerBlock,
                       double secondsAcross, bool redrawNow, bool resetSelection) = 0;
  // Draws count mono samples from column on, left to right (forward) or right to left
  // (backward); returns the column the next block starts at.
  virtual int addForward(const std::int16_t* samples, std::uint32_t count, int column, int pen,
                         double gain) = 0;
  virtual int addBackward(const std::int16_t* samples, std::uint32_t count, int column, int pen,
                          double gain) = 0;
  // Width of the drawing area in columns.
  virtual int width() const = 0;
  // Keeps the current picture, and puts it back (after a jump).
  virtual void saveCleanCopy() = 0;
  virtual void restoreCleanCopy() = 0;
};

}  // namespace qp
