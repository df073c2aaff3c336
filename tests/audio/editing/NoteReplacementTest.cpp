// Replacing a note by its edited copy, and removing a discarded recording: only regular files
// are ever removed, and a failed replacement leaves the old note.
#include "audio/editing/NoteReplacement.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/TempDir.h"

namespace qp {
namespace {

TEST(NoteReplacementTest, AFailedReplacementKeepsTheOldNoteAndRemovesTheNewFile) {
  test::TempDir dir;
  const std::string fresh = dir.file("new.wav");
  test::writeFileBytes(fresh, {1, 2, 3});
  EXPECT_FALSE(NoteReplacement::replace(fresh, dir.file("missing.wav")));
  EXPECT_FALSE(std::filesystem::exists(fresh));
  // The old path is a directory: not a note to replace.
  std::filesystem::create_directory(dir.file("folder.wav"));
  test::writeFileBytes(fresh, {1, 2, 3});
  EXPECT_FALSE(NoteReplacement::replace(fresh, dir.file("folder.wav")));
  EXPECT_FALSE(std::filesystem::exists(fresh));
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.wav")));
}

TEST(NoteReplacementTest, OnlyRegularFilesAreRemovedAsDiscardedRecordings) {
  test::TempDir dir;
  const std::string fifo = dir.file("pipe.wav");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(NoteReplacement::removeWritten(fifo));
  EXPECT_TRUE(std::filesystem::exists(fifo));
  const std::string target = dir.file("target.wav");
  test::writeFileBytes(target, {1});
  std::filesystem::create_symlink(target, dir.file("link.wav"));
  EXPECT_FALSE(NoteReplacement::removeWritten(dir.file("link.wav")));
  EXPECT_TRUE(std::filesystem::exists(target));
  EXPECT_TRUE(NoteReplacement::removeWritten(target));
  EXPECT_FALSE(std::filesystem::exists(target));
}

}  // namespace
}  // namespace qp
