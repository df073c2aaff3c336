// The skin object over the built-in tables and over real packages built in the test tree:
// which packages are taken, what a faulty one answers and says, the small view's unload and
// reload, where events go and when the built-in skin plays its sounds.
#include "skins/Skin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/DiagnosticTrace.h"
#include "common/MemorySettingsStore.h"
#include "platform/DlopenSkinModule.h"
#include "skins/BuiltInSkin.h"
#include "skins/SkinPng.h"

namespace qp {
namespace {

std::string package(const std::string& name) {
  return std::string(QP_TEST_SKIN_DIR) + "/" + name + ".skn";
}

class RecordingSounds final : public SkinSounds {
 public:
  void playWaveResource(int id) override { played.push_back(id); }
  std::vector<int> played;
};

class SkinTest : public testing::Test {
 protected:
  SkinTest() {
    setDiagnosticTraceSink([this](std::string_view line) { trace_.emplace_back(line); });
  }
  ~SkinTest() override { setDiagnosticTraceSink({}); }

  MemorySettingsStore settings_;
  DlopenSkinModuleLoader loader_;
  RecordingSounds sounds_;
  Skin skin_{settings_, loader_, &sounds_};
  std::vector<std::string> trace_;
};

TEST_F(SkinTest, WithoutAPackageTheBuiltInTablesAnswerInBothViews) {
  const SkinExports& builtIn = builtInSkinExports();
  for (const int sv : {0, 1}) {
    skin_.setCompact(sv == 1);
    for (int index = 0; index <= 40; ++index) {
      EXPECT_EQ(skin_.button(index), builtIn.getButton(index, sv)) << index << " sv " << sv;
      EXPECT_EQ(skin_.text(index), builtIn.getText(index, sv));
      EXPECT_EQ(skin_.bitmap(index), builtIn.getBitmap(index, sv));
    }
    EXPECT_EQ(skin_.flags(), builtIn.getSkin(sv));
    EXPECT_EQ(skin_.graph(), builtIn.getGraph(sv));
    EXPECT_EQ(skin_.listbox(), builtIn.getListbox(sv));
    EXPECT_EQ(skin_.sidePanel(), builtIn.getAdvancedCtrls(sv));
    EXPECT_EQ(skin_.tabOrder(), builtIn.getTabOrder(sv));
  }
  EXPECT_FALSE(skin_.isPackage());
  EXPECT_EQ(skin_.nameStringId(), 125);
  EXPECT_EQ(skin_.displayName(StringTable(1033)), "Default (black)");
  EXPECT_TRUE(skin_.image(133).empty());
  EXPECT_TRUE(trace_.empty());
}

TEST_F(SkinTest, OnlyCompletePackagesOfVersionTwoAreTaken) {
  struct Case {
    std::string path;
    bool accepted;
    std::string traceEnd;
  };
  const std::vector<Case> cases = {
      {package("complete"), true, ""},
      {package("no_notify"), true, ""},
      {package("version1"), false, ": not used: interface version 1, expected 2"},
      {package("no_knob"), false, ": not used: missing export GetKnob"},
      {package("absent"), false, "No such file or directory"},
  };
  for (const Case& c : cases) {
    trace_.clear();
    EXPECT_EQ(skin_.loadPackage(c.path), c.accepted) << c.path;
    EXPECT_EQ(skin_.isPackage(), c.accepted);
    EXPECT_EQ(skin_.path(), c.accepted ? c.path : "");
    if (c.accepted) {
      EXPECT_TRUE(trace_.empty()) << trace_.front();
      EXPECT_EQ(skin_.nameStringId(), 4242);
    } else {
      ASSERT_EQ(trace_.size(), 1u) << c.path;
      EXPECT_EQ(trace_[0].rfind("skin " + c.path, 0), 0u) << trace_[0];
      EXPECT_NE(trace_[0].find(c.traceEnd), std::string::npos) << trace_[0];
      EXPECT_EQ(skin_.graph(), builtInSkinExports().getGraph(0));  // the built-in skin stays
    }
  }
}

TEST_F(SkinTest, APackageAnswersWithItsOwnRecordsAndImages) {
  ASSERT_TRUE(skin_.loadPackage(package("complete")));
  ASSERT_NE(skin_.button(12), nullptr);
  EXPECT_EQ(skin_.button(12)->left, 5 + 3 * 20);
  EXPECT_EQ(skin_.button(17), nullptr);  // the package has no button 17: hidden
  EXPECT_EQ(skin_.graph()->waveColour, 0x00FF8000);
  EXPECT_EQ(skin_.listbox()->rowHeight, 14);
  EXPECT_EQ(skin_.tabOrder()->count, 3);
  EXPECT_EQ(skin_.effects()->levelMeterBits, 7);
  EXPECT_EQ(skin_.volume()->positions, 1);
  EXPECT_EQ(skin_.displayName(StringTable(1033)), "complete");

  const std::vector<unsigned char> background = skin_.image(skin_.bitmap(1)->bitmapId);
  const auto size = pngSize(background.data(), background.size());
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 230);
  EXPECT_EQ(size->height, 200);
  EXPECT_TRUE(skin_.image(999).empty());

