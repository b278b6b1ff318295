#pragma once
// A real window of the game's size on SDL's dummy video driver, for tests that drive the event
// loop with the events a display would send.
#include <stdlib.h>

#include <memory>

#include "platform/event_loop.h"
#include "platform/game_window.h"

namespace tenrali::test {

inline std::unique_ptr<GameWindow> openDummyWindow(int scale) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  configureSdl();
  startVideo();
  return std::make_unique<GameWindow>("test", 0, 0, kWindowWidth, kWindowHeight, scale);
}

// The loop first, then its window, then SDL.
inline void closeDummyWindow(std::unique_ptr<EventLoop>& loop, std::unique_ptr<GameWindow>& window) {
  loop.reset();
  window.reset();
  SDL_Quit();
  unsetenv("SDL_VIDEODRIVER");
}

}  // namespace tenrali::test
