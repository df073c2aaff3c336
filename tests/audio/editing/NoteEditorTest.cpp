// Note editing: erase, and the file side of insert and append (head copy, tail copy and the
// replacement that keeps the note's name, times and permissions).
#include "audio/editing/NoteEditor.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "audio/editing/NoteReplacement.h"
#include "common/MemorySettingsStore.h"
#include "common/StringIds.h"
#include "support/BufferCompare.h"
#include "support/FailingOutputFile.h"
#include "support/FakeAudioUi.h"
#include "support/SampleRamps.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"
#include "support/UiTexts.h"
#include "support/WavFiles.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

using test::join;
using test::ramp;
using test::sameSamples;
using test::slice;

constexpr std::uint32_t kRate = 8000;

class RecordingCompanions final : public CompanionMaker {
 public:
  bool makeCompanion(const std::string& notePath, const std::string& noteName) override {
    made.push_back(notePath + "|" + noteName);
    return true;
  }
  std::vector<std::string> made;
};

class NoteEditorTest : public testing::Test {
 protected:
  void SetUp() override {
    note_ = ramp(4 * kRate);
    path_ = writeNote("Memo.wav", note_);
    window_.notes = {path_};
    window_.selected = {0};
    // A note from long ago that only its owner and group may read.
    ASSERT_EQ(::chmod(path_.c_str(), 0640), 0);
    const struct timespec times[2] = {{1000000000, 123456789}, {1100000000, 987654321}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path_.c_str(), times, 0), 0);
  }
  std::string writeNote(const std::string& name, const std::vector<std::int16_t>& samples,
                        std::uint16_t channels = 1, std::uint16_t bits = 16) {
    return test::writeWavNote(dir_.file(name), WaveFormat::pcm(channels, kRate, bits), samples);
  }
  std::vector<std::int16_t> samplesOf(const std::string& path) {
    WaveFormat format;
    auto samples = test::readWavSamples(path, &format);
    EXPECT_EQ(format, WaveFormat::pcm(1, kRate, 16));
    return samples;
  }
  // The note is still at its path with its permissions and times, and nothing else is left.
  void expectKeptItsStatus() {
    struct stat st {};
    ASSERT_EQ(::stat(path_.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(st.st_mtim.tv_sec, 1100000000);
    EXPECT_EQ(st.st_mtim.tv_nsec, 987654321);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()),
                            std::filesystem::directory_iterator()),
              1);
  }
  // What the recording controller does for insert and append, with recorded in between.
  bool recordEdit(const std::vector<std::int16_t>& recorded) {
    std::uint32_t rate = 0;
    if (!editor_.openForRecording(rate)) {
      return false;
    }
    EXPECT_EQ(rate, kRate);
    WaveFileWriter writer;
    EXPECT_TRUE(writer.open(editor_.newFilePath(), WaveFormat::pcm(1, rate, 16)));
    EXPECT_TRUE(editor_.copyHead(writer));
    const auto bytes = test::toBytes(recorded);
    writer.write(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    return editor_.completeEdit(writer);
  }

  test::TempDir dir_;
  test::FakeUiServices ui_;
  test::FakeAudioWindow window_{dir_.path().string()};
  MemorySettingsStore settings_;
  NoteEditor editor_{ui_, window_, settings_};
  std::vector<std::int16_t> note_;
  std::string path_;
};

TEST_F(NoteEditorTest, EraseCutsTheSelectionAndKeepsNameTimesAndPermissions) {
  window_.selection = GraphSelection::range(0.25, 0.5);
  EXPECT_EQ(editor_.eraseSelection(true), NoteEditor::EraseResult::Erased);
  EXPECT_TRUE(ui_.questions.empty());  // Shift: no question
  EXPECT_TRUE(sameSamples(join({slice(note_, 0, kRate), slice(note_, 2 * kRate, 4 * kRate)}),
                          samplesOf(path_)));
  expectKeptItsStatus();
}

