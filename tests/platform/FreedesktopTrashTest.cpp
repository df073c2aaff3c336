#include <gtest/gtest.h>

#include <filesystem>

#include "platform/FreedesktopTrash.h"
#include "support/TempDir.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

TEST(FreedesktopTrash, MovesAFileIntoTheUsersTrashAndRefusesAMissingOne) {
  test::TempDir dir;
  setenv("XDG_DATA_HOME", (dir.path() / "data").c_str(), 1);  // not there yet: created
  const std::string note = dir.file("Memo.wav");
  test::writeFileBytes(note, {1, 2, 3});
  FreedesktopTrash trash;
  ASSERT_TRUE(trash.available());
  ASSERT_TRUE(trash.moveToTrash(note));
  EXPECT_FALSE(fs::exists(note));
  EXPECT_TRUE(fs::exists(dir.path() / "data/Trash/files/Memo.wav"));
  EXPECT_TRUE(fs::exists(dir.path() / "data/Trash/info/Memo.wav.trashinfo"));
  EXPECT_FALSE(trash.moveToTrash(dir.file("Missing.wav")));
}

}  // namespace
}  // namespace qp
