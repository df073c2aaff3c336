// The no-audio dialog: its text, the Help button when a microphone wizard is installed, and
// the check box that turns the silence check off.
#include "audio/recording/NoAudioDialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "audio/AudioMessages.h"
#include "common/MemorySettingsStore.h"
#include "support/FakeAudioUi.h"
#include "support/TempDir.h"

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
  NoAudioDialog dialog(ui, settings, {&makerWizard, nullptr, "", ""});
  std::vector<std::string> launched;
  dialog.setLauncher([&](const std::string& program) {
    launched.push_back(program);
    return true;
  });
  dialog.show();
  EXPECT_EQ(ui.noAudioTexts, (std::vector<std::string>{AudioMessages::kNoAudio}));
  EXPECT_EQ(ui.noAudioHelp, (std::vector<bool>{true}));
  EXPECT_EQ(launched, (std::vector<std::string>{wizard}));
  EXPECT_EQ(settings.readNumber("CheckForSilence", 1), 0);
}

}  // namespace
}  // namespace qp
