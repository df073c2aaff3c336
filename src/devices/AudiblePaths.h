#pragma once

#include <memory>

#include "devices/MixerLines.h"
#include "devices/PreferredDevices.h"

namespace qp {

// Makes sure sound gets through before the main window plays or records: playback switches
// on the speakers and wave-out lines and raises each one's volume to at least 3276 (5 %);
// recording switches on the wave-in destination. The lines are found at the first call for a
// side and reused. UI thread only; the service and the preferences outlive the object.
class AudiblePaths {
 public:
  static constexpr int kMinimumAudibleVolume = 3276;

  AudiblePaths(MixerService& service, const PreferredDevices& preferred);

  void MakeAudible(MixerDirection side);
  // Forgets the lines (the device in use changed); the next call finds them again.
  void forget();

 private:
  MixerLines& linesOf(MixerDirection side);

  MixerService& service_;
  const PreferredDevices& preferred_;
  std::unique_ptr<MixerLines> recording_;
  std::unique_ptr<MixerLines> playback_;
};

}  // namespace qp
