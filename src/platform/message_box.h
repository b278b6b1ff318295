#pragma once
// Tells the player about an error that stops the game: one line on standard error and, when a
// display is there, a message box with the same text. While the box is up, an interrupt, a hang-up
// or a request to end still ends the game, and the box goes with it.
#include <SDL.h>

#include <string>

namespace tenrali {

void reportError(const std::string& text, SDL_Window* parent = nullptr);

}  // namespace tenrali
