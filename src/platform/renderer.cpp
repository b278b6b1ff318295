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

void blit(Image& out, const Image& from, int x, int y, int w, int h, Rect clip) {
  const int x0 = std::max({x, clip.x, 0}), y0 = std::max({y, clip.y, 0});
  const int x1 = std::min({x + w, clip.x + clip.w, out.width}), y1 = std::min({y + h, clip.y + clip.h, out.height});
  if (x0 >= x1 || y0 >= y1 || from.width <= 0 || from.height <= 0) return;
  const bool same = from.width == w && from.height == h;
  for (int py = y0; py < y1; ++py) {
    const int sy = same ? py - y : static_cast<int>(static_cast<std::int64_t>(py - y) * from.height / h);
    const std::uint32_t* src = &from.pixels[static_cast<std::size_t>(sy) * from.width];
    std::uint32_t* dst = &out.pixels[static_cast<std::size_t>(py) * out.width];
    if (same) {
      std::memcpy(dst + x0, src + (x0 - x), static_cast<std::size_t>(x1 - x0) * sizeof(std::uint32_t));
    } else {
      for (int px = x0; px < x1; ++px) dst[px] = src[static_cast<std::int64_t>(px - x) * from.width / w];
    }
  }
}

void ScreenRenderer::render(const ScreenModel& screen, Image& out) {
  const int width = kClientWidth * scale_, height = kClientHeight * scale_;
  out.width = width;
  out.height = height;
  out.pixels.resize(static_cast<std::size_t>(width) * height);
  // The window's face: one row filled, then copied (a block copy is many times faster than a
  // pixel-by-pixel fill of the whole picture).
  std::fill_n(out.pixels.begin(), width, kFaceColor);
  for (int y = 1; y < height; ++y)
    std::memcpy(&out.pixels[static_cast<std::size_t>(y) * width], out.pixels.data(), width * sizeof(std::uint32_t));
  for (E e : screen.drawOrder()) {
    switch (screen.get(e).kind) {
      case Kind::Picture: drawPicture(screen, e, out); break;
      case Kind::Label: drawLabel(screen, e, out); break;
      case Kind::Panel: drawPanel(screen, e, out); break;
      default: break;
    }
  }
  pictures_.frameDrawn();
}

// Opaque, at the element's top-left corner, at the picture's own size (times the scale); clipped
// at the element's right and bottom edges.
void ScreenRenderer::drawPicture(const ScreenModel& screen, E e, Image& out) {
  const Element& el = screen.get(e);
  if (el.picture.empty()) return;
  int w = 0, h = 0;
  std::string error = "cannot be decoded";
  const Image* img = pictures_.load(el.picture, w, h, error) ? pictures_.image(el.picture, scale_) : nullptr;
  if (!img) {
    if (warn_ && warned_.insert(el.picture).second)
      warn_("tenrali: cannot draw the picture \"" + el.picture + "\" of " + elementName(e) + ": " + error);
    return;
  }
  const Rect r = scaled(screen.rect(e));
  blit(out, *img, r.x, r.y, w * scale_, h * scale_, r);
}

// Where a right-aligned label of a panel must end its text: at its own right edge, or where a
// later opaque label of the same panel begins over it (the day number beside "日目"), so that
// no digit lies hidden under the other label.
int ScreenRenderer::textEnd(const ScreenModel& screen, E e, const Rect& r) const {
  const Element& el = screen.get(e);
  int end = r.x + r.w;
  if (el.parent == E::count || el.align != Align::Right) return end;
  for (int i = index(e) + 1; i < kElementCount; ++i) {
    const E other = elementAt(i);
    const Element& o = screen.get(other);
    if (o.parent != el.parent || o.kind != Kind::Label || o.transparent || !screen.isShown(other)) continue;
    const Rect q = screen.rect(other);
    if (q.y < r.y + r.h && r.y < q.y + q.h && q.x < end && q.x + q.w > r.x) end = std::max(q.x, r.x);
  }
  return end;
}

// The text at the label's left edge, or for a right-aligned label ending at its right edge; at a
// larger scale the text is set at that many times its size and measured again.
void ScreenRenderer::drawLabel(const ScreenModel& screen, E e, Image& out) {
  const Element& el = screen.get(e);
  const Rect model = screen.rect(e);
  const Rect r = scaled(model);
  if (!el.transparent) fillRect(out, r, kFaceColor);
  if (el.caption.empty()) return;
  const Font font = scaled(el.font);
  const TextSize size = scale_ > 1 ? fonts_.measure(font, el.caption) : TextSize{r.w, r.h};
  // A slanted caption may finish its last glyph past the label's edge; a right-aligned one at the
  // window's edge moves in just far enough to be seen whole.
  const int ink = std::max(fonts_.inkWidth(font, el.caption), size.width);
  int x = el.align == Align::Right ? textEnd(screen, e, model) * scale_ - size.width : r.x;
  if (el.align == Align::Right && x + ink > out.width) x = std::max(0, out.width - ink);
  fonts_.draw(out, x, r.y, font, el.caption, x, r.y, ink, std::max(r.h, size.height));
}

// A raised bevel on the window's face, the caption centred or left-aligned.
void ScreenRenderer::drawPanel(const ScreenModel& screen, E e, Image& out) {
  const Element& el = screen.get(e);
  const Rect r = scaled(screen.rect(e));
  const int s = scale_;
  fillRect(out, r, kFaceColor);
  fillRect(out, {r.x, r.y, r.w, s}, 0xFFFFFF);
  fillRect(out, {r.x, r.y, s, r.h}, 0xFFFFFF);
  fillRect(out, {r.x, r.y + r.h - s, r.w, s}, 0xA0A0A0);
  fillRect(out, {r.x + r.w - s, r.y, s, r.h}, 0xA0A0A0);
  if (el.caption.empty()) return;
  const Font font = scaled(el.font);
  TextSize size = fonts_.measure(font, el.caption);
  int x = el.align == Align::Left    ? r.x + 2 * s
          : el.align == Align::Right ? r.x + r.w - 2 * s - size.width
                                     : r.x + (r.w - size.width) / 2;
  int y = r.y + (r.h - size.height) / 2;
  fonts_.draw(out, x, y, font, el.caption, r.x + s, r.y + s, r.w - 2 * s, r.h - 2 * s);
}

}  // namespace tenrali
