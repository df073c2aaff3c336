// The timer loop of alarms --watch: timers fire in the order they come due, a killed timer
// never fires, timers set from a handler count, and the loop can run again inside a handler.
// Every timer below is set after the ones due before it, so the order holds however slowly the
// machine runs; the loops end on events, with a generous deadline only against a hang.
#include "cli/CliTimerLoop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "support/WaitUntil.h"

namespace qp::cli {
namespace {

constexpr std::int64_t kHour = 3600 * 1000;

class CliTimerLoopTest : public testing::Test {
 protected:
  // Runs the loop until done() holds or the deadline has passed.
  void runUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + test::kGenerousDeadline;
    loop_.runUntil([&] { return done() || std::chrono::steady_clock::now() > deadline; });
  }
  // Handlers that record each firing and kill the timer, so each fires once.
  void fireOnce() {
    loop_.setHandler([this](int id) {
      fired_.push_back(id);
      loop_.killTimer(id);
    });
  }

  CliTimerLoop loop_;
  std::vector<int> fired_;
};

TEST_F(CliTimerLoopTest, TimersFireInTheOrderTheyComeDueNotByNumber) {
  fireOnce();
  loop_.setTimer(3, 0);
  loop_.setTimer(1, 30);
  loop_.setTimer(2, 60);
  loop_.setTimer(4, kHour);  // never within this test
  runUntil([&] { return fired_.size() == 3; });
  EXPECT_EQ(fired_, (std::vector<int>{3, 1, 2}));
}

TEST_F(CliTimerLoopTest, ARepeatingTimerFiresAgainUntilKilled) {
  int count = 0;
  loop_.setHandler([&](int id) {
    fired_.push_back(id);
    if (id == 1 && ++count == 5) {
      loop_.killTimer(1);
      loop_.setTimer(2, 0);  // comes due after the last turn of 1
    }
  });
  loop_.setTimer(1, 1);
  runUntil([&] { return fired_.size() == 6; });
  EXPECT_EQ(fired_, (std::vector<int>{1, 1, 1, 1, 1, 2}));
}

TEST_F(CliTimerLoopTest, AKilledTimerNeverFires) {
  loop_.setHandler([this](int id) {
    fired_.push_back(id);
    loop_.killTimer(id);
    if (id == 1) {
      loop_.killTimer(2);
      loop_.killTimer(99);  // not set: nothing happens
    }
  });
  loop_.setTimer(1, 0);
  loop_.setTimer(2, 20);
  loop_.setTimer(3, 40);  // due after 2: had 2 survived, it would have fired first
  runUntil([&] { return fired_.size() == 2; });
  EXPECT_EQ(fired_, (std::vector<int>{1, 3}));
}

TEST_F(CliTimerLoopTest, TimersSetFromAHandlerFireAndASetTimerStartsAfresh) {
  loop_.setHandler([this](int id) {
    fired_.push_back(id);
    if (id == 1) {
      loop_.setTimer(1, kHour);  // its next turn is an hour away now
      loop_.setTimer(5, 0);
    }
  });
  loop_.setTimer(1, 0);
  runUntil([&] { return fired_.size() == 2; });
  EXPECT_EQ(fired_, (std::vector<int>{1, 5}));
}

TEST_F(CliTimerLoopTest, TheLoopRunsAgainInsideAHandler) {
  std::vector<std::string> events;
  loop_.setHandler([&](int id) {
    events.push_back("fire " + std::to_string(id));
    loop_.killTimer(id);
    if (id == 1) {
      // A popup waiting: other timers fire meanwhile.
      runUntil([&] { return events.size() == 3; });
      events.push_back("popup closed");
    }
  });
  loop_.setTimer(1, 0);
  loop_.setTimer(2, 20);
  loop_.setTimer(3, 40);
  runUntil([&] { return events.size() == 4; });
  EXPECT_EQ(events, (std::vector<std::string>{"fire 1", "fire 2", "fire 3", "popup closed"}));
}

TEST_F(CliTimerLoopTest, ALoopThatIsDoneFiresNothing) {
  fireOnce();
  loop_.setTimer(1, 0);
  loop_.runUntil([] { return true; });
  EXPECT_TRUE(fired_.empty());
  // A timer set with a negative interval is due at once.
  loop_.setTimer(2, -5);
  runUntil([&] { return fired_.size() == 2; });
  EXPECT_EQ(fired_, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace qp::cli
