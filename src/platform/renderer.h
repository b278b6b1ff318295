#pragma once
// Draws the screen model into a 600 x 400 picture, exactly as the window shows it: the window
// blits this picture, and screenshots save it.
#include <string>

#include "data/bmp.h"
#include "platform/fonts.h"
#include "ui/screen_model.h"

namespace tenrali {

inline constexpr int kClientWidth = 600;
inline constexpr int kClientHeight = 400;
// The window's own face colour, seen where nothing covers it, and the face of panels.
inline constexpr std::uint32_t kFaceColor = 0xF0F0F0;

class ScreenRenderer {
 public:
  ScreenRenderer(FontLibrary& fonts, PictureStore& pictures) : fonts_(fonts), pictures_(pictures) {}
  // Draws every shown element in drawing order into `out` (resized to the client area).
  void render(const ScreenModel& screen, Image& out);

 private:
  void drawPicture(const ScreenModel& screen, E e, Image& out);
  void drawLabel(const ScreenModel& screen, E e, Image& out);
  void drawPanel(const ScreenModel& screen, E e, Image& out);
  FontLibrary& fonts_;
  PictureStore& pictures_;
};

void fillRect(Image& out, Rect r, std::uint32_t color);

}  // namespace tenrali
