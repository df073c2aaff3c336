#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "common/UiServices.h"
#include "devices/MixerLines.h"

namespace qp {

// What a volume knob knows apart from its drawing: the side it turns (recording level or
// playback volume), the lines of that side, its P positions (from the skin) of step
// 65535 / P each, and the current position. Turning it writes position x step to both lines;
// a change made by another program moves it without writing back. The skinned window
// (CTEVolumeKnob) draws it and hides it 2000 ms after the last keyboard step.
// UI thread only; the service, the UI services and the moved handler outlive the object.
class VolumeKnobLogic {
 public:
  // The timer that hides a knob shown by Page Up / Page Down, and its delay.
  static constexpr int kHideTimerId = 32777;
  static constexpr int kHideDelayMs = 2000;

  // positions: how many frames the skin's knob has (at least 1).
  VolumeKnobLogic(MixerDirection side, int positions);
  ~VolumeKnobLogic();
  VolumeKnobLogic(const VolumeKnobLogic&) = delete;
  VolumeKnobLogic& operator=(const VolumeKnobLogic&) = delete;

  // Searches the side's lines on the device in use, brings both lines to their average, takes
  // the nearest position and writes it to both lines. Run again when the device changed.
  void start(MixerService& service, const std::string& chosenName);
  // Follows changes made by other programs: each one is handled on the UI thread (through
  // ui.postToUi) and, when the knob moves, reported as moved(old position, new position).
  void listen(UiServices& ui, std::function<void(int, int)> moved);

  MixerDirection side() const { return side_; }
  int positions() const { return positions_; }
  int step() const { return step_; }
  int position() const { return position_; }
  MixerLines* lines() { return lines_.get(); }

  // One step up (at most positions - 1) or down (at least 0), written to both lines; false
  // when the knob was already at the end.
  bool stepUp() { return turnTo(position_ + 1); }
  bool stepDown() { return turnTo(position_ - 1); }
  // The knob turned to a position (mouse); clamped; false when it did not move.
  bool turnTo(int position);

  // A control of the mixer changed (the change message): the other playback line follows a
  // playback line's volume; the knob moves to value / step without writing. True when it
  // moved.
  bool onControlChange(std::uint32_t controlId);

 private:
  void stopListening();
  int clampPosition(int position) const;
  void apply();

  MixerDirection side_;
  int positions_;
  int step_;
  int position_ = 0;
  std::unique_ptr<MixerLines> lines_;
  UiServices* ui_ = nullptr;
  std::function<void(int, int)> moved_;
  std::shared_ptr<VolumeKnobLogic*> alive_;
};

}  // namespace qp
