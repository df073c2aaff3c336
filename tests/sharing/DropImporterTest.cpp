// Files dropped into a folder: wave files copied and WMA files converted keeping their times,
// links followed, other files and wave files that are no notes ignored, the stop at a file of
// the folder itself, and the replace question.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "sharing/DropImporter.h"
#include "support/NoteFolderFixture.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

class ScriptedPrompt final : public DropImporter::ReplacePrompt {
 public:
  bool answer = false;
  std::vector<std::string> asked;
  bool confirmReplace(const std::string& message) override {
    asked.push_back(message);
    return answer;
  }
};

class DropImporterTest : public test::NoteFolderFixture {
 protected:
  DropImporterTest() : NoteFolderFixture("notes/Personal") {}
  void SetUp() override { fs::create_directories(outside_); }
  // A mono 16-bit note at 8000 Hz holding the sample bytes.
  static test::Bytes note(const test::Bytes& samples) {
    return test::simpleWav(1, 8000, 16, samples);
  }
  std::string outsideFile(const std::string& name, test::Bytes bytes = note({7, 7})) {
    const std::string path = outside_ + "/" + name;
    test::writeFileBytes(path, bytes);
    fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(48));
    return path;
  }
  DropImporter::Result drop(const std::vector<std::string>& files, bool busy = false) {
    DropImporter importer(strings_, formats_.get(), prompt_);
    list_.load(folder_);
    return importer.dropFiles(files, folder_, &list_, busy);
  }

  std::string outside_ = dir_.file("elsewhere");
  ScriptedPrompt prompt_;
};

TEST_F(DropImporterTest, WaveIsCopiedUnderItsOwnNameWithItsTime) {
  const std::string source = outsideFile("Memo.WAV", note({1, 2, 3, 4}));
  const auto result = drop({source});
  ASSERT_EQ(result.imported, std::vector<std::string>{folder_ + "/Memo.WAV"});
  EXPECT_EQ(test::readFileBytes(folder_ + "/Memo.WAV"), note({1, 2, 3, 4}));
  EXPECT_EQ(fs::last_write_time(folder_ + "/Memo.WAV"), fs::last_write_time(source));
  EXPECT_TRUE(fs::exists(source));
}

TEST_F(DropImporterTest, WmaIsConvertedToAWaveNoteWithItsTime) {
  const std::string source = outsideFile("Memo.wma");
  const auto result = drop({source});
  ASSERT_EQ(result.imported, std::vector<std::string>{folder_ + "/Memo.wav"});
  EXPECT_EQ(calls_, std::vector<std::string>{"wav " + source});
  EXPECT_EQ(fs::last_write_time(folder_ + "/Memo.wav"), fs::last_write_time(source));

  DropImporter noConverter(strings_, nullptr, prompt_);
  EXPECT_TRUE(
      noConverter.dropFiles({outsideFile("Other.wma")}, folder_, nullptr, false).imported.empty());
}

TEST_F(DropImporterTest, LinksAreFollowedAndOtherFilesIgnored) {
  const std::string target = outsideFile("Real.wav");
  fs::create_symlink(target, outside_ + "/Link.txt");
  fs::create_directories(outside_ + "/dir.wav");
  const auto result = drop({outside_ + "/Link.txt", outsideFile("readme.txt"),
                            outside_ + "/dir.wav", outside_ + "/missing.wav"});
  EXPECT_EQ(result.imported, std::vector<std::string>{folder_ + "/Real.wav"});
  EXPECT_FALSE(result.stoppedInOwnFolder);
  EXPECT_EQ(drop({outsideFile("a.wav")}, true).imported.size(), 0u);  // recording or playing
}

TEST_F(DropImporterTest, WaveFilesThatAreNoNotesAreNotCopied) {
  WaveFormat hugeRate = WaveFormat::pcm(1, 8000, 16);
  hugeRate.nSamplesPerSec = 4294967295u;
  WaveFormat manyChannels = WaveFormat::pcm(1, 8000, 16);
  manyChannels.nChannels = 65535;
  const test::Bytes samples(64, 1);
  const std::vector<std::string> files = {
      outsideFile("Text.wav", test::Bytes(100, 'a')),
      outsideFile("Eight.wav", test::simpleWav(1, 8000, 8, samples)),
      outsideFile("Rate0.wav", test::simpleWav(1, 0, 16, samples)),
      outsideFile("Huge.wav", test::riffWave({test::chunk("fmt ", test::fmtBody(hugeRate)),
                                              test::chunk("data", samples)})),
      outsideFile("Many.wav", test::riffWave({test::chunk("fmt ", test::fmtBody(manyChannels)),
                                              test::chunk("data", samples)})),
  };
  test::writeFileBytes(folder_ + "/Text.wav", {9});
  const auto result = drop(files);
  EXPECT_TRUE(result.imported.empty());
  EXPECT_TRUE(prompt_.asked.empty());  // nothing to replace a note with
  EXPECT_EQ(test::readFileBytes(folder_ + "/Text.wav"), test::Bytes{9});
  for (const char* name : {"Eight.wav", "Rate0.wav", "Huge.wav", "Many.wav"}) {
    EXPECT_FALSE(fs::exists(folder_ + "/" + name)) << name;
  }
}

