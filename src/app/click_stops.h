#pragma once
// Where a click can land now: every shown element with a click binding that the click rule would
// hand a click to somewhere in its rectangle, in the order the eye reads the screen (rows top to
// bottom, each left to right). The message window and the scene pictures, which all move the
// story on, are one stop, and only while a click on them does something.
#include <vector>

#include "ui/screen_model.h"

namespace tenrali {

class TForm1;

struct ClickStop {
  E element = E::count;  // who takes the click (the story stop: the part it lands on)
  int x = 0, y = 0;      // where the click lands: the click rule gives it to `element`
  Rect ring;             // what the focus ring goes around
  bool story = false;    // the message window or a scene picture
  int row = 0;           // the row of the screen it lies in, counted from the top
};

std::vector<ClickStop> clickStops(const TForm1& form);

// The stop of an element, or nullptr (the story stop stands for every part of the story group).
const ClickStop* findStop(const std::vector<ClickStop>& stops, E e);

}  // namespace tenrali
