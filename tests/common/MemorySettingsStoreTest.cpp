#include <gtest/gtest.h>

#include "common/MemorySettingsStore.h"

namespace qp {
namespace {

TEST(MemorySettingsStore, MissingValuesGiveTheCallersDefault) {
  MemorySettingsStore store;
  EXPECT_EQ(store.readNumber("OnTray", 1), 1);
  EXPECT_EQ(store.readNumber("EmailFormat", -1), -1);
  EXPECT_EQ(store.readText("NotesPath", "x"), "x");
  EXPECT_FALSE(store.readRecord("Alarm").has_value());
  EXPECT_EQ(store.readRecord("Alarm", {1, 2}), (std::vector<std::uint8_t>{1, 2}));
}

TEST(MemorySettingsStore, ValuesOfAnotherKindGiveTheDefault) {
  MemorySettingsStore store;
  store.writeText("Quality", "high");
  store.writeNumber("NotesPath", 5);
  store.writeText("Folder-Personal", "12345678");
  EXPECT_EQ(store.readNumber("Quality", 2), 2);
  EXPECT_EQ(store.readText("NotesPath", ""), "");
  EXPECT_FALSE(store.readRecord("Folder-Personal").has_value());
}

TEST(MemorySettingsStore, RecordsKeepEveryByteAndRemoveIsIdempotent) {
  MemorySettingsStore store;
  const std::vector<std::uint8_t> bytes{0, 0xff, 0, 0x0a, 0x0d, 0x80, 0, 0};
  ASSERT_TRUE(store.writeRecord("Folder-To Do", bytes));
  EXPECT_EQ(store.readRecord("Folder-To Do"), bytes);
  EXPECT_TRUE(store.removeValue("Folder-To Do"));
  EXPECT_TRUE(store.removeValue("Folder-To Do"));
  EXPECT_FALSE(store.contains("Folder-To Do"));
}

TEST(MemorySettingsStore, AReadOnlyStoreRefusesWrites) {
  MemorySettingsStore store;
  store.writeNumber("Quality", 1);
  store.setWritable(false);
  EXPECT_FALSE(store.writeNumber("Quality", 0));
  EXPECT_FALSE(store.removeValue("Quality"));
  EXPECT_EQ(store.readNumber("Quality", 2), 1);
}

}  // namespace
}  // namespace qp
