#pragma once
// Tells the player about an error that stops the game: one line on standard error and, when a
// display is there, a message box with the same text.
#include <SDL.h>

#include <string>

namespace tenrali {

void reportError(const std::string& text, SDL_Window* parent = nullptr);

// Something the player must know that does not stop the game (a saved game that cannot be read
// or written): the line on standard error as it is, and the same in a message box.
void reportWarning(const std::string& line, SDL_Window* parent);

}  // namespace tenrali
