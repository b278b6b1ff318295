#pragma once
// The window's icon at a size the desktop can take: a window manager is handed every pixel of
// it at once, and X11 ends the program outright when that is more than it accepts in a request.
#include "data/bmp.h"

namespace tenrali {

// Desktops show icons at 16 to 256 pixels a side.
inline constexpr int kMaxIconSide = 256;

// The icon itself when it fits in kMaxIconSide × kMaxIconSide; otherwise scaled down to fit,
// keeping its shape, each new pixel the average of the pixels it covers (all four bytes of each,
// so a transparency byte is averaged too).
Image iconOfSaneSize(const Image& icon);

}  // namespace tenrali
