#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/SettingsStore.h"
#include "common/StringTable.h"

namespace qp {

class CExportFormats;

// One entry of the e-mail and drag-and-drop format lists: the format id stored in the
// settings (0 wave, 1 WMA, 3 MP3) and the name shown.
struct FormatChoice {
  std::int32_t formatId = 0;
  std::string name;
  bool operator==(const FormatChoice&) const = default;
};

// One entry of the skin list: the package's path (empty for the built-in skin), its display
// name and, optionally, a picture of it (encoded image bytes, PNG; empty: no preview).
struct SkinChoice {
  std::string path;
  std::string displayName;
  std::vector<std::uint8_t> previewImage;
};

// The settings the preferences dialog edits, with the defaults of a missing value.
struct PreferenceValues {
  int quality = 2;  // 0 Low, 1 Medium, 2 High
  bool askForName = true;
  bool onTray = true;
  bool toolTips = true;
  bool soundEffects = true;
  bool silkvoice = true;
  std::int32_t emailFormat = -1;  // -1: the first available export format
  std::int32_t dragFormat = -1;
  std::string skinPath;  // empty: the built-in skin

  static PreferenceValues read(const SettingsStore& settings);
};

// Switches starting at log-on (and staying in the tray) on or off; also stores OnTray.
using RunAtLogOnSwitch = std::function<void(bool on)>;

// What the preferences' rules decide, apart from any window.
namespace preferences {

// The available export formats in list order (each with its id and name).
std::vector<FormatChoice> availableFormats(CExportFormats& formats);
// The entries of a format list: the available formats, then "Wave File" (id 0).
std::vector<FormatChoice> formatList(const std::vector<FormatChoice>& available,
                                     const StringTable& strings);
// The entry a setting selects: the one with that id; -1 (or an id not in the list) selects
// the first entry.
std::size_t selectedFormat(const std::vector<FormatChoice>& list, std::int32_t setting);
// The skin whose path equals skinPath, else the first (the built-in skin).
std::size_t selectedSkin(const std::vector<SkinChoice>& skins, const std::string& skinPath);

// Stores the values chosen with OK; initial holds those shown at opening, its skinPath being
// the path of the skin list's entry selected then (not necessarily the stored one). Quality,
// the name prompt, tooltips, sound effects, microphone enhancement and both formats are always
// written; OnTray only when the choice differs from initial, through runAtLogOn (directly when
// it is empty); SkinPath only when the chosen skin differs. Returns whether the skin changed.
bool write(SettingsStore& settings, const PreferenceValues& initial, const PreferenceValues& chosen,
           const RunAtLogOnSwitch& runAtLogOn);

// The settings as an open main window applies them. A format setting of -1 is replaced by
// the first available export format's id (0 when there is none) for e-mail, by 0 for drag and
// drop, and the replacement is written back.
struct AppliedSettings {
  std::uint32_t sampleRate = 22050;  // recording rate of the quality preset, Hz
  bool toolTips = true;
  bool soundEffects = true;
  std::int32_t emailFormat = 0;
  std::int32_t dragFormat = 0;
};
AppliedSettings applied(SettingsStore& settings, const std::vector<FormatChoice>& available);

}  // namespace preferences
}  // namespace qp
