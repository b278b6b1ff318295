#pragma once
// Saved games in tests: the whole game as one comparable text, and a game continued in a fresh
// window from what the autosave would write now.
#include <memory>
#include <string>

#include "support/test_game.h"

namespace tenrali::test {

// Every field, the random source, today's weather, the menu entries and every shown element
// with what it shows (picture, caption, colour, place).
std::string gameDigest(const TForm1& f);

// A fresh window on which the game of `f` (its home screen must wait) is continued from its
// saved text; the text in *text.
std::unique_ptr<TestGame> continuedGame(const TForm1& f, std::string* text = nullptr);

}  // namespace tenrali::test
