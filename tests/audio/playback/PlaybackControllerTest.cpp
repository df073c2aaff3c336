// The playback controller over the in-memory sound system: what reaches the sink (after the
// four priming buffers of silence), the countdown, the graph feed and the sequences.
#include "audio/playback/PlaybackController.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>

#include "common/DiagnosticTrace.h"
#include "support/BufferCompare.h"
#include "support/FakeAudioUi.h"
#include "support/MemoryAudioBackend.h"
#include "support/SampleRamps.h"
#include "support/SignalGenerators.h"
#include "support/TempDir.h"
#include "support/WavFiles.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

using test::fromBytes;
using test::join;
using test::ramp;
using test::sameSamples;
using test::slice;

constexpr std::uint32_t kRate = 8000;
constexpr std::size_t kChunkSamples = 400;      // mono at 8000 Hz
constexpr std::size_t kPrimeSamples = 4 * 400;  // four buffers of silence

class PlaybackControllerTest : public testing::Test {
 protected:
  std::string writeNote(const std::string& name, const std::vector<std::int16_t>& samples,
                        std::uint16_t channels = 1, std::uint16_t bits = 16) {
    return test::writeWavNote(dir_.file(name), WaveFormat::pcm(channels, kRate, bits), samples);
  }
  // Plays one note to its end; returns what reached the sink after the priming silence.
  std::vector<std::int16_t> playToEnd(const std::string& path) {
    EXPECT_TRUE(controller_.startPlayback(path, "n"));
    EXPECT_TRUE(ui_.runUntil([&] { return !controller_.playing(); }));
    return heard();
  }
  std::vector<std::int16_t> heard() {
    const auto all = fromBytes(backend_.played());
    EXPECT_TRUE(sameSamples(test::silence(kPrimeSamples), slice(all, 0, kPrimeSamples)));
    return slice(all, kPrimeSamples, all.size());
  }

  test::TempDir dir_;
  test::MemoryAudioBackend backend_;
  test::FakeUiServices ui_;
  test::FakeAudioWindow window_;
  PlaybackController controller_{backend_, ui_, window_};
};

TEST_F(PlaybackControllerTest, PlaysAWholeNoteUnchangedCountingDownAndFeedingTheGraph) {
  const auto note = ramp(2 * kRate + 123);
  EXPECT_TRUE(sameSamples(note, playToEnd(writeNote("a.wav", note))));
  EXPECT_EQ(window_.times(), (std::vector<int>{2, 1, 0}));
  // Every chunk reaches the graph, the last three through the drain.
  EXPECT_TRUE(sameSamples(note, window_.fakeGraph().forward()));
  EXPECT_DOUBLE_EQ(window_.fakeGraph().secondsAcross(), (2.0 * kRate + 123) / kRate);
  EXPECT_FALSE(window_.fakeGraph().lastResetSelection());
  EXPECT_EQ(window_.skinEvents(), (std::vector<int>{kSkinPlayStart, kSkinPlayStop}));
}

TEST_F(PlaybackControllerTest, SelectionAndInsertionPointChooseTheStretchPlayed) {
  const auto note = ramp(4 * kRate);
  const std::string path = writeNote("a.wav", note);
  struct Row {
    GraphSelection selection;
    std::size_t from, to;  // samples heard
    int firstTime;         // countdown: from the start of the stretch to the end of the note
  };
  const Row rows[] = {
      {GraphSelection::range(0.25, 0.5), kRate, 2 * kRate, 3},
      {GraphSelection::range(0.5, 1.7), 2 * kRate, 4 * kRate, 2},  // end above 1.0
      {GraphSelection::insertionPoint(0.5), 2 * kRate, 4 * kRate, 2},
      {GraphSelection::range(0.0, 1.0), 0, 4 * kRate, 4},
      {GraphSelection::none(), 0, 4 * kRate, 4},
      // An odd fraction is cut down to a whole number of 4-byte steps.
      {GraphSelection::range(0.10003, 0.2), 3200, 6400, 3},
  };
  for (const Row& row : rows) {
    test::MemoryAudioBackend backend;
    test::FakeAudioWindow window;
    window.selection = row.selection;
    PlaybackController controller(backend, ui_, window);
    ASSERT_TRUE(controller.startPlayback(path, "n"));
    ASSERT_TRUE(ui_.runUntil([&] { return !controller.playing(); }));
    const auto all = fromBytes(backend.played());
    EXPECT_TRUE(sameSamples(slice(note, row.from, row.to), slice(all, kPrimeSamples, all.size())))
        << row.selection.start;
    ASSERT_FALSE(window.times().empty());
    EXPECT_EQ(window.times().front(), row.firstTime);
    if (row.to < note.size()) {
      EXPECT_GT(window.times().back(), 0);  // the stretch ends before the countdown does
    }
  }
}

