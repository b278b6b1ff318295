#pragma once
// The keyboard: every key only chooses one of the places a click can land now and delivers a
// click there through the click rule, so a key never does what a click could not. A focus ring,
// moved by the arrows and Tab, marks the place Enter clicks; the mouse puts it away.
#include <cstdint>
#include <optional>
#include <string_view>

#include "app/click_stops.h"

namespace tenrali {

enum class Key : std::uint8_t {
  Return, Space, Escape, Y, N,
  Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
  Tab, Left, Right, Up, Down,
};

struct KeyPress {
  Key key = Key::Return;
  bool shift = false;  // Shift+Tab goes backwards
};

// A key by the name SDL gives it ("Return", "Space", "Escape", "Y", "N", "1".."9", "Tab",
// "Left", "Right", "Up", "Down"; any case), "Shift+Tab" for Tab with Shift; nothing for a key
// the game has no use for.
std::optional<KeyPress> keyFromName(std::string_view name);

class Keyboard {
 public:
  struct Result {
    E clicked = E::count;  // who took a click, E::count when the key clicked nothing
    bool moved = false;    // the key moved the focus ring
  };

  // Handles one key press: a click delivered through the click rule, or the ring moved.
  Result press(TForm1& form, KeyPress key);
  // The mouse was used: the ring goes until a key that moves it brings it back.
  void mouseUsed();
  // After every click and tick (the main window calls it): the ring goes to a new answer (the "はい" of a new
  // question, the "ＯＫ" of a result); a ring whose place has gone moves to the place Enter would
  // click, else to the first place; with no place at all it waits, hidden.
  void follow(const TForm1& form);

  // The element the ring is on (for the story stop, the part a click lands on), E::count when
  // no ring shows; and the rectangle it goes around.
  E focused() const { return focus_; }
  Rect ring() const { return ring_; }
  // Counts every change of the ring.
  unsigned revision() const { return revision_; }

 private:
  void setFocus(const ClickStop* stop);
  Result click(TForm1& form, const ClickStop* stop);

  bool active_ = false;  // the player moves the ring: it shows wherever there is a place for it
  E focus_ = E::count;
  E answer_ = E::count;  // where Enter would click without the ring, when last followed
  std::uint64_t seen_ = 0;  // the screen the places were last taken from
  Rect ring_;
  unsigned revision_ = 0;
};

// The place Enter and Space click when no ring shows: the story moved on where a click does
// that, else the visible "はい" (or "つづける"), else the one answer button shown alone.
const ClickStop* defaultStop(const TForm1& form, const std::vector<ClickStop>& stops);

}  // namespace tenrali
