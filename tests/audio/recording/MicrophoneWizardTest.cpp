// Where the microphone wizard is found: the maker's own, the sound card's, the desktop's sound
// settings, in that order, and only programs that may be executed.
#include "audio/recording/MicrophoneWizard.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/MemorySettingsStore.h"
#include "support/TempDir.h"

namespace qp {
namespace {

TEST(MicrophoneWizardTest, WizardSearchOrder) {
  test::TempDir dir;
  const auto program = [&](const std::string& name, bool executable = true) {
    const std::string path = dir.file(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    test::writeFileBytes(path, {'#', '!'});
    ::chmod(path.c_str(), executable ? 0755 : 0644);
    return path;
  };
  MemorySettingsStore soundCard;
  const std::string path = dir.file("bin") + ":" + dir.file("usr/bin");
  MicrophoneWizardSources sources{nullptr, &soundCard, dir.file("prog"), path};
  EXPECT_EQ(MicrophoneWizard::find(sources), "");
  const std::string desktop = program("usr/bin/pavucontrol");
  EXPECT_EQ(MicrophoneWizard::find(sources), desktop);
  program("bin/SMax4Wiz", false);  // not executable: not installed
  EXPECT_EQ(MicrophoneWizard::find(sources), desktop);
  soundCard.writeText("FilePath", program("cards/SMax4Wiz"));
  EXPECT_EQ(MicrophoneWizard::find(sources), dir.file("cards/SMax4Wiz"));
  const std::string own = program("prog/TolvaneWizard");
  EXPECT_EQ(MicrophoneWizard::find(sources), own);
  const std::string onPath = program("usr/bin/TolvaneWizard");
  EXPECT_EQ(MicrophoneWizard::find(sources), onPath);
}

TEST(MicrophoneWizardTest, DesktopSoundSettingsAreStartedOnTheirSoundPage) {
  struct Row {
    std::vector<std::string> installed;
    std::string program;
    std::vector<std::string> arguments;
  };
  const std::vector<Row> rows{
      {{}, "", {}},
      {{"kcmshell6"}, "kcmshell6", {"kcm_pulseaudio"}},
      {{"kcmshell6", "pavucontrol-qt"}, "pavucontrol-qt", {}},
      {{"kcmshell6", "pavucontrol"}, "pavucontrol", {}},
      {{"pavucontrol", "gnome-control-center"}, "gnome-control-center", {"sound"}},
      {{"gnome-control-center", "SMax4Wiz"}, "SMax4Wiz", {}},
  };
  for (const Row& row : rows) {
    test::TempDir dir;
    for (const std::string& name : row.installed) {
      test::writeFileBytes(dir.file(name), {'#', '!'});
      ::chmod(dir.file(name).c_str(), 0755);
    }
    const MicrophoneWizardSources sources{nullptr, nullptr, "", dir.path().string()};
    const MicrophoneWizardCommand command = MicrophoneWizard::findCommand(sources);
    SCOPED_TRACE(row.program);
    EXPECT_EQ(command.program, row.program.empty() ? "" : dir.file(row.program));
    EXPECT_EQ(command.arguments, row.arguments);
    EXPECT_EQ(command.found(), !row.program.empty());
    EXPECT_EQ(MicrophoneWizard::find(sources), command.program);
  }
}

}  // namespace
}  // namespace qp
