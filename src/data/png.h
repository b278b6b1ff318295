#pragma once
// A plain PNG writer for screenshots (stored deflate blocks: no compression library needed).
#include <string>

#include "data/bmp.h"

namespace tenrali {

std::string encodePng(const Image& image);

}  // namespace tenrali
