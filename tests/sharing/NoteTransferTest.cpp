// Dragging notes out: which file a drag hands over, the companion made once and reused, the
// drag data, and deleting every companion when the drag format changes.
#include <gtest/gtest.h>

#include <filesystem>

#include "sharing/NoteTransfer.h"
#include "support/NoteFolderFixture.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

class NoteTransferTest : public test::NoteFolderFixture {
 protected:
  void SetUp() override {
    test::writeFileBytes(folder_ + "/Memo.wav", {1, 2});
    list_.load(folder_);
    ASSERT_EQ(list_.size(), 1u);
  }
};

TEST_F(NoteTransferTest, WaveFormatDragsTheNoteItself) {
  NoteTransfer transfer(settings_, formats_.get());
  EXPECT_EQ(transfer.dragFormat(), 0);
  EXPECT_EQ(transfer.dragFile(list_, 0), folder_ + "/Memo.wav");
  EXPECT_FALSE(transfer.makeCompanion(list_, 0));
  EXPECT_TRUE(calls_.empty());
  EXPECT_EQ(transfer.dragFile(list_, 5), "");
}

TEST_F(NoteTransferTest, SecondDragReusesTheCompanionOfTheFirst) {
  settings_.writeNumber("DragFormat", 1);
  NoteTransfer transfer(settings_, formats_.get());
  EXPECT_EQ(transfer.dragFile(list_, 0), folder_ + "/Memo.wma");
  EXPECT_EQ(transfer.dragFile(list_, 0), folder_ + "/Memo.wma");
  EXPECT_EQ(calls_.size(), 1u);
  EXPECT_EQ(list_.getAt(0)->companionPath, folder_ + "/Memo.wma");
  list_.load(folder_);  // the companion is found again on disk
  EXPECT_EQ(list_.getAt(0)->companionPath, folder_ + "/Memo.wma");
}

TEST_F(NoteTransferTest, FailedConversionDragsTheWaveFile) {
  settings_.writeNumber("DragFormat", 1);
  std::vector<std::string> calls;
  auto failing = test::wmaOnlyFormats(strings_, calls, false);
  NoteTransfer transfer(settings_, failing.get());
  EXPECT_EQ(transfer.dragFile(list_, 0), folder_ + "/Memo.wav");
  EXPECT_TRUE(list_.getAt(0)->companionPath.empty());
  settings_.writeNumber("DragFormat", 3);  // not available in this list
  EXPECT_EQ(transfer.dragFile(list_, 0), folder_ + "/Memo.wav");
  NoteTransfer noConverter(settings_, nullptr);
  EXPECT_EQ(noConverter.dragFile(list_, 0), folder_ + "/Memo.wav");
}

TEST_F(NoteTransferTest, DragDataCarriesEncodedFileUris) {
  const DragData data = NoteTransfer::dragData("/home/u/My Notes/Café #1.wma");
  EXPECT_EQ(data.file, "/home/u/My Notes/Café #1.wma");
  EXPECT_EQ(data.uriList, "file:///home/u/My%20Notes/Caf%C3%A9%20%231.wma\r\n");
  EXPECT_EQ(data.gnomeCopiedFiles, "copy\nfile:///home/u/My%20Notes/Caf%C3%A9%20%231.wma");
}

TEST_F(NoteTransferTest, ChangingTheDragFormatDeletesEveryCompanion) {
  const std::string other = dir_.file("Business");
  fs::create_directories(other);
  test::writeFileBytes(other + "/Call.wav", {1});
  test::writeFileBytes(other + "/Call.mp3", {1});
  test::writeFileBytes(other + "/Call.alm", {1});
  test::writeFileBytes(folder_ + "/Memo.wma", {1});
  NoteTransfer::deleteCompanions(list_, {folder_, other});
  EXPECT_FALSE(fs::exists(other + "/Call.mp3"));
  EXPECT_FALSE(fs::exists(folder_ + "/Memo.wma"));
  EXPECT_TRUE(fs::exists(other + "/Call.alm"));
  EXPECT_TRUE(fs::exists(other + "/Call.wav"));
}

}  // namespace
}  // namespace qp
