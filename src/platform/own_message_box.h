#pragma once
// A message box the game draws itself, with its own fonts, for a display on which SDL's box cannot
// be shown (SDL draws its box with the X server's core fonts, which a plain X server may lack):
// the same title and text and an OK button, dismissed by OK, Return, Escape or closing it.
#include <string>

namespace tenrali {

// Shows the box and waits until it is dismissed; false, with the reason in `why`, when it cannot
// be shown.
bool showOwnMessageBox(const char* title, const std::string& text, std::string& why);

}  // namespace tenrali
