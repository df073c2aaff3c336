#include "devices/MixerLines.h"

namespace qp {

MixerLines::MixerLines(MixerService& service, MixerDirection direction,
                       const std::string& chosenName)
    : mixer_(service, direction, chosenName) {
  if (direction == MixerDirection::Recording) {
    searchRecording();
  } else {
    searchPlayback();
  }
}

// The destination line, read even when it is not kept (its source count is still needed).
std::unique_ptr<CMixerLine> MixerLines::destinationLine(int destination) {
  auto line = std::make_unique<CMixerLine>();
  if (destination < 0) {
    return line;
  }
  if (line->Init(*mixer_.GetMixer(), destination, -1) && line->HasVolume()) {
    destination_ = std::make_unique<CMixerLine>(*line);
  }
  return line;
}

void MixerLines::searchRecording() {
  const int destination = mixer_.FindDestination();
  const auto waveIn = destinationLine(destination);
  std::unique_ptr<CMixerLine> candidate;
  std::unique_ptr<CMixerLine> microphone;
  for (int source = 0; source < waveIn->SourceCount() && !microphone; ++source) {
    auto line = std::make_unique<CMixerLine>();
    line->Init(*mixer_.GetMixer(), destination, source);
    if (!line->Read()) {
      continue;
    }
    const bool isMicrophone = line->ComponentType() == kLineSourceMicrophone;
    if (!line->HasSwitch()) {
      if (isMicrophone) {
        microphone = std::move(line);
      }
      continue;
    }
    if (line->IsMuted(true)) {
      continue;  // not selected
    }
    if (isMicrophone) {
      microphone = std::move(line);
    } else {
      candidate = std::move(line);
    }
  }
  source_ = microphone ? std::move(microphone) : std::move(candidate);
}

void MixerLines::searchPlayback() {
  const int destination = mixer_.FindDestination();
  const auto speakers = destinationLine(destination);
  for (int source = 0; source < speakers->SourceCount(); ++source) {
    auto line = std::make_unique<CMixerLine>();
    if (line->Init(*mixer_.GetMixer(), destination, source) &&
        line->ComponentType() == kLineSourceWaveOut) {
      source_ = std::move(line);
      return;
    }
  }
}

int MixerLines::volume() {
  int sum = 0;
  int count = 0;
  for (CMixerLine* line : {destination_.get(), source_.get()}) {
    if (line == nullptr || !line->HasVolume()) {
      continue;
    }
    const int value = line->GetVolume();
    if (value < 0) {
      return -1;
    }
    sum += value;
    ++count;
  }
  return count == 0 ? -1 : sum / count;
}

bool MixerLines::setVolume(int value) {
  bool taken = false;
  for (CMixerLine* line : {destination_.get(), source_.get()}) {
    if (line != nullptr && line->HasVolume()) {
      taken = line->SetVolume(value) || taken;
    }
  }
  return taken;
}

bool MixerLines::muted() {
  for (CMixerLine* line : {destination_.get(), source_.get()}) {
    if (line != nullptr && line->IsMuted(true)) {
      return true;
    }
  }
  return false;
}

bool MixerLines::setMuted(bool muted) {
  bool taken = false;
  for (CMixerLine* line : {destination_.get(), source_.get()}) {
    if (line == nullptr || line->SwitchControlId() == CMixerLine::kNoControl) {
      continue;
    }
    if (!muted) {
      taken = (!line->IsMuted(true) || line->SetMuted(false, true)) || taken;
    } else if (!taken) {
      taken = line->SetMuted(true, true);
    }
  }
  return taken;
}

bool MixerLines::isVolumeControl(std::uint32_t controlId) const {
  for (const CMixerLine* line : {destination_.get(), source_.get()}) {
    if (line != nullptr && line->HasVolume() && line->VolumeControlId() == controlId) {
      return true;
    }
  }
  return false;
}

}  // namespace qp