TEST_F(NoteEditorTest, EraseAsksFirstAndNoLeavesTheNote) {
  window_.selection = GraphSelection::range(0.25, 0.5);
  ui_.answerYes = false;
  EXPECT_EQ(editor_.eraseSelection(false), NoteEditor::EraseResult::Declined);
  EXPECT_EQ(ui_.questions,
            (std::vector<std::string>{test::uiText(StringId::kEraseSelectionQuestion)}));
  EXPECT_TRUE(sameSamples(note_, samplesOf(path_)));
  ui_.answerYes = true;
  EXPECT_EQ(editor_.eraseSelection(false), NoteEditor::EraseResult::Erased);
  EXPECT_EQ(samplesOf(path_).size(), 3 * kRate);
}

TEST_F(NoteEditorTest, EraseBoundaries) {
  struct Row {
    GraphSelection selection;
    std::size_t keepHead, resumeAt;  // samples
  };
  // Offsets are whole 4-byte steps: 0.33333 of 64000 bytes is 21332.8, cut to 21332.
  const Row rows[] = {
      {GraphSelection::range(0.0, 1.0), 0, 4 * kRate},
      {GraphSelection::range(0.5, 1.7), 2 * kRate, 4 * kRate},
      {GraphSelection::range(0.0, 0.25), 0, kRate},
      {GraphSelection::range(0.33333, 0.5), 10666, 2 * kRate},
  };
  for (const Row& row : rows) {
    const std::string path = writeNote("Memo.wav", note_);
    window_.selection = row.selection;
    ASSERT_EQ(editor_.eraseSelection(true), NoteEditor::EraseResult::Erased);
    EXPECT_TRUE(
        sameSamples(join({slice(note_, 0, row.keepHead), slice(note_, row.resumeAt, note_.size())}),
                    samplesOf(path)))
        << row.selection.start << " " << row.selection.end;
  }
}

TEST_F(NoteEditorTest, EraseNeedsAStretchAndASixteenBitNote) {
  window_.selection = GraphSelection::insertionPoint(0.5);
  EXPECT_EQ(editor_.eraseSelection(true), NoteEditor::EraseResult::NothingSelected);
  const std::string eight = writeNote("Eight.wav", std::vector<std::int16_t>(4000, 0x4040), 1, 8);
  const auto before = test::readFileBytes(eight);
  window_.notes = {eight};
  window_.selection = GraphSelection::range(0.25, 0.5);
  EXPECT_EQ(editor_.eraseSelection(true), NoteEditor::EraseResult::NotOffered);
  EXPECT_EQ(test::readFileBytes(eight), before);
  window_.notes = {dir_.file("missing.wav")};
  EXPECT_EQ(editor_.eraseSelection(true), NoteEditor::EraseResult::Failed);
  EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(NoteEditorTest, AFullDiskDuringEraseKeepsTheOldNoteAndRemovesTheNewFile) {
  const auto before = test::readFileBytes(path_);
  editor_.setWriterFactory([] {
    return std::make_unique<WaveFileWriter>(std::make_unique<test::FailingOutputFile>(46 + 5000));
  });
  window_.selection = GraphSelection::range(0.5, 0.75);
  EXPECT_EQ(editor_.eraseSelection(true), NoteEditor::EraseResult::Failed);
  EXPECT_EQ(ui_.messages, (std::vector<std::string>{test::uiText(StringId::kDiskFull)}));
  EXPECT_EQ(test::readFileBytes(path_), before);
  expectKeptItsStatus();
}

TEST_F(NoteEditorTest, InsertAppendAndReplaceThroughTheRecorderSide) {
  const auto recorded = ramp(kRate / 2, 500);
  struct Row {
    int insertPoint;
    GraphSelection selection;
    std::vector<std::int16_t> expected;
  };
  const std::vector<Row> rows = {
      {0, GraphSelection::insertionPoint(0.5),
       join({slice(note_, 0, 2 * kRate), recorded, slice(note_, 2 * kRate, 4 * kRate)})},
      {0, GraphSelection::range(0.0, 0.25), join({recorded, slice(note_, kRate, 4 * kRate)})},
      {0, GraphSelection::range(0.75, 3.0), join({slice(note_, 0, 3 * kRate), recorded})},
      {-1, GraphSelection::range(0.25, 0.5), join({note_, recorded})},
  };
  for (const Row& row : rows) {
    writeNote("Memo.wav", note_);
    ASSERT_EQ(::chmod(path_.c_str(), 0640), 0);
    const struct timespec times[2] = {{1000000000, 123456789}, {1100000000, 987654321}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path_.c_str(), times, 0), 0);
    window_.selection = row.selection;
    editor_.setRecordingStarter([&] { return recordEdit(recorded); });
    ASSERT_TRUE(row.insertPoint < 0 ? editor_.appendRecording() : editor_.insertRecording());
    EXPECT_FALSE(editor_.editMode());
    EXPECT_TRUE(sameSamples(row.expected, samplesOf(path_))) << row.selection.start;
    expectKeptItsStatus();
  }
  EXPECT_EQ(window_.timeTexts,
            (std::vector<std::string>{"Inserting", "Inserting", "Inserting", "Appending"}));
}

