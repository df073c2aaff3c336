#pragma once

#include <memory>
#include <string>

#include "devices/Mixer.h"
#include "devices/MixerService.h"

namespace qp {

// The mixer of the device in use for one side: the chosen device when present, else the
// server's default, else the first device of the side. Owns the opened mixer; UI thread only.
class CAudioMixer {
 public:
  // Opens nothing when the service lists no device for the side (GetMixer() is then null).
  CAudioMixer(MixerService& service, MixerDirection direction, const std::string& chosenName);

  MixerDirection Direction() const { return m_direction; }
  // The device's description with trailing spaces removed, and its stable name.
  const std::string& ProductName() const { return m_productName; }
  const std::string& DeviceName() const { return m_deviceName; }
  // Null when no device could be opened.
  Mixer* GetMixer() { return m_mixer.get(); }

  // The first destination of the side's kind (recording: wave-in; playback: speakers or
  // headphones); -1 when there is none, no mixer, or a query fails.
  int FindDestination();

 private:
  MixerDirection m_direction;
  std::string m_productName;
  std::string m_deviceName;
  std::unique_ptr<Mixer> m_mixer;
};

}  // namespace qp
