#include "ui/preferences/PreferenceSettings.h"

#include "audio/wave/NoteMetrics.h"
#include "common/StringIds.h"
#include "export/CExportFormats.h"

namespace qp {

PreferenceValues PreferenceValues::read(const SettingsStore& settings) {
  PreferenceValues values;
  values.quality = settings.readNumber("Quality", 2);
  values.askForName = settings.readNumber("AskForName", 1) != 0;
  values.onTray = settings.readNumber("OnTray", 1) != 0;
  values.toolTips = settings.readNumber("ToolTips", 1) != 0;
  values.soundEffects = settings.readNumber("SoundEffects", 1) != 0;
  values.silkvoice = settings.readNumber("Silkvoice", 1) != 0;
  values.emailFormat = settings.readNumber("EmailFormat", -1);
  values.dragFormat = settings.readNumber("DragFormat", -1);
  values.skinPath = settings.readText("SkinPath", "");
  return values;
}

namespace preferences {

std::vector<FormatChoice> availableFormats(CExportFormats& formats) {
  std::vector<FormatChoice> available;
  ExportFormat entry;
  for (bool more = formats.first(entry); more; more = formats.next(entry)) {
    available.push_back({entry.formatId, entry.name});
  }
  return available;
}

std::vector<FormatChoice> formatList(const std::vector<FormatChoice>& available,
                                     const StringTable& strings) {
  std::vector<FormatChoice> list = available;
  list.push_back({0, strings.text(StringId::kWaveFile, "Wave File")});
  return list;
}

std::size_t selectedFormat(const std::vector<FormatChoice>& list, std::int32_t setting) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].formatId == setting) {
      return i;
    }
  }
  return 0;
}

std::size_t selectedSkin(const std::vector<SkinChoice>& skins, const std::string& skinPath) {
  for (std::size_t i = 0; i < skins.size(); ++i) {
    if (skins[i].path == skinPath) {
      return i;
    }
  }
  return 0;
}

bool write(SettingsStore& settings, const PreferenceValues& initial, const PreferenceValues& chosen,
           const RunAtLogOnSwitch& runAtLogOn) {
  settings.writeNumber("Quality", chosen.quality);
  settings.writeNumber("AskForName", chosen.askForName ? 1 : 0);
  settings.writeNumber("ToolTips", chosen.toolTips ? 1 : 0);
  settings.writeNumber("SoundEffects", chosen.soundEffects ? 1 : 0);
  settings.writeNumber("Silkvoice", chosen.silkvoice ? 1 : 0);
  if (chosen.onTray != initial.onTray) {
    if (runAtLogOn) {
      runAtLogOn(chosen.onTray);
    } else {
      settings.writeNumber("OnTray", chosen.onTray ? 1 : 0);
    }
  }
  settings.writeNumber("EmailFormat", chosen.emailFormat);
  settings.writeNumber("DragFormat", chosen.dragFormat);
  if (chosen.skinPath == initial.skinPath) {
    return false;
  }
  settings.writeText("SkinPath", chosen.skinPath);
  return true;
}

AppliedSettings applied(SettingsStore& settings, const std::vector<FormatChoice>& available) {
  AppliedSettings result;
  result.sampleRate = NoteMetrics::qualitySampleRate(settings.readNumber("Quality", 2));
  result.toolTips = settings.readNumber("ToolTips", 1) != 0;
  result.soundEffects = settings.readNumber("SoundEffects", 1) != 0;
  result.emailFormat = settings.readNumber("EmailFormat", -1);
  if (result.emailFormat == -1) {
    result.emailFormat = available.empty() ? 0 : available.front().formatId;
    settings.writeNumber("EmailFormat", result.emailFormat);
  }
  result.dragFormat = settings.readNumber("DragFormat", -1);
  if (result.dragFormat == -1) {
    result.dragFormat = 0;
    settings.writeNumber("DragFormat", result.dragFormat);
  }
  return result;
}

}  // namespace preferences
}  // namespace qp