TEST_F(NoteEditorTest, InsertAndAppendRefusals) {
  int starts = 0;
  editor_.setRecordingStarter([&] {
    ++starts;
    EXPECT_TRUE(editor_.editMode());
    return false;
  });
  window_.selected = {};
  EXPECT_FALSE(editor_.appendRecording());
  window_.selected = {0};
  window_.selection = GraphSelection::none();
  EXPECT_FALSE(editor_.insertRecording());
  EXPECT_EQ(ui_.messages, (std::vector<std::string>{test::uiText(StringId::kSelectANote),
                                                    test::uiText(StringId::kNeedInsertionPoint)}));
  window_.selection = GraphSelection::range(0.1, 0.2);
  ui_.answerYes = false;
  EXPECT_FALSE(editor_.insertRecording());
  EXPECT_EQ(ui_.questions,
            (std::vector<std::string>{test::uiText(StringId::kReplaceSelectionQuestion)}));
  EXPECT_EQ(starts, 0);
  EXPECT_FALSE(editor_.appendRecording());  // the recorder refused: edit mode is left
  EXPECT_EQ(starts, 1);
  EXPECT_FALSE(editor_.editMode());

  // A stereo note cannot take a recording.
  window_.notes = {writeNote("Stereo.wav", ramp(2 * kRate), 2)};
  std::uint32_t rate = 0;
  EXPECT_FALSE(editor_.openForRecording(rate));
  EXPECT_EQ(ui_.messages.back(), test::uiText(StringId::kMonoOnly));
  window_.notes = {dir_.file("missing.wav")};
  EXPECT_FALSE(editor_.openForRecording(rate));
  EXPECT_EQ(ui_.messages.back(), test::uiText(StringId::kCannotOpenNote));
}

