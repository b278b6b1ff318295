#pragma once
// Draws the screen model into a 600 x 400 picture, exactly as the window shows it: the window
// shows this picture, and screenshots save it. At a larger whole scale the same screen is drawn
// with more pixels: the text set at that many times its size, the pictures taken from their
// larger renderings where the store has them.
#include <functional>
#include <set>
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
  ScreenRenderer(FontLibrary& fonts, PictureStore& pictures, int scale = 1)
      : fonts_(fonts), pictures_(pictures), scale_(std::max(scale, 1)) {}
  // Draws every shown element in drawing order into `out` (resized to the client area times the
  // scale).
  void render(const ScreenModel& screen, Image& out);
  int scale() const { return scale_; }
  void setScale(int scale) { scale_ = std::max(scale, 1); }
  // Where a picture that cannot be drawn is reported, once per file (the window's own pictures
  // are read only when first drawn).
  void setWarningSink(std::function<void(const std::string&)> sink) { warn_ = std::move(sink); }

 private:
  void drawPicture(const ScreenModel& screen, E e, Image& out);
  void drawLabel(const ScreenModel& screen, E e, Image& out);
  void drawPanel(const ScreenModel& screen, E e, Image& out);
  int textEnd(const ScreenModel& screen, E e, const Rect& r) const;
  Rect scaled(Rect r) const { return {r.x * scale_, r.y * scale_, r.w * scale_, r.h * scale_}; }
  Font scaled(Font f) const {
    f.height *= scale_;
    return f;
  }
  FontLibrary& fonts_;
  PictureStore& pictures_;
  int scale_;
  std::function<void(const std::string&)> warn_;
  std::set<std::string> warned_;
};

void fillRect(Image& out, Rect r, std::uint32_t color);
// Copies `from` into `out` at (x, y), enlarged to w x h by repeating pixels (or 1:1 when it is
// that size already), clipped to `clip` and to `out`.
void blit(Image& out, const Image& from, int x, int y, int w, int h, Rect clip);

}  // namespace tenrali
