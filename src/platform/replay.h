#pragma once
// A recorded game played again in the window, as a film: the script's actions one after another
// (a click every 250 ms so that the eye can follow it, a beat of the scene clock every 100 ms),
// all of it `speed` times faster when asked. While it plays, the game's own beat and the
// player's clicks in the game stay out of the way, so that the game goes exactly as recorded.
#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/form1.h"

namespace tenrali {

class Replay {
 public:
  // Reads the script, a plain file of a sane size; throws PlayError saying why it cannot be read.
  Replay(const std::string& path, int speed);
  Replay(std::vector<std::string> lines, int speed);

  bool playing() const { return next_ < lines_.size() || ticksLeft_ > 0; }
  // When the next action is due (SDL milliseconds).
  Uint64 due() const { return due_; }
  // Does what is due at `now`. A bad line ends the replay with a message on standard error; the
  // game goes on in the player's hands.
  void step(TForm1& form, Uint64 now);

  static constexpr Uint64 kClickMs = 250;
  static constexpr Uint64 kTickMs = 100;

 private:
  std::vector<std::string> lines_;
  std::size_t next_ = 0;
  long long ticksLeft_ = 0;
  Uint64 due_ = 0;
  int speed_;
};

}  // namespace tenrali
