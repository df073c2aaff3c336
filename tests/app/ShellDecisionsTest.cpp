// The desktop program's command line, start-up choices and instance messages, table-driven.
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "app/InstanceMessage.h"
#include "app/StartupDecisions.h"

namespace qp::app {
namespace {

struct ParseCase {
  std::vector<std::string> args;
  bool tray, kill, uninstall, silent, help, version;
  std::vector<std::string> unknown;
};

TEST(CommandLineTest, WordsAreComparedWithoutCaseInBothSpellings) {
  const ParseCase cases[] = {
      {{}, false, false, false, false, false, false, {}},
      {{"/tray"}, true, false, false, false, false, false, {}},
      {{"/TRAY"}, true, false, false, false, false, false, {}},
      {{"--Tray"}, true, false, false, false, false, false, {}},
      {{"/Kill"}, false, true, false, false, false, false, {}},
      {{"--kill"}, false, true, false, false, false, false, {}},
      {{"/uninstall", "/SILENT"}, false, false, true, true, false, false, {}},
      {{"--uninstall", "--silent"}, false, false, true, true, false, false, {}},
      {{"--help"}, false, false, false, false, true, false, {}},
      {{"--VERSION"}, false, false, false, false, false, true, {}},
      // --help and --version are GNU spellings only; "/help" is an unknown word.
      {{"/help", "/version"}, false, false, false, false, false, false, {"/help", "/version"}},
      {{"tray", "-tray", "/trayx", "---tray"},
       false,
       false,
       false,
       false,
       false,
       false,
       {"tray", "-tray", "/trayx", "---tray"}},
      {{"/tray", "note.wav", "/kill"}, true, true, false, false, false, false, {"note.wav"}},
  };
  for (const auto& c : cases) {
    const CommandLine line = CommandLine::parse(c.args);
    const std::string label = testing::PrintToString(c.args);
    EXPECT_EQ(line.tray, c.tray) << label;
    EXPECT_EQ(line.kill, c.kill) << label;
    EXPECT_EQ(line.uninstall, c.uninstall) << label;
    EXPECT_EQ(line.silent, c.silent) << label;
    EXPECT_EQ(line.help, c.help) << label;
    EXPECT_EQ(line.version, c.version) << label;
    EXPECT_EQ(line.unknown, c.unknown) << label;
  }
}

TEST(CommandLineTest, UsageNamesEveryOption) {
  const std::string usage = CommandLine::usage();
  for (const char* option : {"/tray", "/kill", "/uninstall", "/silent", "--help", "--version"}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(usage.back(), '\n');
}

using Step = StartupDecisions::InstanceStep;

TEST(StartupDecisionsTest, EarlyEndsAndTheRunningInstance) {
  EXPECT_TRUE(StartupDecisions::printsAndEnds(CommandLine::parse({"--help"})));
  EXPECT_TRUE(StartupDecisions::printsAndEnds(CommandLine::parse({"--version", "/tray"})));
  EXPECT_FALSE(StartupDecisions::printsAndEnds(CommandLine::parse({"/tray"})));

  EXPECT_TRUE(StartupDecisions::endsAfterCommandLine(CommandLine::parse({"/tray"}), 0));
  EXPECT_FALSE(StartupDecisions::endsAfterCommandLine(CommandLine::parse({"/tray"}), 1));
  EXPECT_FALSE(StartupDecisions::endsAfterCommandLine(CommandLine::parse({}), 0));

  const struct {
    std::vector<std::string> args;
    bool running;
    Step step;
  } cases[] = {
      {{}, false, Step::RunAsFirst},
      {{}, true, Step::HandOverThenEnd},
      {{"/tray"}, true, Step::HandOverThenEnd},
      {{"/kill"}, false, Step::EndRunningThenEnd},
      {{"/kill"}, true, Step::EndRunningThenEnd},
      {{"/uninstall"}, false, Step::EndRunningThenCleanUp},
      {{"/uninstall", "/silent"}, true, Step::EndRunningThenCleanUp},
      {{"/kill", "/uninstall"}, true, Step::EndRunningThenEnd},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StartupDecisions::instanceStep(CommandLine::parse(c.args), c.running), c.step)
        << testing::PrintToString(c.args) << " running " << c.running;
  }
}

TEST(StartupDecisionsTest, HandOverMessagesCarryTheRequest) {
  EXPECT_EQ(StartupDecisions::handOverMessage(CommandLine::parse({})),
            (InstanceMessage{0x8065, 0, 0}));
  EXPECT_EQ(StartupDecisions::handOverMessage(CommandLine::parse({"/tray"})),
            (InstanceMessage{0x8065, 1, 0}));
  EXPECT_EQ(StartupDecisions::handOverMessage(CommandLine::parse({"/kill"})),
            (InstanceMessage{0x8066, 0, 0}));
  EXPECT_EQ(StartupDecisions::handOverMessage(CommandLine::parse({"/uninstall"})),
            (InstanceMessage{0x8066, 0, 0}));
}

TEST(StartupDecisionsTest, WhatTheFirstInstanceShows) {
  const struct {
    std::vector<std::string> args;
    int onTray;
    bool trayAvailable;
    bool addTray, logOn, window;
  } cases[] = {
      {{}, 1, true, true, true, true},
      {{}, 0, true, false, false, true},
      {{"/tray"}, 1, true, true, true, false},
      // No notification area: the window opens whatever was asked, so something shows.
      {{"/tray"}, 1, false, false, true, true},
      {{}, 1, false, false, true, true},
      {{}, 0, false, false, false, true},
  };
  for (const auto& c : cases) {
    const auto finish =
        StartupDecisions::finish(CommandLine::parse(c.args), c.onTray, c.trayAvailable);
    const std::string label = testing::PrintToString(c.args) + " OnTray " +
                              std::to_string(c.onTray) + " tray " + std::to_string(c.trayAvailable);
    EXPECT_EQ(finish.addTrayIcon, c.addTray) << label;
    EXPECT_EQ(finish.runAtLogOn, c.logOn) << label;
    EXPECT_EQ(finish.openWindow, c.window) << label;
  }
}

TEST(StartupDecisionsTest, ClosingTheWindowExitsUnlessTheTrayKeepsTheProgram) {
  EXPECT_FALSE(StartupDecisions::exitsWhenWindowCloses(1, true));
  EXPECT_TRUE(StartupDecisions::exitsWhenWindowCloses(1, false));
  EXPECT_TRUE(StartupDecisions::exitsWhenWindowCloses(0, true));
  EXPECT_TRUE(StartupDecisions::exitsWhenWindowCloses(0, false));
}

TEST(InstanceMessageTest, TwelveLittleEndianBytesRoundTrip) {
  const InstanceMessage message = InstanceMessage::trayClick(InstanceMessage::kRightClick);
  const auto bytes = message.encode();
  const std::array<std::uint8_t, 12> expected = {0x64, 0x80, 0, 0, 100, 0, 0, 0, 2, 0, 0, 0};
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(InstanceMessage::decode(bytes.data(), bytes.size()), message);
}

TEST(InstanceMessageTest, ShortOrUnknownMessagesAreRefused) {
  auto bytes = InstanceMessage::exitRequest().encode();
  EXPECT_FALSE(InstanceMessage::decode(bytes.data(), 11).has_value());
  EXPECT_FALSE(InstanceMessage::decode(nullptr, 12).has_value());
  bytes[0] = 0x67;  // 0x8067: no such message
  EXPECT_FALSE(InstanceMessage::decode(bytes.data(), bytes.size()).has_value());
}

}  // namespace
}  // namespace qp::app
