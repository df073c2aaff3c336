// The name of an edit's temporary copy: never a note, and stale only once its process is gone.
#include "audio/editing/EditScratchFile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "support/TempDir.h"

namespace qp {
namespace {

// The id of a process that has just ended.
pid_t endedProcess() {
  const pid_t child = ::fork();
  if (child == 0) {
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

TEST(EditScratchFileTest, ANewPathIsHiddenNoNoteAndFree) {
  test::TempDir dir;
  const std::string first = EditScratchFile::newPath(dir.path().string());
  test::writeFileBytes(first, {1});
  const std::string second = EditScratchFile::newPath(dir.path().string());
  EXPECT_NE(first, second);
  EXPECT_FALSE(std::filesystem::exists(second));
  for (const std::string& path : {first, second}) {
    const std::string name = std::filesystem::path(path).filename().string();
    EXPECT_EQ(std::filesystem::path(path).parent_path(), dir.path());
    EXPECT_EQ(name[0], '.') << name;
    EXPECT_FALSE(name.ends_with(".wav")) << name;
    EXPECT_TRUE(EditScratchFile::isScratchName(name)) << name;
    EXPECT_FALSE(EditScratchFile::isStale(name)) << name;  // this process is running
  }
}

TEST(EditScratchFileTest, OnlyOurNamesOfEndedProcessesAreStale) {
  const std::string ended = std::to_string(endedProcess());
  struct Row {
    std::string name;
    bool scratch;
    bool stale;
  } rows[] = {
      {".quillophone-edit-" + ended + "-0.tmp", true, true},
      {".quillophone-edit-" + std::to_string(::getpid()) + "-3.tmp", true, false},
      {".quillophone-edit-1-0.tmp", true, false},  // init runs as long as the system does
      {"QP_2024-05-01 10-00-00.wav", false, false},
      {".quillophone-edit-" + ended + "-0.wav", false, false},
      {".quillophone-edit-" + ended + ".tmp", false, false},
      {".quillophone-edit--0.tmp", false, false},
      {".quillophone-edit-12a-0.tmp", false, false},
      {".quillophone-edit-0-0.tmp", false, false},
      {".quillophone-edit-99999999999999999999-0.tmp", false, false},
      {"quillophone-edit-" + ended + "-0.tmp", false, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(EditScratchFile::isScratchName(row.name), row.scratch) << row.name;
    EXPECT_EQ(EditScratchFile::isStale(row.name), row.stale) << row.name;
  }
}

}  // namespace
}  // namespace qp
