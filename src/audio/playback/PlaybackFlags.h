#pragma once

#include <atomic>

namespace qp {

// The flags the UI thread and the playback thread share. The UI thread writes them; the
// playback thread checks them once per chunk, and resets a one-shot request once it has
// carried it out.
struct PlaybackFlags {
  std::atomic<bool> run{false};
  std::atomic<bool> paused{false};
  std::atomic<int> speed{0};  // speed position -19 .. 19, 0 = normal
  std::atomic<bool> continuous{false};
  std::atomic<bool> inSequence{false};
  // One-shot requests.
  std::atomic<bool> jumpForward{false};
  std::atomic<bool> jumpBack{false};
  std::atomic<bool> goToStart{false};
  // Held "Push and Hold" buttons.
  std::atomic<bool> fastForwardHold{false};
  std::atomic<bool> fastReverseHold{false};
  // Set by the thread when the sink kept a buffer past PlaybackRun::sinkLostMs (the sound
  // server is gone or stuck) and the run ended; cleared by the UI thread at each start.
  std::atomic<bool> sinkLost{false};
};

}  // namespace qp
