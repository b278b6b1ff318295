#pragma once
// PNG pictures, read with libpng: the pictures drawn two and three times larger for large
// displays, and the window icon with its transparency.
#include <string>
#include <string_view>

#include "data/bmp.h"

namespace tenrali {

// Decodes a whole PNG file into 0x00RRGGBB pixels laid on white, as the game's BMP pictures are
// (or, with keepAlpha, into 0xAARRGGBB). The same size limits as for BMP pictures; on failure
// returns false with the reason in `error`.
bool decodePng(std::string_view bytes, Image& out, std::string& error, bool keepAlpha = false);
// The pixel size from the header alone.
bool pngSize(std::string_view bytes, int& width, int& height, std::string& error);

}  // namespace tenrali
