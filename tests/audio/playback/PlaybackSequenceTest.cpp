// The playing sequence's choices (which note next, a step back, continuous passes, the scan)
// driven as the playback controller drives it: a note that cannot be played calls next()
// from inside the start, a note that plays is ended by the script.
#include "audio/playback/PlaybackSequence.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "support/FakeAudioUi.h"

namespace qp {
namespace {

using Notes = std::vector<std::size_t>;

// What the controller does around the sequence, with a scripted user.
class SequenceDriver {
 public:
  SequenceDriver(std::size_t noteCount, std::set<std::size_t> unplayable)
      : unplayable_(std::move(unplayable)) {
    window.notes.resize(noteCount);
  }

  // Each note that plays takes the next script letter: 'n' it ends (the sequence moves on),
  // 'b' the previous control, 's' the stop control. Without letters left: the stop control.
  void run(const std::string& script) {
    std::size_t next = 0;
    while (playing_) {
      playing_.reset();
      const char action = next < script.size() ? script[next++] : 's';
      if (action == 'b') {
        sequence.stepBack();
      }
      if (action == 's') {
        sequence.stop();
        sequence.endScan();  // the stop of a playback outside a sequence
      } else {
        sequence.next();
      }
    }
  }

  test::FakeAudioWindow window;
  PlaybackFlags flags;
  PlaybackSequence sequence{window, flags, [this](std::size_t note) { return start(note); }};
  int deepestStart = 0;  // nesting of start calls: 1 when unplayable notes never recurse

 private:
  bool start(std::size_t note) {
    ++depth_;
    deepestStart = std::max(deepestStart, depth_);
    bool started = true;
    if (unplayable_.count(note) != 0) {
      started = false;
      if (sequence.active()) {
        sequence.next();  // as the controller's failed start does
      } else {
        sequence.endScan();
      }
    } else {
      playing_ = note;
    }
    --depth_;
    return started;
  }

