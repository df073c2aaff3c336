// The notes of a folder listed from real directory trees: nesting, side files, names, the four
// orders with their tie-breaks, the alarm-only list and the list's own bookkeeping.
#include "library/NoteList.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <filesystem>
#include <map>

#include "alarms/AlarmFile.h"
#include "common/MemorySettingsStore.h"
#include "library/FolderOptions.h"
#include "library/NoteFileSet.h"
#include "support/FakeClock.h"
#include "support/NoteTree.h"
#include "support/ScopedTimeZone.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using test::kBaseTime;
using test::writeFileAt;

class NoteListTest : public ::testing::Test {
 protected:
  NoteListTest() : utc_("UTC"), clock_(kBaseTime), list_(settings_, english_, clock_) {
    std::setlocale(LC_ALL, "C");
    work_ = dir_.path() / "Work";
    fs::create_directories(work_);
  }

  std::vector<std::string> names() const {
    std::vector<std::string> out;
    for (const NoteEntry& e : list_.entries()) {
      out.push_back(fs::path(e.path).filename().string());
    }
    return out;
  }

  // Names of the given files in enumeration order, then stably sorted by key.
  template <typename Key>
  std::vector<std::string> expectedOrder(const std::map<std::string, Key>& keys, bool ascending) {
    std::vector<std::string> order;
    for (const std::string& name : test::enumerationOrder(work_)) {
      if (keys.count(name)) {
        order.push_back(name);
      }
    }
    std::stable_sort(order.begin(), order.end(), [&](const std::string& a, const std::string& b) {
      return ascending ? keys.at(a) < keys.at(b) : keys.at(b) < keys.at(a);
    });
    return order;
  }

  void saveOneTimeAlarm(const std::string& note, int daysAhead) {
    AlarmRecord record;
    record.schedule = AlarmRecord::kOneTime;
    record.hour = 12;
    record.playOnDate = static_cast<std::int32_t>(kBaseTime + daysAhead * 86400);
    ASSERT_TRUE(AlarmFile::save(AlarmFile::pathForNote((work_ / note).string()), record));
  }

  test::ScopedTimeZone utc_;
  test::TempDir dir_;
  fs::path work_;
  MemorySettingsStore settings_;
  StringTable english_{0x0409};
  test::FakeClock clock_;
  NoteList list_;
};

TEST_F(NoteListTest, NotesAtAnyDepthBelongToTheFolder) {
  writeFileAt(work_ / "a.wav", 10);
  writeFileAt(work_ / "old/b.wav", 20);
  writeFileAt(work_ / "old/deeper/c.WAV", 30);
  writeFileAt(work_ / "old/readme.txt", 5);
  fs::create_directories(work_ / "empty.wav");  // a directory, not a note
  list_.load(work_.string());
  auto found = names();
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{"a.wav", "b.wav", "c.WAV"}));
  EXPECT_EQ(list_.totalSize(), 60);
}

TEST_F(NoteListTest, ADirectoryLinkedBackIntoTheTreeIsListedOnce) {
  writeFileAt(work_ / "a.wav", 10);
  writeFileAt(work_ / "sub/b.wav", 10);
  fs::create_directory_symlink(work_, work_ / "sub/loop");
  list_.load(work_.string());
  EXPECT_EQ(list_.size(), 2u);
}

TEST_F(NoteListTest, OwnNotesComeBeforeThoseOfSubDirectoriesWhenKeysAreEqual) {
  writeFileAt(work_ / "z/inner.wav", 1);
  writeFileAt(work_ / "outer.wav", 1);
  list_.load(work_.string(), SortOrder::OldestFirst);
  EXPECT_EQ(names(), (std::vector<std::string>{"outer.wav", "inner.wav"}));
}