  skin_.setCompact(true);
  EXPECT_EQ(skin_.bitmap(1)->bitmapId, 101);
  EXPECT_EQ(skin_.graph(), nullptr);
  EXPECT_EQ(skin_.listbox()->rowHeight, 12);
  skin_.unload();
  EXPECT_EQ(skin_.listbox(), builtInSkinExports().getListbox(1));
  EXPECT_TRUE(trace_.empty());
}

TEST_F(SkinTest, FaultyRecordsAreLeftOutWithOneLineEach) {
  ASSERT_TRUE(skin_.loadPackage(package("outside")));
  const std::string prefix = "skin " + package("outside") + ": ";
  for (int round = 0; round < 2; ++round) {  // asking again adds no lines
    EXPECT_EQ(skin_.button(12), nullptr);
    EXPECT_EQ(skin_.button(13), nullptr);
    EXPECT_EQ(skin_.button(14), nullptr);
    EXPECT_EQ(skin_.button(15), nullptr);
    EXPECT_NE(skin_.button(16), nullptr);
    EXPECT_EQ(skin_.text(2), nullptr);
    EXPECT_NE(skin_.text(1), nullptr);
    EXPECT_EQ(skin_.tabOrder(), nullptr);
  }
  const std::vector<std::string> expected = {
      prefix +
          "button 12 (standard view) left out: rectangle 65,155-300,173 lies outside the "
          "window (270x200)",
      prefix +
          "button 13 (standard view) left out: bitmap id 999 cannot be delivered: the "
          "package has no image for it",
      prefix +
          "button 14 (standard view) left out: bitmap id 130 cannot be delivered: its "
          "bytes are not a PNG image of sane size",
      prefix +
          "button 15 (standard view) left out: face sample point 25,0 lies outside its "
          "image (20x18)",
      prefix + "text 2 (standard view) left out: rectangle 40,75-180,60 has a negative size",
      prefix + "tab order (standard view) left out: tab order of 1000000 buttons (at most 4096)",
  };
  EXPECT_EQ(trace_, expected);
  EXPECT_TRUE(skin_.image(130).empty());

  trace_.clear();
  skin_.setCompact(true);
  EXPECT_EQ(skin_.listbox(), nullptr);
  ASSERT_EQ(trace_.size(), 1u);
  EXPECT_EQ(trace_[0], prefix +
                           "list box (small view) left out: row height 0 is not between 1 "
                           "and 1024");
}

TEST_F(SkinTest, SmallViewOfTheBuiltInSkinUnloadsAndReloadsThePackage) {
  settings_.writeText("SkinPath", package("small_builtin"));
  skin_.loadConfigured();
  ASSERT_TRUE(skin_.isPackage());
  EXPECT_EQ(skin_.notify(Skin::kEventRecordingStarted), 1030);

  skin_.setCompact(true);
  EXPECT_FALSE(skin_.isPackage());
  EXPECT_EQ(skin_.nameStringId(), 125);
  EXPECT_EQ(skin_.button(10), builtInSkinExports().getButton(10, 1));
  EXPECT_EQ(skin_.notify(Skin::kEventRecordingStarted), 0);

  skin_.setCompact(false);
  EXPECT_TRUE(skin_.isPackage());
  EXPECT_EQ(skin_.path(), package("small_builtin"));
  EXPECT_EQ(skin_.nameStringId(), 4242);

  // Loaded while the small view is shown: accepted, and loaded when the standard view returns.
  skin_.setCompact(true);
  skin_.unload();
  EXPECT_TRUE(skin_.loadPackage(package("small_builtin")));
  EXPECT_FALSE(skin_.isPackage());
  skin_.setCompact(false);
  EXPECT_TRUE(skin_.isPackage());

  // A package with a small view of its own stays loaded and serves it.
  ASSERT_TRUE(skin_.loadPackage(package("complete")));
  skin_.setCompact(true);
  EXPECT_TRUE(skin_.isPackage());
  EXPECT_EQ(skin_.notify(Skin::kEventPanelOpening), 1111);
  EXPECT_TRUE(trace_.empty());
}

TEST_F(SkinTest, ChoiceIsStoredAndAnUnusableOneLeavesTheBuiltInSkin) {
  ASSERT_TRUE(skin_.loadPackage(package("complete")));
  skin_.storeChoice();
  EXPECT_EQ(settings_.readText("SkinPath", "?"), package("complete"));
  skin_.unload();
  skin_.storeChoice();
  EXPECT_EQ(settings_.readText("SkinPath", "?"), "");

  settings_.writeText("SkinPath", package("version1"));
  skin_.loadConfigured();
  EXPECT_FALSE(skin_.isPackage());
  EXPECT_EQ(trace_.size(), 1u);
}

TEST_F(SkinTest, PackageEventsGoToItsNotifyAndNeverPlaySounds) {
  for (const char* name : {"complete", "no_notify"}) {
    ASSERT_TRUE(skin_.loadPackage(package(name)));
    const bool hasNotify = std::string(name) == "complete";
    for (const int32_t event : {2, 19, 11, 13}) {
      EXPECT_EQ(skin_.notify(event, 1), hasNotify ? 1000 + 10 * event : 0) << name << event;
    }
  }
  EXPECT_TRUE(sounds_.played.empty());
}

TEST_F(SkinTest, BuiltInPanelSoundsOnlyWhenReadyIdleAndEnabled) {
  struct Step {
    int32_t event;
    intptr_t argument;
    std::vector<int> played;  // sounds played by this event
  };
  const std::vector<Step> steps = {
      {Skin::kEventPanelOpening, 0, {}},  // not ready yet
      {Skin::kEventLayoutDone, 0, {}},      {Skin::kEventPanelOpening, 0, {338}},
      {Skin::kEventPanelClosing, 0, {339}}, {Skin::kEventRecordingStarted, 0, {}},
      {Skin::kEventPanelOpening, 0, {}},    {Skin::kEventRecordingEnded, 0, {}},
      {Skin::kEventPlaybackStarted, 0, {}}, {Skin::kEventPanelClosing, 0, {}},
      {Skin::kEventPlaybackEnded, 0, {}},   {Skin::kEventPanelClosing, 0, {339}},
      {Skin::kEventSettingsApplied, 0, {}}, {Skin::kEventPanelOpening, 0, {}},
      {Skin::kEventSettingsApplied, 1, {}}, {12, 0, {}},
      {Skin::kEventPanelOpening, 0, {338}},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    sounds_.played.clear();
    EXPECT_EQ(skin_.notify(steps[i].event, steps[i].argument), 0);
    EXPECT_EQ(sounds_.played, steps[i].played) << "step " << i;
  }
}

TEST_F(SkinTest, SoundEffectsSettingIsTheStartingState) {
  settings_.writeNumber("SoundEffects", 0);
  Skin quiet(settings_, loader_, &sounds_);
  quiet.notify(Skin::kEventLayoutDone);
  quiet.notify(Skin::kEventPanelOpening);
  EXPECT_TRUE(sounds_.played.empty());
  Skin silent(settings_, loader_, nullptr);  // no sound output at all
  silent.notify(Skin::kEventSettingsApplied, 1);
  silent.notify(Skin::kEventLayoutDone);
  EXPECT_EQ(silent.notify(Skin::kEventPanelOpening), 0);
}

TEST(SkinModeVisibility, FlagsDecideByMode) {
  using V = ButtonVisibility;
  struct Case {
    int32_t flags;
    V idle, recording, playing;
  };
  const std::vector<Case> cases = {
      {0, V::Unchanged, V::Unchanged, V::Unchanged},
      {QP_BUTTON_HIDDEN | QP_BUTTON_FOCUS_RECT, V::Unchanged, V::Unchanged, V::Unchanged},
      {QP_BUTTON_IDLE_ONLY, V::Show, V::Hide, V::Hide},
      {QP_BUTTON_RECORDING_ONLY, V::Hide, V::Show, V::Unchanged},
      {QP_BUTTON_PLAYING_ONLY, V::Hide, V::Unchanged, V::Show},
      {QP_BUTTON_RECORDING_ONLY | QP_BUTTON_PLAYING_ONLY, V::Hide, V::Show, V::Show},
      {QP_BUTTON_IDLE_ONLY | QP_BUTTON_PLAYING_ONLY, V::Show, V::Hide, V::Hide},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Skin::modeVisibility(c.flags, 0), c.idle) << c.flags;
    EXPECT_EQ(Skin::modeVisibility(c.flags, 1), c.recording) << c.flags;
    EXPECT_EQ(Skin::modeVisibility(c.flags, 2), c.playing) << c.flags;
  }
}

}  // namespace
}  // namespace qp
