// Replacing a note by its edited copy, and removing a discarded recording: only regular files
// are ever removed, a failed replacement leaves the old note, the copy takes the note's owner
// and mode or does not replace it, and a note without write permission is not to be changed.
#include "audio/editing/NoteReplacement.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

struct stat statusOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st;
}

TEST(NoteReplacementTest, TheReplacementKeepsOwnerGroupModeAndTimes) {
  test::TempDir dir;
  const std::string note = dir.file("Memo.wav");
  test::writeFileBytes(note, {1});
  const bool root = ::geteuid() == 0;
  // Root can give the note to anyone; others keep their own uid and group.
  const uid_t owner = root ? 12345 : ::geteuid();
  const gid_t group = root ? 23456 : ::getegid();
  ASSERT_EQ(::chown(note.c_str(), owner, group), 0);
  ASSERT_EQ(::chmod(note.c_str(), 0604), 0);
  const struct timespec times[2] = {{1000000000, 5}, {1100000000, 7}};
  ASSERT_EQ(::utimensat(AT_FDCWD, note.c_str(), times, 0), 0);
  const std::string fresh = dir.file(".copy.tmp");
  test::writeFileBytes(fresh, {2, 2});
  ASSERT_TRUE(NoteReplacement::replace(fresh, note));
  const struct stat st = statusOf(note);
  EXPECT_EQ(st.st_uid, owner);
  EXPECT_EQ(st.st_gid, group);
  EXPECT_EQ(st.st_mode & 07777, 0604u);
  EXPECT_EQ(st.st_mtim.tv_sec, 1100000000);
  EXPECT_EQ(st.st_size, 2);
  EXPECT_FALSE(std::filesystem::exists(fresh));
}

TEST(NoteReplacementTest, ANoteWithoutWritePermissionMayNotBeChanged) {
  test::TempDir dir;
  std::filesystem::create_directory(dir.file("folder.wav"));
  struct Row {
    mode_t mode;
    bool mayChange;
  } rows[] = {{0644, true}, {0600, true}, {0444, false}, {0400, false}, {0000, false}};
  for (const Row& row : rows) {
    const std::string note = dir.file("Memo.wav");
    test::writeFileBytes(note, {1});
    ASSERT_EQ(::chmod(note.c_str(), row.mode), 0);
    // For root too, whom access() lets write anything.
    EXPECT_EQ(NoteReplacement::mayChange(note), row.mayChange) << std::oct << row.mode;
    ASSERT_EQ(::chmod(note.c_str(), 0644), 0);
    std::filesystem::remove(note);
  }
  EXPECT_FALSE(NoteReplacement::mayChange(dir.file("missing.wav")));
  EXPECT_FALSE(NoteReplacement::mayChange(dir.file("folder.wav")));
}

TEST(NoteReplacementTest, ACopyThatCannotTakeTheOwnersNameLeavesTheNote) {
  // Another user edits a note that anyone may write: the copy would be theirs, so the note
  // stays as it is. Needs root to play both users.
  if (::geteuid() != 0) {
    GTEST_SKIP() << "needs root to act as a second user";
  }
  test::TempDir dir;
  ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
  const std::string note = dir.file("Memo.wav");
  test::writeFileBytes(note, {1});
  ASSERT_EQ(::chmod(note.c_str(), 0666), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // As nobody: writes the copy and tries to put it in place.
    if (::setgid(65534) != 0 || ::setuid(65534) != 0 || !NoteReplacement::mayChange(note)) {
      ::_exit(2);
    }
    const std::string fresh = dir.file(".copy.tmp");
    test::writeFileBytes(fresh, {2, 2});
    const bool replaced = NoteReplacement::replace(fresh, note);
    ::_exit(replaced ? 1 : std::filesystem::exists(fresh) ? 3 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  const struct stat st = statusOf(note);
  EXPECT_EQ(st.st_uid, 0u);
  EXPECT_EQ(st.st_size, 1);
}

}  // namespace
}  // namespace qp