TEST_F(NoteListTest, OldestAndNewestFirstKeepEnumerationOrderAmongEqualTimes) {
  const std::map<std::string, int> offsets{{"n1.wav", 300}, {"n2.wav", 100}, {"n3.wav", 200},
                                           {"n4.wav", 100}, {"n5.wav", 300}, {"n6.wav", 200},
                                           {"n7.wav", 0}};
  for (const auto& [name, offset] : offsets) {
    writeFileAt(work_ / name, 4, kBaseTime + offset);
  }
  list_.load(work_.string(), SortOrder::OldestFirst);
  EXPECT_EQ(names(), expectedOrder(offsets, true));
  EXPECT_GT(list_.latestWriteTime(), 0u);
  list_.load(work_.string(), SortOrder::NewestFirst);
  EXPECT_EQ(names(), expectedOrder(offsets, false));
}

TEST_F(NoteListTest, AlphabeticalIgnoresCaseAndKeepsEnumerationOrderForEqualNames) {
  for (const char* name :
       {"banana.wav", "Apple.wav", "cherry.wav", "apple2.wav", "APPLE.WAV", "Banana.wav"}) {
    writeFileAt(work_ / name, 4);
  }
  list_.load(work_.string(), SortOrder::Alphabetical);
  const std::map<std::string, std::string> keys{{"banana.wav", "banana"}, {"Apple.wav", "apple"},
                                                {"cherry.wav", "cherry"}, {"apple2.wav", "apple2"},
                                                {"APPLE.WAV", "apple"},   {"Banana.wav", "banana"}};
  EXPECT_EQ(names(), expectedOrder(keys, true));
}

TEST_F(NoteListTest, AlarmDateSortsByNextOccurrenceWithNotesWithoutAlarmsLast) {
  for (const char* name : {"late.wav", "none1.wav", "early.wav", "none2.wav", "mid.wav"}) {
    writeFileAt(work_ / name, 4);
  }
  saveOneTimeAlarm("late.wav", 3);
  saveOneTimeAlarm("early.wav", 1);
  saveOneTimeAlarm("mid.wav", 2);
  list_.load(work_.string(), SortOrder::AlarmDate);
  const auto order = names();
  ASSERT_EQ(order.size(), 5u);
  EXPECT_EQ((std::vector<std::string>(order.begin(), order.begin() + 3)),
            (std::vector<std::string>{"early.wav", "mid.wav", "late.wav"}));
  const std::map<std::string, int> none{{"none1.wav", 0}, {"none2.wav", 0}};
  EXPECT_EQ((std::vector<std::string>(order.begin() + 3, order.end())), expectedOrder(none, true));
  EXPECT_EQ(list_.getAt(0)->alarm->nextTime, kBaseTime + 86400 + 2 * 3600);
}

TEST_F(NoteListTest, SortOrderComesFromTheFolderOptionsAndOddValuesMeanAlarmDate) {
  writeFileAt(work_ / "a.wav", 4);
  FolderOptions::write(settings_, "Work", FolderOptions{0, 1});
  list_.load(work_.string());
  EXPECT_EQ(list_.sortOrder(), SortOrder::NewestFirst);
  FolderOptions::write(settings_, "Work", FolderOptions{0, 7});
  list_.load(work_.string() + "/");
  EXPECT_EQ(list_.sortOrder(), SortOrder::AlarmDate);
  settings_.writeRecord("Folder-Work", {2, 0, 0, 0});  // wrong size: ignored
  list_.load(work_.string());
  EXPECT_EQ(list_.sortOrder(), SortOrder::OldestFirst);
}

TEST_F(NoteListTest, AlarmAndCompanionFilesAreFoundBesideTheNote) {
  writeFileAt(work_ / "Memo.wav", 4);
  saveOneTimeAlarm("Memo.wav", 1);
  writeFileAt(work_ / "Memo.mp3", 4);
  writeFileAt(work_ / "Alone.wav", 4);
  writeFileAt(work_ / "Broken.wav", 4);
  writeFileAt(work_ / "Broken.alm", 100);  // no record of that size
  list_.load(work_.string());
  const NoteEntry* memo = list_.findByPath((work_ / "Memo.wav").string());
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->hasAlarm());
  EXPECT_EQ(memo->alarmPath, (work_ / "Memo.alm").string());
  EXPECT_EQ(memo->companionPath, (work_ / "Memo.mp3").string());
  const NoteEntry* alone = list_.findByPath((work_ / "Alone.wav").string());
  ASSERT_NE(alone, nullptr);
  EXPECT_FALSE(alone->hasAlarm());
  EXPECT_EQ(alone->companionPath, "");
  const NoteEntry* broken = list_.findByPath((work_ / "Broken.wav").string());
  ASSERT_NE(broken, nullptr);
  EXPECT_FALSE(broken->hasAlarm());
  EXPECT_TRUE(fs::exists(work_ / "Broken.alm"));
}