TEST_F(PlaybackControllerTest, WithoutAGraphTheSelectionIsIgnored) {
  window_.withGraph = false;
  window_.selection = GraphSelection::range(0.25, 0.5);
  const auto note = ramp(kRate);
  EXPECT_TRUE(sameSamples(note, playToEnd(writeNote("a.wav", note))));
  EXPECT_GT(window_.levelBlocks(), 0);
}

TEST_F(PlaybackControllerTest, JumpForwardNearTheEndStopsAtTheEndOrTheSelectionEnd) {
  const auto note = ramp(4 * kRate);
  const std::string path = writeNote("a.wav", note);
  // Countdown 1 is first shown after the chunk that ends at 2.05 s; the jump then goes past
  // the end and the note finishes.
  window_.onShowTime = [&](int s) {
    if (s == 1) {
      controller_.jumpForward();
    }
  };
  const auto heardAll = playToEnd(path);
  const std::size_t at = 2 * kRate + kChunkSamples;
  EXPECT_TRUE(sameSamples(slice(note, 0, at), heardAll));
  EXPECT_FALSE(controller_.flags().jumpForward.load());

  // Within a selection the jump stops at the selection end.
  test::MemoryAudioBackend backend;
  test::FakeAudioWindow window;
  window.selection = GraphSelection::range(0.0, 0.5);
  PlaybackController controller(backend, ui_, window);
  window.onShowTime = [&](int s) {
    if (s == 3) {
      controller.jumpForward();  // after the first chunk
    }
  };
  ASSERT_TRUE(controller.startPlayback(path, "n"));
  ASSERT_TRUE(ui_.runUntil([&] { return !controller.playing(); }));
  const auto all = fromBytes(backend.played());
  EXPECT_TRUE(sameSamples(slice(note, 0, kChunkSamples), slice(all, kPrimeSamples, all.size())));
}

TEST_F(PlaybackControllerTest, JumpBackBeforeTheFirstChunkStartsThreeSecondsBeforeTheEnd) {
  const auto note = ramp(5 * kRate);
  controller_.jumpBack();
  EXPECT_TRUE(sameSamples(slice(note, 2 * kRate, 5 * kRate), playToEnd(writeNote("a.wav", note))));

  // A note shorter than the jump plays from its start.
  test::MemoryAudioBackend backend;
  PlaybackController controller(backend, ui_, window_);
  const auto shortNote = ramp(kRate);
  controller.jumpBack();
  ASSERT_TRUE(controller.startPlayback(writeNote("b.wav", shortNote), "n"));
  ASSERT_TRUE(ui_.runUntil([&] { return !controller.playing(); }));
  const auto all = fromBytes(backend.played());
  EXPECT_TRUE(sameSamples(shortNote, slice(all, kPrimeSamples, all.size())));
}

TEST_F(PlaybackControllerTest, JumpBackDuringPlaybackGoesThreeSecondsBackNotBeforeTheStart) {
  const auto note = ramp(4 * kRate);
  bool jumped = false;
  window_.onShowTime = [&](int s) {
    if (s == 2 && !jumped) {
      jumped = true;
      controller_.jumpBack();  // at 1.05 s: back to the start
    }
  };
  const auto got = playToEnd(writeNote("a.wav", note));
  const std::size_t at = kRate + kChunkSamples;
  EXPECT_TRUE(sameSamples(join({slice(note, 0, at), note}), got));
}

