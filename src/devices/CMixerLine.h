#pragma once

#include <cstdint>
#include <string>

#include "devices/Mixer.h"

namespace qp {

// How a line is switched on and off.
enum class MixerSwitchKind : int {
  None = 0,
  SourceMute = 1,       // a mute control of a source line
  DestinationMute = 2,  // a mute control of a destination line
  ListItem = 3,         // the line is an item of its destination's selection control
};

// One line of a mixer that the program drives: its volume control and its switch. The mixer
// must outlive the line. Volumes are 0 .. 65535. UI thread only.
class CMixerLine {
 public:
  CMixerLine() = default;

  // Fills this object from the mixer: the destination's own line when source is negative, else
  // its input number `source`, with the line's name, its volume control and its on/off switch.
  // False when the line is missing or offers neither a usable volume nor a switch.
  bool Init(Mixer& mixer, int destination, int source);

  // The volume: channel 0 of a mono line, the largest channel otherwise; 0 without a volume
  // control, -1 when the mixer cannot be read.
  int GetVolume();
  // Writes value to every channel of the volume control; false when it could not.
  bool SetVolume(int value);

  // Whether the line's switch is off. For a line that is a list item, selectMeansUnmuted
  // makes "not selected" mean muted; otherwise "selected" does. False without a switch.
  bool IsMuted(bool selectMeansUnmuted);
  // Sets the switch. A single-select list ends with only this line's item set; a
  // multiple-select list keeps the other items as they are.
  bool SetMuted(bool muted, bool selectMeansUnmuted);

  // Whether Init could read the line at all (even when it has nothing to control).
  bool Read() const { return m_read; }
  // For a destination: how many sources feed it.
  int SourceCount() const { return m_sourceCount; }
  // The long name shortened for display (see displayName).
  const std::string& Name() const { return m_name; }
  std::uint32_t LineId() const { return m_lineId; }
  std::uint32_t ComponentType() const { return m_componentType; }
  int Channels() const { return m_channels; }
  bool IsSource() const { return m_source >= 0; }
  bool HasVolume() const { return m_volume.id != kNoControl; }
  std::uint32_t VolumeControlId() const { return m_volume.id; }
  std::uint32_t SwitchControlId() const { return m_switch.id; }
  MixerSwitchKind SwitchKind() const { return m_switchKind; }
  bool HasSwitch() const { return m_switchKind != MixerSwitchKind::None; }
  int ItemIndex() const { return m_itemIndex; }
  bool SingleSelect() const { return m_singleSelect; }

  // A line's name as shown: long names of 13 characters or more lose their surrounding
  // quotes and everything from the first space; one still longer than 12 characters gives way
  // to a shorter, non-empty short name; trailing spaces go.
  static std::string displayName(const std::string& longName, const std::string& shortName);

  // The identifier of "no control" (the line has no such control).
  static constexpr std::uint32_t kNoControl = 0xFFFFFFFF;

 private:
  bool findEnabled(std::uint32_t lineId, std::uint32_t type, MixerControl& control);
  bool findListOn(std::uint32_t lineId, MixerControl& control, bool& singleSelect);
  void discoverSwitch(const MixerLineInfo& line);
  bool itemOfDestination(const MixerLineInfo& line);
  bool writeListItem(std::uint32_t value);

  Mixer* m_mixer = nullptr;
  bool m_read = false;
  int m_sourceCount = 0;
  int m_destination = -1;
  int m_source = -1;
  std::string m_name;
  std::uint32_t m_lineId = 0;
  std::uint32_t m_componentType = 0;
  int m_channels = 1;
  MixerControl m_volume{kNoControl, 0, 0, 0};
  MixerSwitchKind m_switchKind = MixerSwitchKind::None;
  MixerControl m_switch{kNoControl, 0, 0, 0};
  int m_itemIndex = 0;
  bool m_singleSelect = false;
};

}  // namespace qp
