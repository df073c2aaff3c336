// The mixer on a real sound server (the private test server): volumes and mutes set through
// the program show in pactl, changes made with pactl come back as notifications, and a
// playback device that goes away (its module unloaded) is replaced by the default and comes
// back when it returns.
#include "platform/PulseMixerService.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <map>
#include <mutex>
#include <regex>

#include "common/MemorySettingsStore.h"
#include "devices/MixerLines.h"
#include "devices/PreferredDevices.h"
#include "devices/VolumeKnobLogic.h"
#include "platform/PulseAudioBackend.h"
#include "platform/PulseMixer.h"
#include "support/FakeAudioUi.h"
#include "support/ProcessRunner.h"

namespace qp {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
constexpr auto kPlay = MixerDirection::Playback;
constexpr auto kRec = MixerDirection::Recording;
constexpr const char* kSink = "qp_sink";
constexpr const char* kSource = "qp_tone.monitor";
constexpr const char* kSpareSink = "qp_spare";

std::string pactl(const std::string& args) {
  return test::runCommand("pactl " + args + " 2>&1").out;
}

// The raw server volumes (0 .. 65536 per channel) pactl reports for a sink or source.
std::vector<int> serverVolumes(const std::string& kind, const std::string& name) {
  const std::string text = pactl("get-" + kind + "-volume " + name);
  std::vector<int> values;
  const std::regex channel(R"((\d+) / +\d+%)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), channel);
       it != std::sregex_iterator(); ++it) {
    values.push_back(std::stoi((*it)[1]));
  }
  return values;
}

// The index of a sink in pactl's short lists; -1 when missing.
int sinkIndex(const std::string& name) {
  const std::string text = pactl("list short sinks");
  const std::regex line("(^|\n)(\\d+)\t" + name + "\t");
  std::smatch match;
  return std::regex_search(text, match, line) ? std::stoi(match[2]) : -1;
}

// Each playback stream of the server (index) with the sink it plays to.
std::map<int, int> streamsToSinks() {
  const std::string text = pactl("list short sink-inputs");
  std::map<int, int> streams;
  const std::regex line(R"((^|\n)(\d+)\t(\d+)\t)");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), line); it != std::sregex_iterator();
       ++it) {
    streams[std::stoi((*it)[2])] = std::stoi((*it)[3]);
  }
  return streams;
}

// Calls that arrive on another thread, with the time each one came.
class Arrivals {
 public:
  void add(std::uint32_t id) {
    std::lock_guard lock(mutex_);
    calls_.emplace_back(id, Clock::now());
    cv_.notify_all();
  }
  bool waitFor(std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return cv_.wait_for(lock, timeout, [&] { return calls_.size() >= count; });
  }
  std::size_t size() {
    std::lock_guard lock(mutex_);
    return calls_.size();
  }
  std::pair<std::uint32_t, Clock::time_point> at(std::size_t i) {
    std::lock_guard lock(mutex_);
    return calls_.at(i);
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  std::vector<std::pair<std::uint32_t, Clock::time_point>> calls_;
};

class PulseMixerTest : public testing::Test {
 protected:
  void SetUp() override { restore(); }
  void TearDown() override {
    if (spareModule_ >= 0) {
      pactl("unload-module " + std::to_string(spareModule_));
    }
    restore();
  }
  // Other tests listen to the sink and record the tone: full volume, switched on.
  static void restore() {
    pactl("set-sink-volume qp_sink 100%");
    pactl("set-sink-mute qp_sink 0");
    pactl(std::string("set-source-volume ") + kSource + " 100%");
    pactl(std::string("set-source-mute ") + kSource + " 0");
  }
  void loadSpareSink() {
    const std::string out = pactl(std::string("load-module module-null-sink sink_name=") +
                                  kSpareSink + " sink_properties=device.description=Spare_Headset");
    spareModule_ = std::atoi(out.c_str());
    ASSERT_GT(spareModule_, 0) << out;
  }
  void unloadSpareSink() {
    pactl("unload-module " + std::to_string(spareModule_));
    spareModule_ = -1;
  }

