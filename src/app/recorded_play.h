#pragma once
// A recorded game: one command a line, as tenrali-play reads them and the window replays them.
// The actions (seed, menu, click, clickat, key, tick, set) are carried out here; the questions
// (state, element, visible, message) and screenshot are each driver's own business.
#include <stdexcept>
#include <string>
#include <vector>

#include "app/form1.h"

namespace tenrali {

// A line of a recorded game that cannot be carried out, and why.
class PlayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The words of one line; none for an empty line or a comment ("#").
std::vector<std::string> playWords(const std::string& line);

// The element of that name, or a PlayError.
E playElement(const std::string& name);

// A whole number within [lo, hi], or a PlayError.
long long playNumber(const std::string& text, long long lo, long long hi);

struct PlayStep {
  enum class Kind { Other, Done, Clicked, Ticks, Quit } kind = Kind::Other;
  E clicked = E::count;  // Clicked: who took the click (E::count: nobody)
  bool byKey = false;    // Clicked: by a key, which may also have moved the focus ring
  long long ticks = 0;   // Ticks: how many beats the caller gives the game, one after another
};

// The commands that only look (state, element, visible, message, screenshot, sounds).
bool isPlayQuestion(const std::string& command);

// Carries out an action command, except the beats of "tick", which are counted and left to the
// caller (at once, or one every 100 ms). Kind::Other: not an action. Throws PlayError for a bad
// command or argument.
PlayStep playAction(TForm1& form, const std::vector<std::string>& words);

}  // namespace tenrali