TEST_F(PlaybackControllerTest, ScanPlaysAboutThreeSecondsOfALongNoteAndAShortNoteWhole) {
  const auto longNote = ramp(10 * kRate);
  const auto shortNote = ramp(2 * kRate, 7);
  window_.notes = {writeNote("long.wav", longNote), writeNote("short.wav", shortNote)};
  controller_.playAll(true);
  EXPECT_TRUE(controller_.scanning());
  ASSERT_TRUE(ui_.runUntil([&] { return !controller_.inSequence() && !controller_.playing(); }));
  EXPECT_EQ(window_.played, (std::vector<std::size_t>{0, 1}));
  EXPECT_FALSE(controller_.scanning());
  // The scan span is 3 s; the loop ends when the countdown, truncated toward zero, would
  // show -1: at 4 s, that chunk unplayed.
  const auto all = fromBytes(backend_.played());
  const std::size_t longHeard = 4 * kRate - kChunkSamples;
  EXPECT_TRUE(sameSamples(join({test::silence(kPrimeSamples), slice(longNote, 0, longHeard),
                                test::silence(kPrimeSamples), shortNote}),
                          all));
}

TEST_F(PlaybackControllerTest, ContinuousPlayRestartsASingleNoteWithoutAGap) {
  const auto note = ramp(kRate + 200);
  controller_.setContinuous(true);
  std::atomic<int> starts{0};
  window_.onShowTime = [&](int s) {
    if (s == 1) {
      ++starts;
    }
  };
  ASSERT_TRUE(controller_.startPlayback(writeNote("a.wav", note), "n"));
  ASSERT_TRUE(ui_.runUntil([&] { return starts.load() >= 4; }));
  controller_.stopControl();
  EXPECT_FALSE(controller_.playing());
  const auto got = heard();
  ASSERT_GE(got.size(), 3 * note.size());
  EXPECT_TRUE(sameSamples(join({note, note, note}), slice(got, 0, 3 * note.size())));
}

TEST_F(PlaybackControllerTest, StereoPlaysBothChannelsAndTheGraphShowsTheirAverage) {
  std::vector<std::int16_t> frames;
  std::vector<std::int16_t> average;
  for (int i = 0; i < 3 * static_cast<int>(kRate); ++i) {
    const auto left = static_cast<std::int16_t>(-(i % 7) - 1);
    const auto right = static_cast<std::int16_t>(i % 3 == 0 ? 30000 : -30000);
    frames.push_back(left);
    frames.push_back(right);
    average.push_back(static_cast<std::int16_t>((left + right) / 2));
  }
  const std::string path = writeNote("stereo.wav", frames, 2);
  ASSERT_TRUE(controller_.startPlayback(path, "n"));
  ASSERT_TRUE(ui_.runUntil([&] { return !controller_.playing(); }));
  const auto all = fromBytes(backend_.played());
  EXPECT_EQ(backend_.state().lastFormat, WaveFormat::pcm(2, kRate, 16));
  EXPECT_TRUE(sameSamples(join({test::silence(2 * kPrimeSamples), frames}), all));
  EXPECT_TRUE(sameSamples(average, window_.fakeGraph().forward()));
  EXPECT_EQ(window_.times().front(), 3);
}

TEST_F(PlaybackControllerTest, FastForwardOnAStereoNoteKeepsTheChannelsApart) {
  std::vector<std::int16_t> frames;
  for (const auto left : test::sine(300, kRate, 2 * kRate, 12000)) {
    frames.push_back(left);
    frames.push_back(0);  // a silent right channel must stay silent
  }
  controller_.setFastForwardHold(true);
  const auto got = playToEnd(writeNote("stereo.wav", frames, 2));
  const std::size_t priming = kPrimeSamples;  // the second half of the stereo priming
  ASSERT_NEAR(static_cast<double>(got.size() - priming), static_cast<double>(frames.size()) / 2,
              4.0);
  std::vector<std::int16_t> left, right;
  for (std::size_t i = priming; i + 1 < got.size(); i += 2) {
    left.push_back(got[i]);
    right.push_back(got[i + 1]);
  }
  EXPECT_GT(test::rms(left), 3000.0);
  EXPECT_EQ(test::rms(right), 0.0);
}

