#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/IniSettingsStore.h"
#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"

namespace qp {
namespace {

TEST(IniSettingsStore, ValuesSurviveAFreshStoreOnTheSameFile) {
  test::TempDir dir;
  const std::string file = dir.file("sub/TolvaneQP.conf");
  std::vector<std::uint8_t> alarm(244);
  for (std::size_t i = 0; i < alarm.size(); ++i) {
    alarm[i] = static_cast<std::uint8_t>(i * 7 + 3);  // every kind of byte, NULs included
  }
  alarm[0] = 0;
  alarm[100] = '\n';
  alarm[101] = '\\';
  alarm[102] = '"';
  {
    IniSettingsStore store(file);
    ASSERT_TRUE(store.writeNumber("EmailFormat", -1));
    ASSERT_TRUE(store.writeNumber("Quality", 0));
    ASSERT_TRUE(store.writeText("NotesPath", "/home/u/Documents/Quillophone, ü"));
    ASSERT_TRUE(store.writeText("WindowPosition", "10, 20, 300, 400"));
    ASSERT_TRUE(store.writeRecord("Folder-To Do", {1, 0, 0, 0, 3, 0, 0, 0}));
    ASSERT_TRUE(store.writeRecord("Alarm", alarm));
  }
  IniSettingsStore store(file);
  EXPECT_EQ(store.readNumber("EmailFormat", 7), -1);
  EXPECT_EQ(store.readNumber("Quality", 2), 0);
  EXPECT_EQ(store.readText("NotesPath", ""), "/home/u/Documents/Quillophone, ü");
  EXPECT_EQ(store.readText("WindowPosition", ""), "10, 20, 300, 400");
  EXPECT_EQ(store.readRecord("Folder-To Do"), (std::vector<std::uint8_t>{1, 0, 0, 0, 3, 0, 0, 0}));
  EXPECT_EQ(store.readRecord("Alarm"), alarm);
  EXPECT_TRUE(store.removeValue("Alarm"));
  EXPECT_TRUE(store.removeValue("Alarm"));
  EXPECT_FALSE(IniSettingsStore(file).readRecord("Alarm").has_value());
}

TEST(IniSettingsStore, GarbageAndWrongKindsGiveTheDefaults) {
  test::TempDir dir;
  const std::string file = dir.file("TolvaneQP.conf");
  {
    std::ofstream out(file);
    out << "[Settings]\nQuality=high\nOnTray=99999999999\nSmallView=\nFolder-A=12345678\n"
           "Alarm=@ByteArray(\\0\\x1)\nWindowPosition=1,2,3,4\nbroken line without equals\n";
  }
  IniSettingsStore store(file);
  EXPECT_EQ(store.readNumber("Quality", 2), 2);
  EXPECT_EQ(store.readNumber("OnTray", 1), 1);
  EXPECT_EQ(store.readNumber("SmallView", 0), 0);
  EXPECT_FALSE(store.readRecord("Folder-A").has_value());  // a text, not a record
  EXPECT_EQ(store.readRecord("Alarm"), (std::vector<std::uint8_t>{0, 1}));
  EXPECT_EQ(store.readNumber("Alarm", 5), 5);
  EXPECT_EQ(store.readText("WindowPosition", ""), "1,2,3,4");
  EXPECT_EQ(store.readText("Missing", "def"), "def");
}

TEST(IniSettingsStore, AnUnwritableFileReportsFailure) {
  test::TempDir dir;
  const std::string file = dir.file("TolvaneQP.conf");
  std::filesystem::create_directory(file);  // a directory where the file should be
  IniSettingsStore store(file);
  EXPECT_FALSE(store.writeNumber("Quality", 1));
}

TEST(IniSettingsStore, DefaultPathFollowsXdgConfigHome) {
  test::ScopedEnvironment env;
  env.set("XDG_CONFIG_HOME", "/tmp/cfg");
  EXPECT_EQ(IniSettingsStore::defaultFilePath(), "/tmp/cfg/Tolvane Electronics/TolvaneQP.conf");
}

}  // namespace
}  // namespace qp