TEST_F(NoteEditorTest, ANoteWithoutWritePermissionIsRefusedBeforeAnything) {
  const auto before = test::readFileBytes(path_);
  ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
  int starts = 0;
  editor_.setRecordingStarter([&] { return ++starts, false; });
  window_.selection = GraphSelection::range(0.25, 0.5);
  EXPECT_EQ(editor_.eraseSelection(false), NoteEditor::EraseResult::Failed);
  EXPECT_TRUE(ui_.questions.empty());  // refused before the question
  EXPECT_FALSE(editor_.insertRecording());
  EXPECT_FALSE(editor_.appendRecording());
  EXPECT_EQ(starts, 0);
  EXPECT_EQ(ui_.messages, std::vector<std::string>(3, test::uiText(StringId::kNoteReadOnly)));
  EXPECT_EQ(test::readFileBytes(path_), before);
  struct stat st {};
  ASSERT_EQ(::stat(path_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0444u);
}

TEST_F(NoteEditorTest, FormatsThatAreNoNotesAreNotEdited) {
  WaveFormat manyChannels = WaveFormat::pcm(1, kRate, 16);
  manyChannels.nChannels = 65535;
  WaveFormat noRate = WaveFormat::pcm(1, kRate, 16);
  noRate.nSamplesPerSec = 0;
  window_.selection = GraphSelection::range(0.25, 0.5);
  // A recording goes only into a mono note: that message comes first where it applies.
  const struct {
    WaveFormat format;
    int insertMessage;
  } rows[] = {{manyChannels, StringId::kMonoOnly}, {noRate, StringId::kCannotOpenNote}};
  for (const auto& [format, insertMessage] : rows) {
    const std::string odd = dir_.file("Odd.wav");
    test::writeFileBytes(odd, test::riffWave({test::chunk("fmt ", test::fmtBody(format)),
                                              test::chunk("data", test::Bytes(4000, 1))}));
    const auto before = test::readFileBytes(odd);
    window_.notes = {odd};
    ui_.messages.clear();
    EXPECT_EQ(editor_.eraseSelection(true), NoteEditor::EraseResult::Failed);
    std::uint32_t rate = 0;
    EXPECT_FALSE(editor_.openForRecording(rate));
    EXPECT_EQ(ui_.messages, std::vector<std::string>{test::uiText(insertMessage)});
    EXPECT_EQ(test::readFileBytes(odd), before);
    std::filesystem::remove(odd);
  }
}

TEST_F(NoteEditorTest, TheEditsCopyIsHiddenAndNeverNamedLikeANote) {
  std::string copy;
  editor_.setRecordingStarter([&] {
    std::uint32_t rate = 0;
    EXPECT_TRUE(editor_.openForRecording(rate));
    copy = editor_.newFilePath();
    WaveFileWriter writer;
    EXPECT_TRUE(writer.open(copy, WaveFormat::pcm(1, rate, 16)));
    EXPECT_TRUE(editor_.copyHead(writer));
    return editor_.completeEdit(writer);
  });
  ASSERT_TRUE(editor_.appendRecording());
  const std::string name = std::filesystem::path(copy).filename().string();
  EXPECT_EQ(std::filesystem::path(copy).parent_path(), dir_.path());
  EXPECT_EQ(name[0], '.') << name;
  EXPECT_FALSE(name.ends_with(".wav")) << name;
  expectKeptItsStatus();
}

TEST_F(NoteEditorTest, ADragFormatRemakesTheCompanionAfterAnEdit) {
  RecordingCompanions companions;
  NoteEditor editor(ui_, window_, settings_, &companions);
  window_.selection = GraphSelection::range(0.25, 0.5);
  ASSERT_EQ(editor.eraseSelection(true), NoteEditor::EraseResult::Erased);
  EXPECT_TRUE(companions.made.empty());  // DragFormat 0: wave files are dragged as they are
  settings_.writeNumber("DragFormat", 1);
  ASSERT_EQ(editor.eraseSelection(true), NoteEditor::EraseResult::Erased);
  EXPECT_EQ(companions.made, (std::vector<std::string>{path_ + "|" + dir_.file("Memo")}));
  EXPECT_EQ(window_.companions, (std::vector<std::string>{path_}));
}

// A reversed stretch read as it stands would copy the note up to its start, then go back to
// its end and copy the part between twice: every edit refuses it and the note stays as it was.
TEST_F(NoteEditorTest, EveryEditRefusesAReversedStretch) {
  const auto before = test::readFileBytes(path_);
  int starts = 0;
  editor_.setRecordingStarter([&] { return ++starts, true; });
  for (const GraphSelection selection :
       {GraphSelection::range(0.6, 0.2), GraphSelection::range(1.0, 0.0),
        GraphSelection::range(2.0, 0.5), GraphSelection::range(0.5000001, 0.5)}) {
    window_.selection = selection;
    EXPECT_EQ(editor_.eraseSelection(false), NoteEditor::EraseResult::Reversed) << selection.start;
    EXPECT_FALSE(editor_.insertRecording()) << selection.start;
    std::uint32_t rate = 0;
    EXPECT_FALSE(editor_.openForRecording(rate)) << selection.start;
  }
  EXPECT_EQ(starts, 0);
  EXPECT_TRUE(ui_.questions.empty());  // refused before anything is asked
  EXPECT_EQ(ui_.messages, std::vector<std::string>(8, test::uiText(StringId::kNeedInsertionPoint)));
  EXPECT_EQ(test::readFileBytes(path_), before);
  expectKeptItsStatus();

  // The end past the note counts as the note's end, and an empty stretch is no reversal.
  window_.selection = GraphSelection::range(0.75, 7.0);
  EXPECT_EQ(editor_.eraseSelection(true), NoteEditor::EraseResult::Erased);
  window_.selection = GraphSelection::range(0.5, 0.5);
  EXPECT_EQ(editor_.eraseSelection(true), NoteEditor::EraseResult::Erased);
  EXPECT_TRUE(sameSamples(slice(note_, 0, 3 * kRate), test::readWavSamples(path_)));
}

}  // namespace
}  // namespace qp