TEST_F(PlaybackControllerTest, ASpeedChangeTakesEffectFromTheNextChunkOn) {
  const auto note = ramp(3 * kRate);
  window_.onShowTime = [&](int s) {
    if (s == 1) {
      controller_.setSpeed(-19);  // twice the speed
    }
  };
  const auto got = playToEnd(writeNote("a.wav", note));
  // The countdown shows 1 after the chunk ending at 1.05 s was read: the chunks before it play
  // untouched, it and the rest at twice the speed.
  const std::size_t untouched = kRate;
  EXPECT_TRUE(sameSamples(slice(note, 0, untouched), slice(got, 0, untouched)));
  const std::size_t rest = got.size() - untouched;
  EXPECT_NEAR(static_cast<double>(rest), static_cast<double>(note.size() - untouched) / 2.0, 20.0);
  EXPECT_EQ(controller_.speed(), -19);
}

TEST_F(PlaybackControllerTest, PauseSendsSilenceAndHoldsThePositionAndTheCountdown) {
  const auto note = ramp(3 * kRate);
  std::atomic<int> clears{0};
  window_.onShowTime = [&](int s) {
    if (s == 1) {
      controller_.flags().paused.store(true);
    }
  };
  window_.onClearLevel = [&] {
    if (++clears == 5) {
      controller_.flags().paused.store(false);
    }
  };
  const auto got = playToEnd(writeNote("a.wav", note));
  const std::size_t at = kRate + kChunkSamples;
  EXPECT_TRUE(sameSamples(
      join({slice(note, 0, at), test::silence(5 * kChunkSamples), slice(note, at, note.size())}),
      got));
  EXPECT_EQ(window_.times(), (std::vector<int>{3, 2, 1, 0}));
  EXPECT_TRUE(sameSamples(note, window_.fakeGraph().forward()));
}

TEST_F(PlaybackControllerTest, FastReverseGoesBackwardsAtDoubleSpeedThenPlaysOn) {
  const auto note = ramp(4 * kRate);
  bool held = false;
  window_.onShowTime = [&](int s) {
    if (s == 2 && !held) {
      held = true;
      controller_.setFastReverseHold(true);
    } else if (s == 3 && held) {
      controller_.setFastReverseHold(false);  // back where the countdown showed 3
    }
  };
  const auto got = playToEnd(writeNote("a.wav", note));
  EXPECT_GT(window_.fakeGraph().backwardBlocks(), 0);
  EXPECT_GT(got.size(), note.size());  // the stretch played backwards and again forwards
  EXPECT_TRUE(sameSamples(slice(note, note.size() - 4000, note.size()),
                          slice(got, got.size() - 4000, got.size())));
}

