// Notes dragged out of the window and files dropped onto it, over a notes folder on disk.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <memory>

#include "common/StringIds.h"
#include "sharing/NoteTransfer.h"
#include "support/NoteFolderFixture.h"
#include "support/UiTexts.h"
#include "support/WavFixtures.h"
#include "ui/dialogs/MessageRecorder.h"
#include "ui/dialogs/NoteDragData.h"
#include "ui/dialogs/NoteDropHandler.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

test::Bytes noteBytes(const test::Bytes& samples) {
  return test::simpleWav(1, 8000, 16, samples);
}

class NoteDragDropTest : public test::NoteFolderFixture {
 protected:
  NoteDragDropTest() : NoteFolderFixture("notes/Personal") {
    fs::create_directories(outside_);
    test::writeFileBytes(folder_ + "/Memo.wav", noteBytes({1, 2}));
    list_.load(folder_);
  }

  std::string outsideFile(const std::string& name, const test::Bytes& bytes = noteBytes({7, 7})) {
    const std::string path = outside_ + "/" + name;
    test::writeFileBytes(path, bytes);
    return path;
  }

  NoteDropHandler handler() {
    NoteDropHandler::Target target;
    target.folderDirectory = [this] { return folder_; };
    target.list = [this] { return &list_; };
    target.busy = [this] { return busy_; };
    target.dropped = [this](const DropImporter::Result& result) {
      ++drops_;
      imported_ = result.imported;
      list_.load(folder_);
    };
    return NoteDropHandler(formats_.get(), target);
  }

  std::string outside_ = dir_.file("elsewhere");
  test::MessageRecorder messages_{false};
  bool busy_ = false;
  int drops_ = 0;
  std::vector<std::string> imported_;
};

TEST_F(NoteDragDropTest, ADragOffersTheNoteAsAFileListInBothForms) {
  NoteTransfer transfer(settings_, formats_.get());
  std::unique_ptr<QMimeData> data(NoteDragData::forNote(transfer, list_, 0));
  ASSERT_NE(data, nullptr);
  const std::string uri = NoteTransfer::fileUri(folder_ + "/Memo.wav");
  EXPECT_EQ(data->data(NoteDragData::kUriListType).toStdString(), uri + "\r\n");
  EXPECT_EQ(data->data(NoteDragData::kGnomeCopiedFilesType).toStdString(), "copy\n" + uri);
  ASSERT_EQ(data->urls().size(), 1);
  EXPECT_EQ(data->urls().front().toLocalFile().toStdString(), folder_ + "/Memo.wav");
  EXPECT_TRUE(calls_.empty());
  EXPECT_EQ(NoteDragData::forNote(transfer, list_, 5), nullptr);
}

TEST_F(NoteDragDropTest, TheCompanionIsMadeByTheFirstDragAndReused) {
  settings_.writeNumber("DragFormat", 1);
  NoteTransfer transfer(settings_, formats_.get());
  for (int drag = 0; drag < 2; ++drag) {
    std::unique_ptr<QMimeData> data(NoteDragData::forNote(transfer, list_, 0));
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(data->urls().size(), 1);
    EXPECT_EQ(data->urls().front().toLocalFile().toStdString(), folder_ + "/Memo.wma");
  }
  EXPECT_EQ(calls_.size(), 1U);
  EXPECT_TRUE(fs::exists(folder_ + "/Memo.wma"));
}

TEST_F(NoteDragDropTest, DroppedFilesBecomeNotesOfTheCurrentFolder) {
  const std::string wave = outsideFile("Call.WAV");
  const std::string wma = outsideFile("Radio.wma", test::Bytes(64, 1));
  const std::string text = outsideFile("readme.txt", test::Bytes(4, 'x'));
  const std::string link = outside_ + "/link-to-talk.wav";
  fs::create_symlink(outsideFile("Talk.wav"), link);
  NoteDropHandler drops = handler();
  const DropImporter::Result result = drops.drop({wave, text, wma, link});
  EXPECT_EQ(result.imported,
            (std::vector<std::string>{folder_ + "/Call.WAV", folder_ + "/Radio.wav",
                                      folder_ + "/Talk.wav"}));
  EXPECT_EQ(imported_, result.imported);
  EXPECT_EQ(calls_.size(), 1U);  // the WMA file was converted
  EXPECT_EQ(list_.size(), 4U);
  EXPECT_TRUE(messages_.messages.empty());

  busy_ = true;
  EXPECT_TRUE(drops.drop({outsideFile("Later.wav")}).imported.empty());
}

TEST_F(NoteDragDropTest, ANoteOfTheSameNameIsReplacedOnlyAfterYes) {
  QWidget window;
  window.setWindowTitle("Personal - Quillophone");
  NoteDropHandler drops = handler();
  drops.install(&window);
  const std::string same = outsideFile("Memo.wav", noteBytes({9, 9, 9, 9}));
  EXPECT_TRUE(drops.drop({same}).imported.empty());
  ASSERT_EQ(messages_.messages.size(), 1U);
  EXPECT_TRUE(messages_.messages[0].question);
  EXPECT_EQ(messages_.messages[0].caption, "Personal - Quillophone");
  EXPECT_EQ(messages_.texts()[0],
            StringTable::substitute(test::uiText(StringId::kReplaceNoteQuestion), {"Memo.wav"}));
  EXPECT_EQ(test::readFileBytes(folder_ + "/Memo.wav"), noteBytes({1, 2}));
  messages_.setAnswer(true);
  EXPECT_EQ(drops.drop({same}).imported.size(), 1U);
  EXPECT_EQ(test::readFileBytes(folder_ + "/Memo.wav"), noteBytes({9, 9, 9, 9}));
}

TEST_F(NoteDragDropTest, TheWindowTakesFileDropsThroughItsEvents) {
  QWidget window;
  NoteDropHandler drops = handler();
  drops.install(&window);
  EXPECT_TRUE(window.acceptDrops());
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile(QString::fromStdString(outsideFile("Dropped.wav"))),
                 QUrl("https://example.org/x.wav")});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton,
                        Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &enter);
  EXPECT_TRUE(enter.isAccepted());
  EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &files, Qt::LeftButton,
                  Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &drop);
  EXPECT_EQ(drops_, 1);
  EXPECT_EQ(imported_, std::vector<std::string>{folder_ + "/Dropped.wav"});

  QMimeData plain;
  plain.setText("not a file");
  QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &plain, Qt::LeftButton, Qt::NoModifier);
  refused.ignore();
  QCoreApplication::sendEvent(&window, &refused);
  EXPECT_FALSE(refused.isAccepted());
}

}  // namespace
}  // namespace qp
