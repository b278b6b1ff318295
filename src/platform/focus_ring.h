#pragma once
// The keyboard's focus ring, drawn by the front end over the game's picture: a bright band
// between two dark lines just outside the element, so that it shows on any background. Where the
// element reaches the edge of the picture (a scene picture), the ring runs along the edge inside.
#include "data/bmp.h"
#include "ui/screen_model.h"

namespace tenrali {

// Draws the ring around `around` (client coordinates) into `out`, whose client area begins `top`
// rows down (the window's picture has the menu bar above it), both unscaled; `out` is drawn at
// `scale`, the ring's lines as thick.
void drawFocusRing(Image& out, Rect around, int top = 0, int scale = 1);

}  // namespace tenrali