TEST_F(PlaybackControllerTest, SequenceOfSelectedNotesPlaysThemInOrderAndReselectsThem) {
  const auto a = ramp(kRate / 2, 1), b = ramp(kRate / 2, 2), c = ramp(kRate / 2, 3);
  window_.notes = {writeNote("a.wav", a), writeNote("b.wav", b), writeNote("c.wav", c)};
  window_.selected = {0, 2};
  controller_.play();
  ASSERT_TRUE(ui_.runUntil([&] { return !controller_.inSequence(); }));
  EXPECT_EQ(window_.played, (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(window_.selected, (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(window_.playerStates, (std::vector<bool>{true, false}));
  const auto silence = test::silence(kPrimeSamples);
  EXPECT_TRUE(sameSamples(join({silence, a, silence, c}), fromBytes(backend_.played())));
}

TEST_F(PlaybackControllerTest, ARefusedNoteShowsItsMessageAndTheSequenceMovesOn) {
  const auto a = ramp(kRate / 2);
  window_.notes = {dir_.file("missing.wav"), writeNote("eight.wav", ramp(800), 1, 8),
                   writeNote("a.wav", a)};
  controller_.playAll(false);
  ASSERT_TRUE(ui_.runUntil([&] { return !controller_.inSequence(); }));
  EXPECT_EQ(ui_.messages, (std::vector<std::string>{"Unable to open the note file.",
                                                    "Only 16-bit wave files can be played."}));
  EXPECT_EQ(window_.played, (std::vector<std::size_t>{0, 1, 2}));
  EXPECT_TRUE(sameSamples(join({test::silence(kPrimeSamples), a}), fromBytes(backend_.played())));

  backend_.setRefuseOpen(MMSYSERR_ALLOCATED);
  EXPECT_FALSE(controller_.startPlayback(window_.notes[2], "n"));
  EXPECT_EQ(ui_.messages.back(), "Unable to open the speakers.");
  EXPECT_FALSE(controller_.playing());
}

TEST_F(PlaybackControllerTest, ContinuousSequenceOfUnplayableNotesDoesNotLoopForever) {
  window_.notes = {dir_.file("missing.wav")};
  controller_.setContinuous(true);
  controller_.playAll(false);
  EXPECT_FALSE(controller_.inSequence());
  EXPECT_EQ(ui_.messages.size(), 1u);
}

// Runs body on a thread whose stack holds stackBytes, as a UI thread with little stack to
// spare would.
void runOnSmallStack(std::size_t stackBytes, const std::function<void()>& body) {
  pthread_attr_t attributes;
  ASSERT_EQ(pthread_attr_init(&attributes), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attributes, stackBytes), 0);
  pthread_t thread;
  const auto start = [](void* argument) -> void* {
    (*static_cast<const std::function<void()>*>(argument))();
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attributes, start, const_cast<std::function<void()>*>(&body)),
            0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
}

TEST_F(PlaybackControllerTest, AFolderOfThousandsOfUnreadableNotesEndsCleanlyOnASmallStack) {
  constexpr std::size_t kNotes = 5000;
  for (std::size_t i = 0; i < kNotes; ++i) {
    const std::string path = dir_.file("broken" + std::to_string(i) + ".wav");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("not a wave file", file);
    std::fclose(file);
    window_.notes.push_back(path);
  }
  // Each unreadable note used to cost a handful of nested calls; 5,000 of them overflowed
  // this stack.
  runOnSmallStack(256 * 1024, [&] { controller_.playAll(false); });
  EXPECT_FALSE(controller_.inSequence());
  EXPECT_FALSE(controller_.playing());
  ASSERT_EQ(window_.played.size(), kNotes);
  EXPECT_EQ(window_.played.back(), kNotes - 1);
  EXPECT_EQ(ui_.messages, std::vector<std::string>(kNotes, "Unable to open the note file."));
  EXPECT_EQ(window_.playerStates, (std::vector<bool>{true, false}));
  EXPECT_EQ(backend_.state().outputOpens, 0);
}

TEST_F(PlaybackControllerTest, PlayWhilePlayingStopsAndStartsTheSelectionAfresh) {
  backend_.setStallPlayback(true);  // the sink never gives buffers back: playing until stopped
  window_.notes = {writeNote("a.wav", ramp(kRate))};
  window_.selected = {0};
  controller_.play();
  EXPECT_TRUE(controller_.playing());
  controller_.play();
  EXPECT_FALSE(controller_.playing());
  ASSERT_TRUE(ui_.runUntil([&] { return controller_.playing(); }));
  EXPECT_EQ(backend_.state().outputOpens, 2);
  controller_.setRecordingQuery([] { return true; });
  controller_.play();  // ignored while recording
  EXPECT_TRUE(controller_.playing());
  controller_.stopControl();
  EXPECT_FALSE(controller_.playing());
  ui_.runPending();  // the stale finished message of the stopped run changes nothing
  EXPECT_FALSE(controller_.playing());
}

TEST_F(PlaybackControllerTest, PreviousStepsTheSequenceBackOneNote) {
  backend_.setStallPlayback(true);
  window_.notes = {writeNote("a.wav", ramp(kRate)), writeNote("b.wav", ramp(kRate))};
  controller_.playAll(false);
  controller_.skip();  // to note 1
  ASSERT_TRUE(ui_.runUntil([&] { return window_.played.size() == 2; }));
  controller_.previous();  // back to note 0
  ASSERT_TRUE(ui_.runUntil([&] { return window_.played.size() == 3; }));
  EXPECT_EQ(window_.played, (std::vector<std::size_t>{0, 1, 0}));
  controller_.stopControl();
  EXPECT_FALSE(controller_.inSequence());
  EXPECT_FALSE(controller_.playing());
}

TEST_F(PlaybackControllerTest, ASinkThatKeepsItsBuffersEndsPlaybackAndTheSequence) {
  // A lost sound server never gives the written buffers back.
  std::vector<std::string> traces;
  setDiagnosticTraceSink([&traces](std::string_view line) { traces.emplace_back(line); });
  backend_.setStallPlayback(true);
  window_.notes = {writeNote("a.wav", ramp(4 * kRate)), writeNote("b.wav", ramp(kRate))};
  const auto start = std::chrono::steady_clock::now();
  controller_.playAll(false);
  ASSERT_TRUE(ui_.runUntil([&] { return !controller_.playing() && !controller_.inSequence(); }));
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  setDiagnosticTraceSink(nullptr);
  EXPECT_TRUE(controller_.sinkLost());
  EXPECT_GE(seconds, 2.9);
  EXPECT_LT(seconds, 4.5);
  EXPECT_EQ(window_.played, std::vector<std::size_t>{0});  // the second note is not tried
  EXPECT_EQ(backend_.state().outputOpens, 1);
  EXPECT_EQ(traces,
            std::vector<std::string>{"The speakers stopped taking sound; playback was ended."});
  EXPECT_TRUE(ui_.messages.empty());

  backend_.setStallPlayback(false);  // a sink that plays: the flag stays as a record
  playToEnd(window_.notes[1]);
  EXPECT_TRUE(controller_.sinkLost());
}

TEST_F(PlaybackControllerTest, ARefusedWriteEndsPlaybackAtOnceAsALostSink) {
  // A port whose server is gone refuses writes and hands each buffer straight back; playing
  // on would race through the note and end as if it had been heard.
  std::vector<std::string> traces;
  setDiagnosticTraceSink([&traces](std::string_view line) { traces.emplace_back(line); });
  backend_.state().refuseWrites = true;
  window_.notes = {writeNote("a.wav", ramp(20 * kRate)), writeNote("b.wav", ramp(kRate))};
  const auto start = std::chrono::steady_clock::now();
  controller_.playAll(false);
  ASSERT_TRUE(ui_.runUntil([&] { return !controller_.playing() && !controller_.inSequence(); }));
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  setDiagnosticTraceSink(nullptr);
  EXPECT_TRUE(controller_.sinkLost());
  EXPECT_LT(seconds, 2.0);
  EXPECT_EQ(window_.played, std::vector<std::size_t>{0});  // the second note is not tried
  EXPECT_EQ(traces,
            std::vector<std::string>{"The speakers stopped taking sound; playback was ended."});
  EXPECT_TRUE(backend_.played().empty());
}

TEST_F(PlaybackControllerTest, AFormatNoNoteHasGetsTheReadersMessage) {
  window_.notes = {dir_.file("rate0.wav")};
  test::writeFileBytes(window_.notes[0], test::simpleWav(1, 0, 16, test::toBytes(ramp(kRate))));
  window_.selected = {0};
  controller_.play();
  ASSERT_TRUE(ui_.runUntil([&] { return !controller_.playing(); }));
  EXPECT_EQ(ui_.messages, std::vector<std::string>{"Unable to open the note file."});
  EXPECT_EQ(backend_.state().outputOpens, 0);
}

}  // namespace
}  // namespace qp
