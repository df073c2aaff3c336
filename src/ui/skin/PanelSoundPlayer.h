#pragma once

#include <QString>

namespace qp {

class ProcessLauncher;

// Plays a panel sound without waiting: the sound's WAV bytes are written once to a file in
// the given directory ("qp-panel-<id>.wav") and handed to the desktop's sound player
// (paplay), started through the launcher. Nothing happens for an unknown id or when the file
// cannot be written. The launcher outlives the player.
class PanelSoundPlayer {
 public:
  PanelSoundPlayer(ProcessLauncher& launcher, QString directory);

  // True when the player was started.
  bool play(int soundId);
  QString fileOf(int soundId) const;

 private:
  ProcessLauncher& launcher_;
  QString directory_;
};

}  // namespace qp