  std::set<std::size_t> unplayable_;
  std::optional<std::size_t> playing_;
  int depth_ = 0;
};

TEST(PlaybackSequence, ChoosesTheNotesInOrderWithStepsBackUnplayableNotesAndPasses) {
  struct Row {
    const char* what;
    std::size_t notes;
    Notes selected;  // empty: the whole folder
    std::set<std::size_t> unplayable;
    bool continuous;
    std::string script;
    Notes visited;  // the notes the sequence selected, in order
    std::vector<bool> playerStates;
  };
  const Row rows[] = {
      {"folder", 3, {}, {}, false, "nnn", {0, 1, 2}, {true, false}},
      {"selection", 5, {1, 3, 4}, {}, false, "nnn", {1, 3, 4}, {true, false}},
      {"back", 3, {}, {}, false, "nbnnn", {0, 1, 0, 1, 2}, {true, false}},
      {"back at the first note", 2, {}, {}, false, "bnn", {0, 0, 1}, {true, false}},
      {"back in a selection", 4, {0, 3}, {}, false, "nbnn", {0, 3, 0, 3}, {true, false}},
      {"unplayable passed over", 5, {}, {1, 2}, false, "nnn", {0, 1, 2, 3, 4}, {true, false}},
      {"unplayable first", 3, {}, {0}, false, "nn", {0, 1, 2}, {true, false}},
      {"back onto an unplayable note", 3, {}, {0}, false, "bnn", {0, 1, 0, 1, 2}, {true, false}},
      {"nothing playable", 3, {}, {0, 1, 2}, false, "", {0, 1, 2}, {true, false}},
      {"stop", 3, {}, {}, false, "ns", {0, 1}, {true}},
      {"continuous", 2, {}, {}, true, "nnns", {0, 1, 0, 1}, {true, false, true}},
      {"continuous, only the last playable",
       3,
       {},
       {0, 1},
       true,
       "ns",
       {0, 1, 2, 0, 1, 2},
       {true, false, true}},
      {"continuous, nothing playable", 3, {}, {0, 1, 2}, true, "", {0, 1, 2}, {true, false}},
      {"continuous selection", 4, {2, 0}, {}, true, "nns", {2, 0, 2}, {true, false, true}},
      {"empty folder", 0, {}, {}, false, "", {}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    SequenceDriver driver(row.notes, row.unplayable);
    driver.flags.continuous.store(row.continuous);
    driver.window.selected = row.selected;
    if (row.selected.empty()) {
      driver.sequence.playFolder(false);
    } else {
      driver.sequence.playSelection();
    }
    driver.run(row.script);
    EXPECT_EQ(driver.window.played, row.visited);
    EXPECT_EQ(driver.window.playerStates, row.playerStates);
    EXPECT_FALSE(driver.sequence.active());
    EXPECT_EQ(driver.deepestStart, row.visited.empty() ? 0 : 1);
  }
}

TEST(PlaybackSequence, ASelectionIsReselectedWhenThePassEnds) {
  SequenceDriver driver(6, {4});
  driver.window.selected = {4, 1, 5};
  driver.sequence.playSelection();
  driver.window.selected = {};  // the sequence took its list when it began
  driver.run("nn");
  EXPECT_EQ(driver.window.played, (Notes{4, 1, 5}));
  EXPECT_EQ(driver.window.selected, (Notes{4, 1, 5}));
}

TEST(PlaybackSequence, TheFolderIsCountedAgainAtEveryStep) {
  SequenceDriver driver(4, {});
  driver.sequence.playFolder(false);
  driver.window.notes.resize(2);  // two notes went while the first played
  driver.run("nn");
  EXPECT_EQ(driver.window.played, (Notes{0, 1}));
  EXPECT_FALSE(driver.sequence.active());
}

TEST(PlaybackSequence, TheScanLastsUntilTheSequenceEndsAndThroughContinuousPasses) {
  struct Row {
    bool continuous;
    std::string script;
    bool scanningAfter;
  };
  const Row rows[] = {
      {false, "nn", false},  // the pass ended
      {true, "nnn", true},   // a new pass began and plays
      {true, "nns", false},  // stopped during the second pass
  };
  for (const Row& row : rows) {
    SequenceDriver driver(2, {});
    driver.flags.continuous.store(row.continuous);
    driver.sequence.playFolder(true);
    EXPECT_TRUE(driver.sequence.scanning());
    // Run the script but keep the last note playing when the script ends without a stop.
    for (const char action : row.script) {
      if (action == 's') {
        driver.sequence.stop();
        driver.sequence.endScan();
      } else {
        driver.sequence.next();
      }
    }
    EXPECT_EQ(driver.sequence.scanning(), row.scanningAfter) << row.script;
  }
}

TEST(PlaybackSequence, BeginningASequenceClearsPauseAndAStaleStepBack) {
  SequenceDriver driver(3, {});
  driver.flags.paused.store(true);
  driver.sequence.stepBack();  // left over from before the sequence
  driver.sequence.playFolder(false);
  EXPECT_FALSE(driver.flags.paused.load());
  driver.run("nn");
  EXPECT_EQ(driver.window.played, (Notes{0, 1, 2}));
}

TEST(PlaybackSequence, ALongRunOfUnplayableNotesIsPassedOverWithoutNesting) {
  constexpr std::size_t kNotes = 200000;
  std::set<std::size_t> unplayable;
  for (std::size_t i = 0; i + 1 < kNotes; ++i) {
    unplayable.insert(i);
  }
  SequenceDriver driver(kNotes, std::move(unplayable));
  driver.flags.continuous.store(true);
  driver.sequence.playFolder(false);
  driver.run("ns");  // the last note plays, a second pass reaches it again, then a stop
  EXPECT_EQ(driver.window.played.size(), 2 * kNotes);
  EXPECT_EQ(driver.deepestStart, 1);
  EXPECT_FALSE(driver.sequence.active());
}

}  // namespace
}  // namespace qp
