#include "devices/CMixerLine.h"

#include <algorithm>

namespace qp {
namespace {

constexpr std::size_t kLongNameLimit = 12;

std::string withoutTrailingSpaces(std::string text) {
  while (!text.empty() && text.back() == ' ') {
    text.pop_back();
  }
  return text;
}

}  // namespace

std::string CMixerLine::displayName(const std::string& longName, const std::string& shortName) {
  std::string name = longName;
  if (name.size() > kLongNameLimit) {
    if (!name.empty() && name.front() == '"') {
      name.erase(0, 1);
    }
    if (!name.empty() && name.back() == '"') {
      name.pop_back();
    }
    if (const auto space = name.find(' '); space != std::string::npos) {
      name.erase(space);
    }
    if (name.size() > kLongNameLimit && !shortName.empty() && shortName.size() < name.size()) {
      name = shortName;
    }
  }
  return withoutTrailingSpaces(name);
}

bool CMixerLine::findEnabled(std::uint32_t lineId, std::uint32_t type, MixerControl& control) {
  return m_mixer->findControl(lineId, type, control) && !control.disabled();
}

// A mixer (multiple-select) or multiplexer (single-select) control on the line, in that order.
bool CMixerLine::findListOn(std::uint32_t lineId, MixerControl& control, bool& singleSelect) {
  if (m_mixer->findControl(lineId, kControlMixer, control)) {
    singleSelect = false;
    return true;
  }
  if (m_mixer->findControl(lineId, kControlMultiplexer, control)) {
    singleSelect = true;
    return true;
  }
  return false;
}

// The line is one item of its destination's selection control: which one.
bool CMixerLine::itemOfDestination(const MixerLineInfo& line) {
  MixerLineInfo destination;
  MixerControl list;
  bool singleSelect = false;
  if (!m_mixer->lineInfo(line.destination, -1, destination) ||
      !findListOn(destination.lineId, list, singleSelect)) {
    return false;
  }
  std::vector<std::uint32_t> items;
  if (!m_mixer->listItems(list, items)) {
    return false;
  }
  const auto found = std::find(items.begin(), items.end(), line.lineId);
  if (found == items.end()) {
    return false;
  }
  m_switchKind = MixerSwitchKind::ListItem;
  m_switch = list;
  m_itemIndex = static_cast<int>(found - items.begin());
  m_singleSelect = singleSelect;
  return true;
}

void CMixerLine::discoverSwitch(const MixerLineInfo& line) {
  const bool source = line.source >= 0;
  MixerControl control;
  // A selection list on the line itself only tells whether it is single-select; without one,
  // a source may be an item of its destination's list.
  const bool listOnLine = findListOn(line.lineId, control, m_singleSelect);
  const bool isListItem = !listOnLine && source && itemOfDestination(line);
  if (!isListItem && m_mixer->findControl(line.lineId, kControlMute, control)) {
    m_switchKind = source ? MixerSwitchKind::SourceMute : MixerSwitchKind::DestinationMute;
    m_switch = control;
  } else if (!isListItem && m_mixer->findControl(line.lineId, kControlSingleSelect, control)) {
    m_switchKind = MixerSwitchKind::ListItem;
    m_switch = control;
    m_itemIndex = 0;
    m_singleSelect = true;
  }
  if (m_switchKind != MixerSwitchKind::None && m_switch.disabled()) {
    m_switchKind = MixerSwitchKind::None;
    m_switch = MixerControl{kNoControl, 0, 0, 0};
  }
  if (m_switchKind == MixerSwitchKind::None && HasVolume()) {
    // Such a line counts as switched, with nothing to switch it by.
    m_switchKind = source ? MixerSwitchKind::SourceMute : MixerSwitchKind::DestinationMute;
  }
}

bool CMixerLine::Init(Mixer& mixer, int destination, int source) {
  *this = CMixerLine();
  m_mixer = &mixer;
  m_destination = destination;
  m_source = source;
  MixerLineInfo line;
  if (!mixer.lineInfo(destination, source, line)) {
    return false;
  }
  m_read = true;
  m_sourceCount = line.sourceCount;
  m_name = displayName(line.longName, line.shortName);
  m_lineId = line.lineId;
  m_componentType = line.componentType;
  m_channels = std::max(1, line.channels);
  MixerControl volume;
  if (findEnabled(line.lineId, kControlVolume, volume)) {
    m_volume = volume;
  }
  discoverSwitch(line);
  return HasVolume() || HasSwitch();
}

int CMixerLine::GetVolume() {
  if (!HasVolume()) {
    return 0;
  }
  std::vector<std::uint32_t> values;
  if (!m_mixer->readValues(m_volume, m_channels, values) || values.empty()) {
    return -1;
  }
  const std::uint32_t value =
      m_channels == 1 ? values.front() : *std::max_element(values.begin(), values.end());
  return static_cast<int>(std::min<std::uint32_t>(value, kMixerVolumeMax));
}

bool CMixerLine::SetVolume(int value) {
  if (!HasVolume()) {
    return false;
  }
  const auto clamped = static_cast<std::uint32_t>(std::clamp(value, 0, kMixerVolumeMax));
  return m_mixer->writeValues(
      m_volume, std::vector<std::uint32_t>(static_cast<std::size_t>(m_channels), clamped));
}

bool CMixerLine::IsMuted(bool selectMeansUnmuted) {
  if (m_switch.id == kNoControl) {
    return false;
  }
  std::vector<std::uint32_t> values;
  if (m_switchKind != MixerSwitchKind::ListItem) {
    return m_mixer->readValues(m_switch, 1, values) && !values.empty() && values.front() != 0;
  }
  if (!m_mixer->readValues(m_switch, m_switch.itemCount, values) ||
      static_cast<std::size_t>(m_itemIndex) >= values.size()) {
    return false;
  }
  const bool selected = values[static_cast<std::size_t>(m_itemIndex)] != 0;
  return selectMeansUnmuted ? !selected : selected;
}

bool CMixerLine::writeListItem(std::uint32_t value) {
  std::vector<std::uint32_t> values(static_cast<std::size_t>(std::max(0, m_switch.itemCount)), 0);
  if (!m_singleSelect && !m_mixer->readValues(m_switch, m_switch.itemCount, values)) {
    return false;
  }
  if (static_cast<std::size_t>(m_itemIndex) >= values.size()) {
    return false;
  }
  values[static_cast<std::size_t>(m_itemIndex)] = value;
  return m_mixer->writeValues(m_switch, values);
}

bool CMixerLine::SetMuted(bool muted, bool selectMeansUnmuted) {
  if (m_switch.id == kNoControl) {
    return false;
  }
  if (m_switchKind != MixerSwitchKind::ListItem) {
    return m_mixer->writeValues(m_switch, {muted ? 1u : 0u});
  }
  const bool select = selectMeansUnmuted ? !muted : muted;
  return writeListItem(select ? 1u : 0u);
}

}  // namespace qp
