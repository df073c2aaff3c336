#pragma once

namespace qp {

// The selection of the waveform graph as fractions of the note (0.0 start, 1.0 end). With no
// stretch selected, start holds the insertion point and end 1.0; start 0.0 with end 1.0 then
// means there is no insertion point. clampedEnd() reads an end past 1.0 as 1.0.
struct GraphSelection {
  double start = 0.0;
  double end = 1.0;
  bool stretch = false;

  bool hasInsertionPoint() const { return !stretch && !(start == 0.0 && end == 1.0); }
  double clampedEnd() const { return end > 1.0 ? 1.0 : end; }

  static GraphSelection none() { return {}; }
  static GraphSelection range(double from, double to) { return {from, to, true}; }
  static GraphSelection insertionPoint(double at) { return {at, 1.0, false}; }
};

}  // namespace qp
