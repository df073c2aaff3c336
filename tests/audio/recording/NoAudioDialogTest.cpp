// The no-audio dialog: its text, the Help button when a microphone wizard is installed, and
// the check box that turns the silence check off.
#include "audio/recording/NoAudioDialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/MemorySettingsStore.h"
#include "common/StringIds.h"
#include "support/FakeAudioUi.h"
#include "support/FakeProcessLauncher.h"
#include "support/TempDir.h"
#include "support/UiTexts.h"

namespace qp {
namespace {

TEST(NoAudioDialogTest, AWizardAddsHelpAndTheCheckBoxTurnsTheCheckOff) {
  test::TempDir dir;
  const std::string wizard = dir.file("wizard");
  test::writeFileBytes(wizard, {'#', '!', '/', 'b', 'i', 'n', '/', 's', 'h', '\n'});
  ASSERT_EQ(::chmod(wizard.c_str(), 0755), 0);
  MemorySettingsStore makerWizard;
  makerWizard.writeText("FilePath", wizard);
  MemorySettingsStore settings;
  test::FakeUiServices ui;
  ui.noAudioChoice = {true, true};
  test::FakeProcessLauncher launcher;
  NoAudioDialog dialog(ui, settings, launcher, {&makerWizard, nullptr, "", ""});
  dialog.show();
  EXPECT_EQ(ui.noAudioTexts, (std::vector<std::string>{test::uiText(StringId::kNoAudio)}));
  EXPECT_EQ(ui.noAudioHelp, (std::vector<bool>{true}));
  using Call = test::FakeProcessLauncher::Call;
  EXPECT_EQ(launcher.calls, (std::vector<Call>{{false, wizard, {}}}));  // started, not waited for
  EXPECT_EQ(settings.readNumber("CheckForSilence", 1), 0);
}

TEST(NoAudioDialogTest, NothingStartsWithoutAWizardOrWithoutHelp) {
  test::TempDir dir;
  const std::string wizard = dir.file("wizard");
  test::writeFileBytes(wizard, {'#', '!'});
  ASSERT_EQ(::chmod(wizard.c_str(), 0755), 0);
  struct Row {
    bool installed;
    bool help;
  };
  for (const Row row : {Row{false, true}, Row{true, false}}) {
    MemorySettingsStore makerWizard;
    makerWizard.writeText("FilePath", row.installed ? wizard : dir.file("missing"));
    MemorySettingsStore settings;
    test::FakeUiServices ui;
    ui.noAudioChoice = {false, row.help};
    test::FakeProcessLauncher launcher;
    NoAudioDialog dialog(ui, settings, launcher, {&makerWizard, nullptr, "", ""});
    dialog.show();
    EXPECT_TRUE(launcher.calls.empty()) << row.installed;
    EXPECT_EQ(ui.noAudioHelp, (std::vector<bool>{row.installed}));
    // Without a wizard the text ends before its line about the Help button.
    const std::string full = test::uiText(StringId::kNoAudio);
    EXPECT_EQ(ui.noAudioTexts,
              (std::vector<std::string>{row.installed ? full : full.substr(0, full.find('\n'))}));
    EXPECT_EQ(settings.readNumber("CheckForSilence", 1), 1);
  }
}

TEST(NoAudioDialogTest, HelpStartsTheDesktopSoundSettingsOnTheirPage) {
  test::TempDir dir;
  const std::string tool = dir.file("gnome-control-center");
  test::writeFileBytes(tool, {'#', '!'});
  ASSERT_EQ(::chmod(tool.c_str(), 0755), 0);
  MemorySettingsStore settings;
  test::FakeUiServices ui;
  ui.noAudioChoice = {false, true};
  test::FakeProcessLauncher launcher;
  NoAudioDialog dialog(ui, settings, launcher, {nullptr, nullptr, "", dir.path().string()});
  dialog.show();
  using Call = test::FakeProcessLauncher::Call;
  EXPECT_EQ(launcher.calls, (std::vector<Call>{{false, tool, {"sound"}}}));
  EXPECT_EQ(settings.readNumber("CheckForSilence", 1), 1);
}

}  // namespace
}  // namespace qp
