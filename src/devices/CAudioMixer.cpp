#include "devices/CAudioMixer.h"

#include <vector>

#include "devices/PreferredDevices.h"

namespace qp {

CAudioMixer::CAudioMixer(MixerService& service, MixerDirection direction,
                         const std::string& chosenName)
    : m_direction(direction) {
  std::vector<ServerDevice> devices;
  if (!service.listDevices(devices)) {
    return;
  }
  const auto device = PreferredDevices::resolve(devices, direction, chosenName);
  if (!device) {
    return;
  }
  m_deviceName = device->name;
  m_productName = device->description;
  while (!m_productName.empty() && m_productName.back() == ' ') {
    m_productName.pop_back();
  }
  m_mixer = service.openMixer(direction, m_deviceName);
}

int CAudioMixer::FindDestination() {
  if (!m_mixer) {
    return -1;
  }
  const int count = m_mixer->destinationCount();
  for (int destination = 0; destination < count; ++destination) {
    MixerLineInfo line;
    if (!m_mixer->lineInfo(destination, -1, line)) {
      return -1;
    }
    const bool wanted = m_direction == MixerDirection::Recording
                            ? line.componentType == kLineDestinationWaveIn
                            : line.componentType == kLineDestinationSpeakers ||
                                  line.componentType == kLineDestinationHeadphones;
    if (wanted) {
      return destination;
    }
  }
  return -1;
}

}  // namespace qp
