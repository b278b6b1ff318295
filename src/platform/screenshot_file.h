#pragma once
// A screenshot the player asked for (F12): the game's picture as a PNG file in the player's
// pictures folder, named by the moment it was taken, never over a file already there.
#include <ctime>
#include <string>

#include "data/bmp.h"

namespace tenrali {

// Writes the picture into `folder` and returns the file's path; throws StorageError (or a
// std::runtime_error when there is no folder at all).
std::string saveScreenshot(const Image& picture, const std::string& folder, std::time_t when);

}  // namespace tenrali
