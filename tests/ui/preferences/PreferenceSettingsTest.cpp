// The preferences' rules apart from the dialog: the format lists over the export-format list,
// the tray switch of what OK writes, and the settings an open main window applies (with the -1
// formats resolved).
#include "ui/preferences/PreferenceSettings.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/MemorySettingsStore.h"
#include "support/ExportFakes.h"

namespace qp {
namespace {

const std::vector<FormatChoice> kMp3AndWma{{3, "MP3 File"}, {1, "WMA File"}};

TEST(PreferenceSettings, MissingValuesReadAsTheirDefaults) {
  const MemorySettingsStore empty;
  const PreferenceValues values = PreferenceValues::read(empty);
  EXPECT_EQ(values.quality, 2);
  EXPECT_TRUE(values.askForName && values.onTray && values.toolTips && values.soundEffects &&
              values.silkvoice);
  EXPECT_EQ(values.emailFormat, -1);
  EXPECT_EQ(values.dragFormat, -1);
  EXPECT_EQ(values.skinPath, "");
}

TEST(PreferenceSettings, FormatListsOfferTheExportFormatsThenWave) {
  const StringTable english(1033);
  std::vector<std::string> calls;
  const auto wmaOnly = test::wmaOnlyFormats(english, calls);
  const auto available = preferences::availableFormats(*wmaOnly);
  EXPECT_EQ(available, (std::vector<FormatChoice>{{1, "WMA File"}}));
  EXPECT_EQ(preferences::formatList(available, english),
            (std::vector<FormatChoice>{{1, "WMA File"}, {0, "Wave File"}}));
  EXPECT_EQ(preferences::formatList({}, english), (std::vector<FormatChoice>{{0, "Wave File"}}));
}

TEST(PreferenceSettings, WriteStoresTheChoicesAndSwitchesLogOnOnlyOnAChange) {
  struct Case {
    const char* what;
    bool initialTray;
    bool chosenTray;
    bool haveSwitch;
    std::vector<bool> switched;
    std::int32_t onTrayStored;  // -5: not written
  } const cases[] = {
      {"unchanged tray", true, true, true, {}, -5},
      {"unticked", true, false, true, {false}, -5},
      {"ticked", false, true, true, {true}, -5},
      {"unticked, no switch", true, false, false, {}, 0},
      {"unchanged, no switch", false, false, false, {}, -5},
  };
  for (const auto& c : cases) {
    MemorySettingsStore settings;
    PreferenceValues initial;
    initial.onTray = c.initialTray;
    PreferenceValues chosen = initial;
    chosen.onTray = c.chosenTray;
    chosen.quality = 0;
    chosen.askForName = false;
    chosen.emailFormat = 1;
    chosen.dragFormat = 3;
    std::vector<bool> switched;
    const RunAtLogOnSwitch logOn = [&](bool on) { switched.push_back(on); };
    EXPECT_FALSE(preferences::write(settings, initial, chosen, c.haveSwitch ? logOn : nullptr))
        << c.what;
    EXPECT_EQ(switched, c.switched) << c.what;
    EXPECT_EQ(settings.readNumber("OnTray", -5), c.onTrayStored) << c.what;
    EXPECT_EQ(settings.readNumber("Quality", -5), 0) << c.what;
    EXPECT_EQ(settings.readNumber("AskForName", -5), 0) << c.what;
    EXPECT_EQ(settings.readNumber("ToolTips", -5), 1) << c.what;
    EXPECT_EQ(settings.readNumber("SoundEffects", -5), 1) << c.what;
    EXPECT_EQ(settings.readNumber("Silkvoice", -5), 1) << c.what;
    EXPECT_EQ(settings.readNumber("EmailFormat", -5), 1) << c.what;
    EXPECT_EQ(settings.readNumber("DragFormat", -5), 3) << c.what;
    EXPECT_FALSE(settings.contains("SkinPath")) << c.what;
  }
}

TEST(PreferenceSettings, AppliedSettingsResolveAndStoreTheUnsetFormats) {
  struct Case {
    const char* what;
    std::vector<FormatChoice> available;
    std::int32_t email;  // stored before; -9: missing
    std::int32_t drag;
    std::int32_t expectedEmail;
    std::int32_t expectedDrag;
  } const cases[] = {
      {"missing, MP3 first", kMp3AndWma, -9, -9, 3, 0},
      {"-1, nothing available", {}, -1, -1, 0, 0},
      {"-1, WMA only", {{1, "WMA File"}}, -1, -1, 1, 0},
      {"chosen ones stay", kMp3AndWma, 1, 3, 1, 3},
  };
  for (const auto& c : cases) {
    MemorySettingsStore settings;
    if (c.email != -9) {
      settings.writeNumber("EmailFormat", c.email);
      settings.writeNumber("DragFormat", c.drag);
    }
    const auto applied = preferences::applied(settings, c.available);
    EXPECT_EQ(applied.emailFormat, c.expectedEmail) << c.what;
    EXPECT_EQ(applied.dragFormat, c.expectedDrag) << c.what;
    EXPECT_EQ(settings.readNumber("EmailFormat", -9), c.expectedEmail) << c.what;
    EXPECT_EQ(settings.readNumber("DragFormat", -9), c.expectedDrag) << c.what;
  }
  const std::pair<int, std::uint32_t> rates[] = {{0, 8000}, {1, 11025}, {2, 22050}, {7, 22050}};
  for (const auto& [quality, rate] : rates) {
    MemorySettingsStore settings;
    settings.writeNumber("Quality", quality);
    settings.writeNumber("ToolTips", 0);
    const auto applied = preferences::applied(settings, {});
    EXPECT_EQ(applied.sampleRate, rate) << quality;
    EXPECT_FALSE(applied.toolTips);
    EXPECT_TRUE(applied.soundEffects);
  }
}

}  // namespace
}  // namespace qp