TEST_F(NoteListTest, TheLastEnumeratedSideFileIsTheCompanion) {
  writeFileAt(work_ / "Memo.wav", 4);
  for (const char* name : {"Memo.wma", "Memo.mp3", "Memo.x.ogg", "Memo.part.wav", "Memo.alm"}) {
    writeFileAt(work_ / name, 4);
  }
  std::string expected;
  for (const std::string& name : test::enumerationOrder(work_)) {
    if (name == "Memo.wma" || name == "Memo.mp3" || name == "Memo.x.ogg") {
      expected = name;
    }
  }
  list_.load(work_.string());
  EXPECT_EQ(list_.findByPath((work_ / "Memo.wav").string())->companionPath,
            (work_ / expected).string());
}

TEST_F(NoteListTest, AnAlarmFileBelongsToTheNoteOfItsExactBaseName) {
  writeFileAt(work_ / "Memo.wav", 4);
  writeFileAt(work_ / "Memo.part.wav", 4);
  saveOneTimeAlarm("Memo.part.wav", 1);
  writeFileAt(work_ / "Memo.ALM", 244);  // not "alm": no alarm, and no companion either
  list_.load(work_.string());
  const NoteEntry* memo = list_.findByPath((work_ / "Memo.wav").string());
  const NoteEntry* part = list_.findByPath((work_ / "Memo.part.wav").string());
  EXPECT_FALSE(memo->hasAlarm());
  EXPECT_EQ(memo->companionPath, "");
  EXPECT_TRUE(part->hasAlarm());
  EXPECT_EQ(part->alarmPath, (work_ / "Memo.part.alm").string());
}

TEST_F(NoteListTest, DisplayAndPlainNames) {
  writeFileAt(work_ / "QP_x.wav", 4, kBaseTime + 3723);
  writeFileAt(work_ / "qp_x.wav", 4);
  writeFileAt(work_ / "Memo.part.wav", 4);
  list_.load(work_.string());
  const NoteEntry* automatic = list_.findByPath((work_ / "QP_x.wav").string());
  EXPECT_EQ(automatic->displayName, "02 Mar 26 - 11:02:03");
  EXPECT_EQ(automatic->plainName, "Mon Mar  2 11.02.03 2026");
  EXPECT_EQ(list_.findByPath((work_ / "qp_x.wav").string())->displayName, "qp_x");
  const NoteEntry* part = list_.findByPath((work_ / "Memo.part.wav").string());
  EXPECT_EQ(part->displayName, "Memo.part");
  EXPECT_EQ(part->plainName, "Memo.part");

  const StringTable german(0x0407);
  NoteList other(settings_, german, clock_);
  other.load(work_.string());
  EXPECT_EQ(other.findByPath((work_ / "QP_x.wav").string())->displayName,
            "Mon Mar  2 11:02:03 2026");
}

TEST_F(NoteListTest, TheAlarmListKeepsOnlyNotesWithAlarms) {
  writeFileAt(work_ / "a.wav", 4);
  writeFileAt(work_ / "sub/b.wav", 4);
  writeFileAt(work_ / "c.wav", 4);
  AlarmRecord record;
  record.hour = 9;
  record.playOnDate = static_cast<std::int32_t>(kBaseTime + 86400);
  ASSERT_TRUE(AlarmFile::save((work_ / "sub/b.alm").string(), record));
  list_.setAlarmsOnly(true);
  list_.load(work_.string());
  ASSERT_EQ(list_.size(), 1u);
  EXPECT_EQ(list_.getAt(0)->path, (work_ / "sub/b.wav").string());
}

