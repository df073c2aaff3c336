// E-mailing notes: attachments by plain name, converted copies in the temporary directory that
// exist during the send call and are gone afterwards, the fallback to the wave file, and what
// the caller is told to do for each result of the mail program.
#include <gtest/gtest.h>

#include <filesystem>

#include "sharing/NoteEmailer.h"
#include "support/NoteFolderFixture.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

class FakeComposer final : public MailComposer {
 public:
  bool present = true;
  Result result = Result::Sent;
  int sends = 0;
  MailMessage last;
  std::vector<bool> existedDuringSend;

  bool available() const override { return present; }
  Result send(const MailMessage& message) override {
    ++sends;
    last = message;
    existedDuringSend.clear();
    for (const auto& a : message.attachments) {
      existedDuringSend.push_back(fs::exists(a.path));
    }
    return result;
  }
};

class NoteEmailerTest : public test::NoteFolderFixture {
 protected:
  void SetUp() override {
    test::writeFileBytes(folder_ + "/Memo.wav", {1, 2});
    test::writeFileBytes(folder_ + "/QP_Tue Mar  3 10.00.00 2026.wav", {3, 4});
    list_.load(folder_);
    ASSERT_EQ(list_.size(), 2u);
  }
  std::vector<const NoteEntry*> all() const { return {list_.getAt(0), list_.getAt(1)}; }
  std::vector<std::string> tempFiles() const {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(temp_, ec)) {
      names.push_back(e.path().filename().string());
    }
    return names;
  }

  std::string temp_ = dir_.file("tmp");
  FakeComposer composer_;
};

TEST_F(NoteEmailerTest, WaveFormatAttachesTheNotesUnderTheirPlainNames) {
  settings_.writeNumber("EmailFormat", 0);
  NoteEmailer emailer(settings_, strings_, formats_.get(), composer_);
  EXPECT_EQ(emailer.emailSelected(all(), temp_), NoteEmailer::Outcome::Sent);
  ASSERT_EQ(composer_.last.attachments.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(composer_.last.attachments[i].path, list_.getAt(i)->path);
    EXPECT_EQ(composer_.last.attachments[i].name, list_.getAt(i)->plainName + ".wav");
    EXPECT_EQ(composer_.last.attachments[i].name.find_first_of("\\/:*?<>|\""), std::string::npos);
  }
  EXPECT_EQ(composer_.last.subject, "Tolvane Quillophone Message");
  EXPECT_EQ(composer_.last.body, "\n\n\n" + strings_.text(144));
  EXPECT_TRUE(calls_.empty());
}

TEST_F(NoteEmailerTest, ConvertedCopiesLiveOnlyForTheSendCall) {
  settings_.writeNumber("EmailFormat", 1);
  NoteEmailer emailer(settings_, strings_, formats_.get(), composer_);
  EXPECT_EQ(emailer.emailSelected(all(), temp_), NoteEmailer::Outcome::Sent);
  ASSERT_EQ(composer_.last.attachments.size(), 2u);
  EXPECT_EQ(composer_.last.attachments[0].name, list_.getAt(0)->plainName + ".wma");
  EXPECT_EQ(fs::path(composer_.last.attachments[0].path).parent_path(), fs::path(temp_));
  EXPECT_EQ(composer_.existedDuringSend, (std::vector<bool>{true, true}));
  EXPECT_EQ(calls_.size(), 2u);
  EXPECT_TRUE(tempFiles().empty());
}

TEST_F(NoteEmailerTest, UnavailableOrFailedConversionFallsBackToTheWaveFile) {
  settings_.writeNumber("EmailFormat", 3);  // no MP3 encoder in this list
  NoteEmailer emailer(settings_, strings_, formats_.get(), composer_);
  emailer.emailSelected(all(), temp_);
  EXPECT_EQ(composer_.last.attachments[1].path, list_.getAt(1)->path);
  EXPECT_EQ(composer_.last.attachments[1].name, list_.getAt(1)->plainName + ".wav");

  std::vector<std::string> calls;
  auto failing = test::wmaOnlyFormats(strings_, calls, false);
  settings_.writeNumber("EmailFormat", 1);
  NoteEmailer failingEmailer(settings_, strings_, failing.get(), composer_);
  failingEmailer.emailSelected(all(), temp_);
  EXPECT_EQ(composer_.last.attachments[0].path, list_.getAt(0)->path);
  EXPECT_TRUE(tempFiles().empty());
}

TEST_F(NoteEmailerTest, MissingFormatSettingMeansTheFirstAvailableFormat) {
  NoteEmailer emailer(settings_, strings_, formats_.get(), composer_);
  EXPECT_EQ(emailer.emailFormat(), 1);
  NoteEmailer noConverter(settings_, strings_, nullptr, composer_);
  EXPECT_EQ(noConverter.emailFormat(), 0);
  noConverter.emailSelected(all(), temp_);
  EXPECT_EQ(composer_.last.attachments[0].name, list_.getAt(0)->plainName + ".wav");
}

TEST_F(NoteEmailerTest, ResultsOfTheMailProgram) {
  settings_.writeNumber("EmailFormat", 1);
  NoteEmailer emailer(settings_, strings_, formats_.get(), composer_);
  composer_.result = MailComposer::Result::Cancelled;
  EXPECT_EQ(emailer.emailSelected(all(), temp_), NoteEmailer::Outcome::Sent);
  composer_.result = MailComposer::Result::Failed;
  EXPECT_EQ(emailer.emailSelected(all(), temp_), NoteEmailer::Outcome::Failed);
  EXPECT_TRUE(tempFiles().empty());

  composer_.present = false;
  const int sends = composer_.sends;
  EXPECT_EQ(emailer.emailSelected(all(), temp_), NoteEmailer::Outcome::Nothing);
  composer_.present = true;
  EXPECT_EQ(emailer.emailSelected({}, temp_), NoteEmailer::Outcome::Nothing);
  EXPECT_EQ(composer_.sends, sends);
  EXPECT_EQ(calls_.size(), 4u);  // nothing converted when nothing is sent
}

TEST_F(NoteEmailerTest, NotesSharingAFileNameGetSeparateCopies) {
  fs::create_directories(folder_ + "/sub");
  test::writeFileBytes(folder_ + "/sub/Memo.wav", {5, 6});
  list_.load(folder_);
  ASSERT_EQ(list_.size(), 3u);
  settings_.writeNumber("EmailFormat", 1);
  NoteEmailer emailer(settings_, strings_, formats_.get(), composer_);
  std::vector<const NoteEntry*> memos;
  for (const auto& e : list_.entries()) {
    if (e.fileName() == "Memo.wav") {
      memos.push_back(&e);
    }
  }
  ASSERT_EQ(memos.size(), 2u);
  emailer.emailSelected(memos, temp_);
  ASSERT_EQ(composer_.last.attachments.size(), 2u);
  EXPECT_NE(composer_.last.attachments[0].path, composer_.last.attachments[1].path);
  EXPECT_EQ(composer_.last.attachments[1].name, "Memo.wma");
}

}  // namespace
}  // namespace qp
