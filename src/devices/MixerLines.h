#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "devices/CAudioMixer.h"
#include "devices/CMixerLine.h"

namespace qp {

// The two lines one side drives, found on the mixer of the device in use:
//   recording: the wave-in destination (kept only with a volume control) and the selected
//              recording source, a microphone when one is selected;
//   playback:  the speakers or headphones destination (kept only with a volume control) and
//              its first wave-out source.
// Either may be missing. Volumes are 0 .. 65535. UI thread only.
class MixerLines {
 public:
  MixerLines(MixerService& service, MixerDirection direction, const std::string& chosenName);

  MixerDirection direction() const { return mixer_.Direction(); }
  CAudioMixer& audioMixer() { return mixer_; }
  CMixerLine* destination() { return destination_.get(); }
  CMixerLine* source() { return source_.get(); }
  bool empty() const { return !destination_ && !source_; }

  // The side's volume: the average of the two lines (integer halving) when both have a volume
  // control, else the one line's; -1 when no line has a volume or a read fails.
  int volume();
  // Writes value to both lines; false when no line took it.
  bool setVolume(int value);
  // True when a line's switch is off (a source that is not selected counts as off).
  bool muted();
  // Muting switches off the destination (or the source when there is no destination);
  // unmuting switches on both. False when no line took it.
  bool setMuted(bool muted);
  // Whether the control is the volume of one of the lines.
  bool isVolumeControl(std::uint32_t controlId) const;

 private:
  void searchRecording();
  void searchPlayback();
  std::unique_ptr<CMixerLine> destinationLine(int destination);

  CAudioMixer mixer_;
  std::unique_ptr<CMixerLine> destination_;
  std::unique_ptr<CMixerLine> source_;
};

}  // namespace qp
