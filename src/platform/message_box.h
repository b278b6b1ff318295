#pragma once
// Tells the player about an error that stops the game: one line on standard error and, when a
// display is there, a message box with the same text.
#include <SDL.h>

#include <string>

namespace tenrali {

void reportError(const std::string& text, SDL_Window* parent = nullptr);

}  // namespace tenrali
