#include "platform/renderer.h"

#include <algorithm>
#include <cstring>

namespace tenrali {

void fillRect(Image& out, Rect r, std::uint32_t color) {
  const int x0 = std::max(r.x, 0), y0 = std::max(r.y, 0);
  const int x1 = std::min(r.x + r.w, out.width), y1 = std::min(r.y + r.h, out.height);
  for (int y = y0; y < y1; ++y)
    std::fill_n(&out.pixels[static_cast<std::size_t>(y) * out.width + x0], std::max(x1 - x0, 0), color);
}

void ScreenRenderer::render(const ScreenModel& screen, Image& out) {
  out.width = kClientWidth;
  out.height = kClientHeight;
  out.pixels.resize(static_cast<std::size_t>(kClientWidth) * kClientHeight);
  // The window's face: one row filled, then copied (a block copy is many times faster than a
  // pixel-by-pixel fill of the whole picture).
  std::fill_n(out.pixels.begin(), kClientWidth, kFaceColor);
  for (int y = 1; y < kClientHeight; ++y)
    std::memcpy(&out.pixels[static_cast<std::size_t>(y) * kClientWidth], out.pixels.data(),
                kClientWidth * sizeof(std::uint32_t));
  for (E e : screen.drawOrder()) {
    switch (screen.get(e).kind) {
      case Kind::Picture: drawPicture(screen, e, out); break;
      case Kind::Label: drawLabel(screen, e, out); break;
      case Kind::Panel: drawPanel(screen, e, out); break;
      default: break;
    }
  }
}

// Opaque, unscaled, at the element's top-left corner; clipped at its right and bottom edges.
void ScreenRenderer::drawPicture(const ScreenModel& screen, E e, Image& out) {
  const Element& el = screen.get(e);
  if (el.picture.empty()) return;
  const Image* img = pictures_.image(el.picture);
  if (!img) {
    // Why it cannot be had, told once for the whole run.
    screen.checkShownPictures();
    return;
  }
  Rect r = screen.rect(e);
  const int w = std::min({r.w, img->width, out.width - r.x});
  const int h = std::min({r.h, img->height, out.height - r.y});
  const int sx = std::max(0, -r.x), sy = std::max(0, -r.y);
  for (int y = sy; y < h; ++y)
    if (w > sx)
      std::memcpy(&out.pixels[static_cast<std::size_t>(r.y + y) * out.width + r.x + sx],
                  &img->pixels[static_cast<std::size_t>(y) * img->width + sx],
                  static_cast<std::size_t>(w - sx) * sizeof(std::uint32_t));
}

void ScreenRenderer::drawLabel(const ScreenModel& screen, E e, Image& out) {
  const Element& el = screen.get(e);
  Rect r = screen.rect(e);
  if (!el.transparent) fillRect(out, r, kFaceColor);
  if (el.caption.empty()) return;
  // A slanted caption may finish its last glyph past the label's edge; a right-aligned one at the
  // window's edge moves in just far enough to be seen whole.
  const int ink = std::max(fonts_.inkWidth(el.font, el.caption), r.w);
  int x = r.x;
  if (el.align == Align::Right && x + ink > out.width) x = std::max(0, out.width - ink);
  fonts_.draw(out, x, r.y, el.font, el.caption, x, r.y, ink, r.h);
}

// A raised one-pixel bevel on the window's face, the caption centred or left-aligned.
void ScreenRenderer::drawPanel(const ScreenModel& screen, E e, Image& out) {
  const Element& el = screen.get(e);
  Rect r = screen.rect(e);
  fillRect(out, r, kFaceColor);
  fillRect(out, {r.x, r.y, r.w, 1}, 0xFFFFFF);
  fillRect(out, {r.x, r.y, 1, r.h}, 0xFFFFFF);
  fillRect(out, {r.x, r.y + r.h - 1, r.w, 1}, 0xA0A0A0);
  fillRect(out, {r.x + r.w - 1, r.y, 1, r.h}, 0xA0A0A0);
  if (el.caption.empty()) return;
  TextSize size = fonts_.measure(el.font, el.caption);
  int x = el.align == Align::Left ? r.x + 2 : el.align == Align::Right ? r.x + r.w - 2 - size.width
                                                                       : r.x + (r.w - size.width) / 2;
  int y = r.y + (r.h - size.height) / 2;
  fonts_.draw(out, x, y, el.font, el.caption, r.x + 1, r.y + 1, r.w - 2, r.h - 2);
}

}  // namespace tenrali
