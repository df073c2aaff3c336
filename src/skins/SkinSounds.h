#pragma once

namespace qp {

// Plays the program's short sounds for the built-in skin's effects, without waiting for them.
class SkinSounds {
 public:
  virtual ~SkinSounds() = default;
  // The wave resource of that id (338: side panel opening, 339: closing).
  virtual void playWaveResource(int id) = 0;
};

}  // namespace qp