  PulseMixerService service_{"test mixer"};
  int spareModule_ = -1;
};

TEST_F(PulseMixerTest, ListsTheServersSourcesAndSinksWithTheirDefaults) {
  std::vector<ServerDevice> devices;
  ASSERT_TRUE(service_.listDevices(devices));
  const auto find = [&](MixerDirection direction, const std::string& name) {
    return std::find_if(devices.begin(), devices.end(), [&](const ServerDevice& d) {
      return d.direction == direction && d.name == name;
    });
  };
  ASSERT_NE(find(kPlay, kSink), devices.end());
  EXPECT_TRUE(find(kPlay, kSink)->isDefault);
  EXPECT_FALSE(find(kPlay, kSink)->description.empty());
  ASSERT_NE(find(kRec, kSource), devices.end());
  EXPECT_TRUE(find(kRec, kSource)->isDefault);
  ASSERT_NE(find(kRec, "qp_pipe"), devices.end());
  EXPECT_FALSE(find(kRec, "qp_pipe")->isDefault);
  EXPECT_EQ(find(kRec, kSink), devices.end()) << "a sink is no recording device";
  EXPECT_EQ(service_.openMixer(kPlay, "no_such_sink"), nullptr);
  EXPECT_EQ(service_.openMixer(kRec, kSink), nullptr);
}

TEST_F(PulseMixerTest, VolumeAndMuteSetByTheProgramShowInPactl) {
  MixerLines play(service_, kPlay, "");
  ASSERT_NE(play.destination(), nullptr);
  EXPECT_EQ(play.destination()->ComponentType(), kLineDestinationSpeakers);
  EXPECT_EQ(play.destination()->Channels(), 2);
  EXPECT_EQ(play.source(), nullptr);
  ASSERT_TRUE(play.setVolume(26214));  // 40 %
  EXPECT_EQ(serverVolumes("sink", kSink), (std::vector<int>{26214, 26214}));
  EXPECT_NE(pactl("get-sink-volume qp_sink").find("40%"), std::string::npos);
  ASSERT_TRUE(play.setMuted(true));
  EXPECT_EQ(pactl("get-sink-mute qp_sink"), "Mute: yes\n");
  EXPECT_TRUE(play.muted());

  MixerLines record(service_, kRec, "");
  ASSERT_NE(record.destination(), nullptr);
  EXPECT_EQ(record.destination()->ComponentType(), kLineDestinationWaveIn);
  ASSERT_TRUE(record.setVolume(16384));
  EXPECT_EQ(serverVolumes("source", kSource), (std::vector<int>{16384}));
  EXPECT_EQ(record.volume(), 16384);
  ASSERT_TRUE(record.setMuted(true));
  EXPECT_EQ(pactl(std::string("get-source-mute ") + kSource), "Mute: yes\n");
  ASSERT_TRUE(record.setMuted(false));
  EXPECT_EQ(pactl(std::string("get-source-mute ") + kSource), "Mute: no\n");
}

TEST_F(PulseMixerTest, StereoSinkReadsItsLouderChannelAndIsWrittenEvenly) {
  pactl("set-sink-volume qp_sink 30000 40000");
  MixerLines play(service_, kPlay, "");
  ASSERT_NE(play.destination(), nullptr);
  EXPECT_EQ(play.destination()->GetVolume(), 39999);  // 40000 of 65536
  ASSERT_TRUE(play.destination()->SetVolume(39999));
  EXPECT_EQ(serverVolumes("sink", kSink), (std::vector<int>{40000, 40000}));
}

TEST_F(PulseMixerTest, ChangeMadeWithPactlArrivesWithin200Milliseconds) {
  auto mixer = service_.openMixer(kPlay, kSink);
  ASSERT_NE(mixer, nullptr);
  Arrivals arrivals;
  mixer->setChangeHandler([&](std::uint32_t id) { arrivals.add(id); });
  std::vector<double> latencies;
  for (int i = 0; i < 9; ++i) {
    const std::size_t before = arrivals.size();
    const auto start = Clock::now();
    pactl("set-sink-volume qp_sink " + std::to_string(30 + 5 * i) + "%");
    ASSERT_TRUE(arrivals.waitFor(before + 1, 2s)) << "no notification for change " << i;
    EXPECT_EQ(arrivals.at(before).first, PulseMixer::kVolumeControlId);
    latencies.push_back(
        std::chrono::duration<double, std::milli>(arrivals.at(before).second - start).count());
  }
  std::sort(latencies.begin(), latencies.end());
  const double median = latencies[latencies.size() / 2];
  std::printf("pactl set-sink-volume to notification: median %.1f ms, min %.1f, max %.1f\n", median,
              latencies.front(), latencies.back());
  RecordProperty("median_ms", std::to_string(median));
  EXPECT_LT(median, 200.0);

  const std::size_t before = arrivals.size();
  pactl("set-sink-mute qp_sink 1");
  ASSERT_TRUE(arrivals.waitFor(before + 1, 2s));
  EXPECT_EQ(arrivals.at(before).first, PulseMixer::kMuteControlId);
}

TEST_F(PulseMixerTest, OwnChangesDoNotComeBackButAnotherMixersDo) {
  auto mixer = service_.openMixer(kPlay, kSink);
  auto other = service_.openMixer(kPlay, kSink);
  ASSERT_NE(mixer, nullptr);
  Arrivals arrivals;
  mixer->setChangeHandler([&](std::uint32_t id) { arrivals.add(id); });
  CMixerLine line;
  ASSERT_TRUE(line.Init(*mixer, 0, -1));
  ASSERT_TRUE(line.SetVolume(12345));
  ASSERT_TRUE(line.SetMuted(true, true));
  ASSERT_TRUE(line.SetVolume(12345));  // the same again: the server has nothing to report
  EXPECT_FALSE(arrivals.waitFor(1, 500ms)) << "the program's own change came back";

  CMixerLine otherLine;
  ASSERT_TRUE(otherLine.Init(*other, 0, -1));
  ASSERT_TRUE(otherLine.SetVolume(54321));
  ASSERT_TRUE(arrivals.waitFor(1, 2s));
  EXPECT_EQ(line.GetVolume(), 54321);
  mixer->setChangeHandler(nullptr);
  pactl("set-sink-volume qp_sink 50%");
  EXPECT_FALSE(arrivals.waitFor(2, 500ms)) << "a removed handler was called";
}

TEST_F(PulseMixerTest, KnobFollowsAChangeMadeInTheSoundSettings) {
  test::FakeUiServices ui;
  VolumeKnobLogic knob(kPlay, 32);
  knob.start(service_, "");
  EXPECT_EQ(knob.position(), 31);  // from 100 %
  std::vector<int> moves;
  knob.listen(ui, [&](int, int to) { moves.push_back(to); });
  pactl("set-sink-volume qp_sink 50%");
  ASSERT_TRUE(ui.runUntil([&] { return knob.position() == 16; }, 5s));
  EXPECT_EQ(moves, std::vector<int>{16});
  ASSERT_TRUE(knob.stepUp());
  EXPECT_EQ(serverVolumes("sink", kSink), (std::vector<int>{34800, 34800}));  // 17 x 2047 of 65535
  ui.runUntil([] { return false; }, 300ms);
  EXPECT_EQ(moves, std::vector<int>{16}) << "the knob's own turn came back";
}

TEST_F(PulseMixerTest, UnpluggedDeviceFallsBackToTheDefaultAndReturns) {
  loadSpareSink();
  std::mutex mutex;
  std::condition_variable changed;
  int changes = 0;
  service_.setDeviceChangeHandler([&] {
    std::lock_guard lock(mutex);
    ++changes;
    changed.notify_all();
  });
  const auto waitForChange = [&](int seen) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, 5s, [&] { return changes > seen; });
  };
  MemorySettingsStore settings;
  PreferredDevices preferred(service_, settings);
  preferred.refresh();
  ASSERT_TRUE(preferred.choose(kPlay, kSpareSink));
  EXPECT_EQ(preferred.current(kPlay)->description, "Spare_Headset");
  PulseAudioBackend backend("test");
  backend.setPreferredDevices("", kSpareSink);
  // The sink a stream of the backend opens on (-1 when it did not open).
  const auto streamSink = [&] {
    const auto before = streamsToSinks();
    AudioEvent done;
    std::unique_ptr<WaveOutPort> port;
    EXPECT_EQ(backend.openOutput(WaveFormat::pcm(1, 22050, 16), done, port), 0);
    for (const auto& [stream, sink] : streamsToSinks()) {
      if (before.count(stream) == 0) {
        return sink;
      }
    }
    return -1;
  };
  const int spare = sinkIndex(kSpareSink);
  EXPECT_EQ(streamSink(), spare);

  int seen = changes;
  unloadSpareSink();
  ASSERT_TRUE(waitForChange(seen)) << "no notification of the unplugged device";
  auto switches = preferred.refresh();
  ASSERT_EQ(switches.size(), 1u);
  EXPECT_EQ(switches[0].kind, DeviceSwitchKind::FellBack);
  EXPECT_EQ(switches[0].device.name, kSink);
  EXPECT_EQ(MixerLines(service_, kPlay, preferred.chosen(kPlay)).audioMixer().DeviceName(), kSink);
  EXPECT_EQ(streamSink(), sinkIndex(kSink));
  EXPECT_TRUE(preferred.refresh().empty()) << "one report only";

  seen = changes;
  loadSpareSink();
  ASSERT_TRUE(waitForChange(seen)) << "no notification of the returning device";
  switches = preferred.refresh();
  ASSERT_EQ(switches.size(), 1u);
  EXPECT_EQ(switches[0].kind, DeviceSwitchKind::Returned);
  EXPECT_EQ(preferred.current(kPlay)->name, kSpareSink);
  EXPECT_EQ(streamSink(), sinkIndex(kSpareSink));
  service_.setDeviceChangeHandler(nullptr);
}

}  // namespace
}  // namespace qp
