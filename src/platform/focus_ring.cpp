#include "platform/focus_ring.h"

#include <algorithm>

#include "platform/renderer.h"

namespace tenrali {

namespace {

constexpr int kGap = 1;  // between the element and the ring
constexpr std::uint32_t kDark = 0x202020;
constexpr std::uint32_t kBright = 0xFFB000;

void frame(Image& out, Rect r, std::uint32_t color, int s) {
  if (r.w <= 0 || r.h <= 0) return;
  fillRect(out, {r.x, r.y, r.w, s}, color);
  fillRect(out, {r.x, r.y + r.h - s, r.w, s}, color);
  fillRect(out, {r.x, r.y, s, r.h}, color);
  fillRect(out, {r.x + r.w - s, r.y, s, r.h}, color);
}

Rect grow(Rect r, int by) { return {r.x - by, r.y - by, r.w + 2 * by, r.h + 2 * by}; }

}  // namespace

void drawFocusRing(Image& out, Rect around, int top, int scale) {
  if (around.w <= 0 || around.h <= 0) return;
  // The outer edge, kept inside the client area; then each line `scale` pixels thick.
  Rect r = grow(around, kGap + 4);
  const int x0 = std::max(r.x, 0), y0 = std::max(r.y, 0);
  const int x1 = std::min(r.x + r.w, kClientWidth), y1 = std::min(r.y + r.h, kClientHeight);
  r = {x0, y0 + top, x1 - x0, y1 - y0};
  const int s = std::max(scale, 1);
  auto at = [s](Rect q) { return Rect{q.x * s, q.y * s, q.w * s, q.h * s}; };
  frame(out, at(r), kDark, s);
  frame(out, at(grow(r, -1)), kBright, s);
  frame(out, at(grow(r, -2)), kBright, s);
  frame(out, at(grow(r, -3)), kDark, s);
}

}  // namespace tenrali