TEST_F(NoteListTest, ListingRemovesTheCopiesThatKilledEditsLeftAndListsNoCopy) {
  const pid_t child = ::fork();  // a process that has ended, as a killed edit has
  if (child == 0) {
    ::_exit(0);
  }
  ASSERT_GT(child, 0);
  ::waitpid(child, nullptr, 0);
  writeFileAt(work_ / "Memo.wav", 4);
  fs::create_directories(work_ / "Sub");
  const fs::path stale = work_ / (".quillophone-edit-" + std::to_string(child) + "-0.tmp");
  const fs::path staleBelow = work_ / "Sub" / stale.filename();
  const fs::path running = work_ / (".quillophone-edit-" + std::to_string(::getpid()) + "-0.tmp");
  const fs::path staleLink = work_ / (".quillophone-edit-" + std::to_string(child) + "-1.tmp");
  for (const fs::path& path : {stale, staleBelow, running}) {
    writeFileAt(path, 4);
  }
  fs::create_symlink(work_ / "Memo.wav", staleLink);
  list_.load(work_.string());
  EXPECT_EQ(names(), std::vector<std::string>{"Memo.wav"});
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_FALSE(fs::exists(staleBelow));
  EXPECT_TRUE(fs::exists(running));        // an edit under way still writes it
  EXPECT_TRUE(fs::is_symlink(staleLink));  // only regular files are removed
  EXPECT_TRUE(fs::exists(work_ / "Memo.wav"));
}

TEST_F(NoteListTest, AMissingFolderGivesAnEmptyList) {
  list_.load((work_ / "nothing").string());
  EXPECT_TRUE(list_.empty());
  EXPECT_EQ(list_.first(), nullptr);
}

TEST_F(NoteListTest, CursorLookupsAndRemoval) {
  writeFileAt(work_ / "a.wav", 10, kBaseTime);
  writeFileAt(work_ / "b.wav", 20, kBaseTime + 1);
  writeFileAt(work_ / "c.wav", 30, kBaseTime + 2);
  list_.load(work_.string());
  EXPECT_EQ(list_.first()->displayName, "a");
  EXPECT_EQ(list_.next()->displayName, "b");
  EXPECT_EQ(list_.next()->displayName, "c");
  EXPECT_EQ(list_.previous()->displayName, "b");
  EXPECT_EQ(list_.previous()->displayName, "a");
  EXPECT_EQ(list_.previous(), nullptr);
  EXPECT_EQ(list_.getAt(3), nullptr);
  EXPECT_EQ(list_.findByPath((work_ / "B.wav").string()), nullptr);  // exact comparison

  EXPECT_TRUE(list_.remove(1));  // without a trash: the list only
  EXPECT_TRUE(fs::exists(work_ / "b.wav"));
  EXPECT_EQ(list_.totalSize(), 40);
  EXPECT_FALSE(list_.remove(5));
  list_.clear();
  EXPECT_EQ(list_.size(), 0u);
  EXPECT_EQ(list_.totalSize(), 0);
  EXPECT_TRUE(fs::exists(work_ / "a.wav"));
}

TEST_F(NoteListTest, CompanionsCanBeSetDeletedAndDroppedWhenStale) {
  writeFileAt(work_ / "a.wav", 4);
  writeFileAt(work_ / "a.mp3", 4);
  writeFileAt(work_ / "b.wav", 4);
  writeFileAt(work_ / "b.wma", 4);
  list_.load(work_.string(), SortOrder::Alphabetical);
  fs::remove(work_ / "b.wma");
  list_.dropStaleCompanions();
  EXPECT_EQ(list_.getAt(0)->companionPath, (work_ / "a.mp3").string());
  EXPECT_EQ(list_.getAt(1)->companionPath, "");
  list_.deleteCompanion(0);
  EXPECT_FALSE(fs::exists(work_ / "a.mp3"));
  EXPECT_EQ(list_.getAt(0)->companionPath, "");
  list_.setCompanion(1, (work_ / "b.mp3").string());
  EXPECT_EQ(list_.getAt(1)->companionPath, (work_ / "b.mp3").string());
}

}  // namespace
}  // namespace qp
