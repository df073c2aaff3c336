#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "audio/device/PlaybackDevice.h"
#include "audio/playback/GraphDelayLine.h"
#include "audio/playback/PlaybackFlags.h"
#include "audio/playback/PlaybackRange.h"
#include "audio/playback/PlaybackSpeedStage.h"
#include "audio/wave/WaveFileReader.h"
#include "audio/window/AudioWindow.h"
#include "audio/window/GraphSelection.h"

namespace qp {

// What one playback run is given. The reader and the device are owned by the controller and
// used only by the thread until it has ended.
struct PlaybackRun {
  WaveFileReader* reader = nullptr;
  PlaybackDevice* device = nullptr;
  AudioWindow* window = nullptr;
  PlaybackFlags* flags = nullptr;
  WaveFormat format;             // the note's channels and rate, 16 bits
  std::uint32_t chunkBytes = 0;  // bytes read per pass
  GraphSelection selection;      // taken on the UI thread at start
  bool scan = false;
  // A buffer the sink has not given back after this long means the sink is lost.
  std::uint32_t sinkLostMs = 3000;
  std::function<void()> finished;  // posts "playback finished" to the UI thread
};

// The body of the playback thread: primes the device with silence, then reads the note chunk
// by chunk, applies pause, jumps, fast reverse and speed, feeds the graph three chunks late,
// counts the remaining seconds down, drains the device and reports that it has finished. A
// sink that keeps a buffer longer than the run's limit ends the run (flags: sinkLost).
class PlaybackWorker {
 public:
  static constexpr int kRingBuffers = 4;

  explicit PlaybackWorker(PlaybackRun run);
  void run();

 private:
  void setUp();
  void prime();
  // One pass of the loop; false when the loop ends.
  bool pass();
  // Moves the position for a pending request; sets backwards_ for a reverse step.
  void applyRequests();
  void jumpTo(std::uint32_t position);
  std::uint32_t readChunk();
  bool restartIfContinuous(std::uint32_t& got);
  bool countDown();
  void feedGraph(const GraphDelayLine::Chunk& chunk);
  // Sends bytes of sound to the next ring buffer; false when a stop came first or the sink
  // is lost.
  bool output(const std::int16_t* samples, std::uint32_t bytes);
  bool awaitFree(AudioBuffer& buffer);
  // Marks the sink as lost (a refused write or a buffer kept too long) and traces it.
  void loseSink();
  void drain();
  std::uint32_t jumpBytes() const { return 6 * run_.format.nSamplesPerSec; }
  std::uint32_t graphDataSize() const { return dataSize_; }

  PlaybackRun run_;
  PlaybackFlags& flags_;
  WaveformGraphFeed* graph_ = nullptr;
  std::uint16_t channels_ = 1;
  std::uint32_t bytesPerSecond_ = 2;
  std::uint32_t dataSize_ = 0;
  PlaybackRange range_;
  std::uint32_t position_ = 0;
  int column_ = 0;
  long lastShown_ = 0;
  bool backwards_ = false;
  bool firstBackwards_ = true;
  bool chunkRead_ = false;
  int index_ = 0;
  int lastWritten_ = -1;
  std::vector<std::int16_t> read_;
  std::vector<std::int16_t> processed_;
  GraphDelayLine delay_;
  PlaybackSpeedStage speed_;
};

}  // namespace qp
