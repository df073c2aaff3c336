#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "devices/MixerTypes.h"

namespace qp {

// The mixer of one sound device: destinations (where sound goes: the recording input, the
// speakers), the source lines that feed each destination, and the controls of every line.
// platform/ implements it over the sound server; tests script it. Failures are false (or
// -1), never exceptions: a device can vanish at any moment.
class Mixer {
 public:
  virtual ~Mixer() = default;

  // How many destinations the mixer has; -1 when it cannot be queried.
  virtual int destinationCount() = 0;
  // A destination (source < 0) or the source-th source of a destination.
  virtual bool lineInfo(int destination, int source, MixerLineInfo& info) = 0;
  // The line's control of exactly this type; false when it has none.
  virtual bool findControl(std::uint32_t lineId, std::uint32_t type, MixerControl& control) = 0;
  // The line identifier of each item of a list control, in item order.
  virtual bool listItems(const MixerControl& control, std::vector<std::uint32_t>& lineIds) = 0;
  // count values of a control: one per channel for a volume (0 .. 65535), one per item for a
  // list (0 or 1), one for a mute (0 or 1).
  virtual bool readValues(const MixerControl& control, int count,
                          std::vector<std::uint32_t>& values) = 0;
  virtual bool writeValues(const MixerControl& control,
                           const std::vector<std::uint32_t>& values) = 0;

  // Change notification: handler(control id) is called whenever a control of this mixer
  // changes other than through this mixer's own writeValues. It runs on the mixer's
  // notification thread, never while a call of this interface is waiting, and may call back
  // into the mixer; post to the UI thread from there. After setChangeHandler(nullptr)
  // returns, the old handler is not running and is never called again.
  virtual void setChangeHandler(std::function<void(std::uint32_t controlId)> handler) = 0;
};

}  // namespace qp
