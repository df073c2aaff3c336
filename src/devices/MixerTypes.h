#pragma once

#include <cstdint>
#include <string>

namespace qp {

// Which side of the sound system: recording (sources, microphones) or playback (sinks).
enum class MixerDirection { Recording, Playback };

// Control types of a mixer line. The values are those of the classic mixer API, so that a
// trace line or a scripted test mixer reads the same as on any other system.
inline constexpr std::uint32_t kControlVolume = 0x50030001;
inline constexpr std::uint32_t kControlMute = 0x20010002;
inline constexpr std::uint32_t kControlMixer = 0x71010001;        // multiple-select list
inline constexpr std::uint32_t kControlMultiplexer = 0x70010001;  // single-select list
inline constexpr std::uint32_t kControlSingleSelect = 0x70010000;
// A control whose flags have this bit set is disabled and counts as absent.
inline constexpr std::uint32_t kControlFlagDisabled = 0x80000000;

// Component types of mixer lines.
inline constexpr std::uint32_t kLineDestinationSpeakers = 4;
inline constexpr std::uint32_t kLineDestinationHeadphones = 5;
inline constexpr std::uint32_t kLineDestinationWaveIn = 7;
inline constexpr std::uint32_t kLineSourceMicrophone = 0x1003;
inline constexpr std::uint32_t kLineSourceWaveOut = 0x1008;

// Volume values of a control run from 0 (silent) to this (full).
inline constexpr int kMixerVolumeMax = 65535;

// One recording or playback device of the sound server: its stable name (what the settings
// keep), the description shown to people, and whether it is the server's default.
struct ServerDevice {
  MixerDirection direction = MixerDirection::Recording;
  std::string name;
  std::string description;
  bool isDefault = false;
};

// What a mixer reports about one line: a destination (source index -1) or one of the
// sources that feed a destination.
struct MixerLineInfo {
  int destination = -1;
  int source = -1;
  std::uint32_t lineId = 0;
  std::uint32_t componentType = 0;
  int channels = 1;
  int sourceCount = 0;  // for a destination: how many sources feed it
  std::string longName;
  std::string shortName;
};

// One control of a line. itemCount is the number of entries of a list control (mixer,
// multiplexer, single-select), 0 for volume and mute.
struct MixerControl {
  std::uint32_t id = 0;
  std::uint32_t type = 0;
  std::uint32_t flags = 0;
  int itemCount = 0;

  bool disabled() const { return (flags & kControlFlagDisabled) != 0; }
};

}  // namespace qp