TEST_F(DropImporterTest, AFileOfTheFolderItselfEndsTheDrop) {
  test::writeFileBytes(folder_ + "/Inside.wav", {1});
  const auto result =
      drop({outsideFile("First.wav"), folder_ + "/Inside.wav", outsideFile("Third.wav")});
  EXPECT_EQ(result.imported, std::vector<std::string>{folder_ + "/First.wav"});
  EXPECT_TRUE(result.stoppedInOwnFolder);
  EXPECT_FALSE(fs::exists(folder_ + "/Third.wav"));
}

TEST_F(DropImporterTest, ExistingNoteIsReplacedOnlyWhenTheUserSaysYes) {
  test::writeFileBytes(folder_ + "/Memo.wav", {9});
  test::writeFileBytes(folder_ + "/Memo.mp3", {9});
  const std::string source = outsideFile("Memo.wav", note({4, 4}));
  EXPECT_TRUE(drop({source}).imported.empty());
  ASSERT_EQ(prompt_.asked.size(), 1u);
  EXPECT_EQ(prompt_.asked[0],
            "You already have a note with this name: Memo.wav\n\nDo you want to replace it?");
  EXPECT_EQ(test::readFileBytes(folder_ + "/Memo.wav"), test::Bytes{9});

  prompt_.answer = true;
  EXPECT_EQ(drop({source}).imported.size(), 1u);
  EXPECT_EQ(test::readFileBytes(folder_ + "/Memo.wav"), note({4, 4}));
  EXPECT_FALSE(fs::exists(folder_ + "/Memo.mp3"));  // the replaced note's companion
}

// The command line tells which dropped files were left out and why.
TEST_F(DropImporterTest, EverySkippedFileComesWithItsReason) {
  using Reason = DropImporter::SkipReason;
  test::writeFileBytes(folder_ + "/Kept.wav", {9});
  test::writeFileBytes(folder_ + "/Inside.wav", {1});
  fs::create_directories(outside_ + "/dir.wav");
  fs::create_symlink(outside_ + "/gone.wav", outside_ + "/Dangling.wav");
  std::vector<std::string> calls;
  auto failing = test::wmaOnlyFormats(strings_, calls, false);
  const std::string wave = outsideFile("Fine.wav");
  const std::string failingWma = outsideFile("Broken.wma");
  const std::vector<std::string> files = {outside_ + "/missing.wav",
                                          outside_ + "/Dangling.wav",
                                          outsideFile("notes.txt"),
                                          outside_ + "/dir.wav",
                                          outsideFile("Kept.wav"),
                                          failingWma,
                                          wave,
                                          folder_ + "/Inside.wav",
                                          outsideFile("Late.wav")};
  DropImporter importer(strings_, failing.get(), prompt_);
  const auto result = importer.dropFiles(files, folder_, nullptr, false);
  EXPECT_EQ(result.imported, std::vector<std::string>{folder_ + "/Fine.wav"});
  const std::vector<std::pair<std::size_t, Reason>> expected = {
      {0, Reason::Missing},      {1, Reason::Missing},      {2, Reason::NotWaveOrWma},
      {3, Reason::NotWaveOrWma}, {4, Reason::KeptExisting}, {5, Reason::NotConverted},
      {7, Reason::InOwnFolder},  {8, Reason::AfterStop}};
  ASSERT_EQ(result.skipped.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(result.skipped[i].file, files[expected[i].first]) << i;
    EXPECT_EQ(result.skipped[i].reason, expected[i].second) << files[expected[i].first];
  }

  DropImporter noConverter(strings_, nullptr, prompt_);
  const auto wma = noConverter.dropFiles({outsideFile("Other.wma")}, folder_, nullptr, false);
  ASSERT_EQ(wma.skipped.size(), 1u);
  EXPECT_EQ(wma.skipped[0].reason, Reason::NoWmaConversion);
  const auto busy = noConverter.dropFiles({wave, outsideFile("b.wav")}, folder_, nullptr, true);
  ASSERT_EQ(busy.skipped.size(), 2u);
  EXPECT_EQ(busy.skipped[1].reason, Reason::Busy);
}

}  // namespace
}  // namespace qp
