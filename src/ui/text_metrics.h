#pragma once
// The port that measures captions: labels take the size of their text, so the screen model
// needs the real fonts' metrics.
#include <string_view>

#include "ui/font.h"

namespace tenrali {

struct TextSize {
  int width = 0;
  int height = 0;
};

class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  // The pixel size of one line of UTF-8 text in this font.
  virtual TextSize measure(const Font& font, std::string_view text) = 0;
};

}  // namespace tenrali
