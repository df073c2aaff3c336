// quillophone-cli devices and mixer on the private test server, read back through pactl; a
// chosen sink that goes away (its module unloaded) gives way to the default with a message.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <regex>

#include "support/ProcessRunner.h"
#include "support/TempDir.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

using test::runCommand;
using test::shellQuote;

std::string pactl(const std::string& args) {
  return runCommand("pactl " + args + " 2>&1").out;
}

class CliMixerTest : public testing::Test {
 protected:
  void SetUp() override { restore(); }
  void TearDown() override {
    if (spareModule_ > 0) {
      pactl("unload-module " + std::to_string(spareModule_));
    }
    restore();
  }
  static void restore() {
    pactl("set-sink-volume qp_sink 100%");
    pactl("set-sink-mute qp_sink 0");
    pactl("set-source-volume qp_tone.monitor 100%");
    pactl("set-source-mute qp_tone.monitor 0");
  }
  test::ProcessResult cli(const std::string& args) {
    return runCommand("XDG_CONFIG_HOME=" + shellQuote((dir_.path() / "config").string()) + " " +
                      cli_ + " " + args);
  }
  void loadSpare() {
    spareModule_ = std::atoi(pactl("load-module module-null-sink sink_name=qp_spare "
                                   "sink_properties=device.description=Spare_Headset")
                                 .c_str());
    ASSERT_GT(spareModule_, 0);
  }

  test::TempDir dir_;
  const std::string cli_ = test::cliCommand();
  int spareModule_ = -1;
};

TEST_F(CliMixerTest, DevicesListsEverySourceAndSinkTabSeparated) {
  const auto r = cli("devices");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("sink\tqp_sink\t"), std::string::npos) << r.out;
  EXPECT_TRUE(std::regex_search(r.out, std::regex("(^|\n)sink\tqp_sink\t[^\t\n]+\t1\n")));
  EXPECT_TRUE(
      std::regex_search(r.out, std::regex("(^|\n)source\tqp_tone\\.monitor\t[^\t\n]+\t1\n")));
  EXPECT_TRUE(std::regex_search(r.out, std::regex("(^|\n)source\tqp_pipe\t[^\t\n]+\t0\n")));
  EXPECT_TRUE(std::regex_search(r.out, std::regex("(^|\n)sink\tqp_tone\t[^\t\n]+\t0\n")));
  // Every line has the four fields, sources before sinks.
  EXPECT_TRUE(std::regex_match(r.out, std::regex("((source)\t[^\t\n]+\t[^\t\n]*\t[01]\n)+"
                                                 "((sink)\t[^\t\n]+\t[^\t\n]*\t[01]\n)+")))
      << r.out;
}

TEST_F(CliMixerTest, MixerPrintsAndSetsBothLines) {
  pactl("set-sink-volume qp_sink 40%");
  pactl("set-source-mute qp_tone.monitor 1");
  auto r = cli("mixer");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.out, "record\t100\t1\nplay\t40\t0\n");

  ASSERT_EQ(cli("mixer play --volume 73 --mute 1").exitCode, 0);
  EXPECT_NE(pactl("get-sink-volume qp_sink").find(" 73% "), std::string::npos);
  EXPECT_EQ(pactl("get-sink-mute qp_sink"), "Mute: yes\n");
  ASSERT_EQ(cli("mixer record --mute 0 --volume 0").exitCode, 0);
  EXPECT_EQ(pactl("get-source-mute qp_tone.monitor"), "Mute: no\n");
  r = cli("mixer record");
  EXPECT_EQ(r.out, "record\t0\t0\n");
  r = cli("mixer play");
  EXPECT_EQ(r.out, "play\t73\t1\n");
}

TEST_F(CliMixerTest, BadUsageIsRefused) {
  for (const char* args :
       {"mixer --volume 40", "mixer play --volume 101", "mixer play --mute 2", "mixer sideways",
        "mixer play record", "devices play", "devices sideways qp_sink", "devices play a b"}) {
    const auto r = cli(args);
    EXPECT_EQ(r.exitCode, 2) << args;
    EXPECT_NE(r.err.find("usage: quillophone-cli"), std::string::npos) << args;
  }
  const auto r = cli("devices play no_such_sink");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("no_such_sink"), std::string::npos);
}

TEST_F(CliMixerTest, ChosenSinkIsUsedFallsBackWhileAwayAndReturns) {
  loadSpare();
  pactl("set-sink-volume qp_spare 25%");
  ASSERT_EQ(cli("devices play qp_spare").exitCode, 0);
  auto r = cli("mixer play");
  EXPECT_EQ(r.out, "play\t25\t0\n");
  EXPECT_EQ(r.err, "");

  pactl("unload-module " + std::to_string(spareModule_));
  spareModule_ = -1;
  r = cli("mixer play");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "play\t100\t0\n");  // the default sink
  EXPECT_NE(r.err.find("qp_spare is not connected"), std::string::npos) << r.err;
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;

  loadSpare();
  pactl("set-sink-volume qp_spare 25%");
  r = cli("mixer play");
  EXPECT_EQ(r.out, "play\t25\t0\n");
  EXPECT_EQ(r.err, "");

  ASSERT_EQ(cli("devices play --default").exitCode, 0);
  EXPECT_EQ(cli("mixer play").out, "play\t100\t0\n");
}

TEST_F(CliMixerTest, PlayTellsOnceWhenTheChosenSinkIsAway) {
  const std::string note = dir_.file("short.wav");
  test::writeFileBytes(note, test::simpleWav(1, 8000, 16, test::Bytes(3200, 0)));  // 0.2 s
  loadSpare();
  ASSERT_EQ(cli("devices play qp_spare").exitCode, 0);
  auto r = cli("play " + shellQuote(note) + " </dev/null");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err.find("not connected"), std::string::npos) << r.err;

  pactl("unload-module " + std::to_string(spareModule_));
  spareModule_ = -1;
  r = cli("play " + shellQuote(note) + " </dev/null");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string message = "the chosen playback device qp_spare is not connected";
  const auto first = r.err.find(message);
  ASSERT_NE(first, std::string::npos) << r.err;
  EXPECT_EQ(r.err.find(message, first + 1), std::string::npos) << "told twice: " << r.err;
}

}  // namespace
}  // namespace qp
