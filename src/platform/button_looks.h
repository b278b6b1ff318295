#pragma once
// How a button answers the mouse: lighter while the pointer rests on it, pressed in while the
// left button is held down on it. Drawn by the window over the game's picture of the button; the
// screen model, the rules and the headless game's screenshots never see it.
#include <cstdint>

#include "app/form1.h"
#include "data/bmp.h"

namespace tenrali {

struct ButtonLook {
  E element = E::count;  // E::count: no button looks any different
  bool pressed = false;
  bool operator==(const ButtonLook&) const = default;
};

// Whether an element is a button the player can click: every click-bound picture except the
// full-window scene pictures and the portrait (a click there only moves the story on), and a pot
// only while it can be chosen for a seed.
bool isButton(const TForm1& form, E e);

// Paints the look of one button over its place in the window's picture, whose client area starts
// `top` pixels down and is drawn at `scale`.
void drawButtonLook(Image& window, const ScreenModel& screen, ButtonLook look, int top, int scale);

}  // namespace tenrali
