// The attachment cache: where it lives, one fresh folder per message, and the clean-up that
// removes only what is older than a day, never what was just handed to the mail program.
#include "sharing/AttachmentCache.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "support/TempDir.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using std::chrono::hours;
using std::chrono::minutes;

// An environment variable set (or unset) for the life of the object.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) {
      old_ = old;
    }
    value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
  }
  ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class AttachmentCacheTest : public testing::Test {
 protected:
  // A message folder with one attachment, last changed age ago.
  fs::path messageFolder(const std::string& name, fs::file_time_type::duration age) {
    const fs::path folder = root_ / name;
    fs::create_directories(folder);
    test::writeFileBytes((folder / "Memo.mp3").string(), {1, 2, 3});
    fs::last_write_time(folder, fs::file_time_type::clock::now() - age);
    return folder;
  }

  test::TempDir dir_;
  fs::path root_ = dir_.path() / "cache" / "quillophone" / "mail";
  AttachmentCache cache_{root_.string()};
};

TEST_F(AttachmentCacheTest, TheUserRootFollowsXdgCacheHome) {
  struct Row {
    std::optional<std::string> cacheHome;
    std::string root;
  };
  const Row rows[] = {
      {"/var/cache/me", "/var/cache/me/quillophone/mail"},
      {std::nullopt, "/home/me/.cache/quillophone/mail"},
      {"", "/home/me/.cache/quillophone/mail"},
      {"relative/cache", "/home/me/.cache/quillophone/mail"},  // only absolute paths count
  };
  const ScopedVariable home("HOME", "/home/me");
  for (const Row& row : rows) {
    const ScopedVariable cacheHome("XDG_CACHE_HOME", row.cacheHome);
    EXPECT_EQ(AttachmentCache::userRoot(), row.root) << row.cacheHome.value_or("(unset)");
  }
}

TEST_F(AttachmentCacheTest, EachMessageGetsANewEmptyFolderUnderTheRoot) {
  const std::string first = cache_.newMessageFolder();
  const std::string second = cache_.newMessageFolder();
  ASSERT_FALSE(first.empty());
  ASSERT_FALSE(second.empty());
  EXPECT_NE(first, second);
  for (const std::string& folder : {first, second}) {
    EXPECT_EQ(fs::path(folder).parent_path(), root_);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_empty(folder));
  }
  test::writeFileBytes(dir_.file("file"), {1});
  EXPECT_EQ(AttachmentCache(dir_.file("file") + "/mail").newMessageFolder(), "");
}

TEST_F(AttachmentCacheTest, ANewMessageRemovesOnlyWhatIsOlderThanADay) {
  const fs::path old = messageFolder("old", hours(25));
  const fs::path veryOld = messageFolder("very old", hours(24 * 30));
  const fs::path yesterday = messageFolder("yesterday", hours(23));
  const fs::path recent = messageFolder("recent", minutes(1));
  test::writeFileBytes((root_ / "stray.wav").string(), {1});
  fs::last_write_time(root_ / "stray.wav", fs::file_time_type::clock::now() - hours(48));

  const std::string fresh = cache_.newMessageFolder();
  ASSERT_FALSE(fresh.empty());
  EXPECT_FALSE(fs::exists(old));
  EXPECT_FALSE(fs::exists(veryOld));
  EXPECT_FALSE(fs::exists(root_ / "stray.wav"));
  EXPECT_TRUE(fs::exists(yesterday / "Memo.mp3"));
  EXPECT_TRUE(fs::exists(recent / "Memo.mp3"));
  EXPECT_TRUE(fs::is_directory(fresh));
}

TEST_F(AttachmentCacheTest, TheDayIsCountedFromTheGivenTime) {
  const fs::path folder = messageFolder("sent", minutes(0));
  const auto now = fs::file_time_type::clock::now();
  EXPECT_EQ(cache_.removeExpired(now + AttachmentCache::kKeep - minutes(1)), 0u);
  EXPECT_TRUE(fs::exists(folder));
  EXPECT_EQ(cache_.removeExpired(now + AttachmentCache::kKeep + minutes(1)), 1u);
  EXPECT_FALSE(fs::exists(folder));
  EXPECT_EQ(AttachmentCache(dir_.file("missing")).removeExpired(now), 0u);
}

}  // namespace
}  // namespace qp
