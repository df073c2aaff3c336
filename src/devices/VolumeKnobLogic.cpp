#include "devices/VolumeKnobLogic.h"

#include <algorithm>
#include <utility>

namespace qp {

VolumeKnobLogic::VolumeKnobLogic(MixerDirection side, int positions)
    : side_(side), positions_(std::max(1, positions)), step_(kMixerVolumeMax / positions_) {}

VolumeKnobLogic::~VolumeKnobLogic() {
  stopListening();
}

void VolumeKnobLogic::stopListening() {
  if (lines_ && lines_->audioMixer().GetMixer() != nullptr) {
    lines_->audioMixer().GetMixer()->setChangeHandler(nullptr);
  }
  alive_.reset();
}

int VolumeKnobLogic::clampPosition(int position) const {
  return std::clamp(position, 0, positions_ - 1);
}

void VolumeKnobLogic::apply() {
  if (lines_) {
    lines_->setVolume(position_ * step_);
  }
}

void VolumeKnobLogic::start(MixerService& service, const std::string& chosenName) {
  stopListening();
  lines_ = std::make_unique<MixerLines>(service, side_, chosenName);
  // Two lines start from their average; applying the position below writes it to both.
  const int value = std::max(0, lines_->volume());  // no line: the knob turns without effect
  position_ = clampPosition((value + step_ / 2) / step_);
  apply();
  if (ui_ != nullptr) {
    listen(*ui_, moved_);
  }
}

void VolumeKnobLogic::listen(UiServices& ui, std::function<void(int, int)> moved) {
  ui_ = &ui;
  moved_ = std::move(moved);
  Mixer* mixer = lines_ ? lines_->audioMixer().GetMixer() : nullptr;
  if (mixer == nullptr) {
    return;
  }
  alive_ = std::make_shared<VolumeKnobLogic*>(this);
  std::weak_ptr<VolumeKnobLogic*> weak = alive_;
  UiServices* target = ui_;
  mixer->setChangeHandler([weak, target](std::uint32_t controlId) {
    target->postToUi([weak, controlId] {
      if (auto knob = weak.lock()) {
        const int before = (*knob)->position_;
        if ((*knob)->onControlChange(controlId) && (*knob)->moved_) {
          (*knob)->moved_(before, (*knob)->position_);
        }
      }
    });
  });
}

bool VolumeKnobLogic::turnTo(int position) {
  const int next = clampPosition(position);
  if (next == position_) {
    return false;
  }
  position_ = next;
  apply();
  return true;
}

bool VolumeKnobLogic::onControlChange(std::uint32_t controlId) {
  if (!lines_ || !lines_->isVolumeControl(controlId)) {
    return false;
  }
  CMixerLine* changed = lines_->destination();
  CMixerLine* other = lines_->source();
  if (changed == nullptr || !changed->HasVolume() || changed->VolumeControlId() != controlId) {
    std::swap(changed, other);
  }
  const int value = changed->GetVolume();
  if (value < 0) {
    return false;
  }
  // On the playback side the two lines move together; writing only a different value keeps
  // the change message of that write from coming back as another write.
  if (side_ == MixerDirection::Playback && other != nullptr && other->HasVolume() &&
      other->GetVolume() != value) {
    other->SetVolume(value);
  }
  const int next = clampPosition(value / step_);
  if (next == position_) {
    return false;
  }
  position_ = next;
  return true;
}

}  // namespace qp
