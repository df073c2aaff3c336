#include "devices/AudiblePaths.h"

namespace qp {

AudiblePaths::AudiblePaths(MixerService& service, const PreferredDevices& preferred)
    : service_(service), preferred_(preferred) {}

MixerLines& AudiblePaths::linesOf(MixerDirection side) {
  auto& lines = side == MixerDirection::Recording ? recording_ : playback_;
  if (!lines) {
    lines = std::make_unique<MixerLines>(service_, side, preferred_.chosen(side));
  }
  return *lines;
}

void AudiblePaths::forget() {
  recording_.reset();
  playback_.reset();
}

void AudiblePaths::MakeAudible(MixerDirection side) {
  MixerLines& lines = linesOf(side);
  if (side == MixerDirection::Recording) {
    if (CMixerLine* waveIn = lines.destination(); waveIn != nullptr && waveIn->IsMuted(true)) {
      waveIn->SetMuted(false, true);
    }
    return;
  }
  for (CMixerLine* line : {lines.destination(), lines.source()}) {
    if (line == nullptr) {
      continue;
    }
    if (line->IsMuted(true)) {
      line->SetMuted(false, true);
    }
    const int volume = line->GetVolume();
    if (line->HasVolume() && volume >= 0 && volume < kMinimumAudibleVolume) {
      line->SetVolume(kMinimumAudibleVolume);
    }
  }
}

}  // namespace qp
