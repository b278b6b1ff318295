#include "platform/menu_bar.h"

#include <algorithm>

#include "platform/renderer.h"

namespace tenrali {

namespace {

constexpr int kTitlePad = 8;        // blank on each side of the title's caption
constexpr int kEntryHeight = 22;
constexpr int kSeparatorHeight = 9;
constexpr int kTextLeft = 28;       // the gutter where a desktop menu puts its check marks
constexpr int kTextRight = 40;
constexpr int kShadow = 2;
constexpr int kWindowWidthUnscaled = 600;

constexpr std::uint32_t kBarColor = 0xF0F0F0;
constexpr std::uint32_t kBarLine = 0xE0E0E0;
constexpr std::uint32_t kOpenTitleFill = 0xCCE8FF;
constexpr std::uint32_t kOpenTitleEdge = 0x99D1FF;
constexpr std::uint32_t kDropFill = 0xF2F2F2;
constexpr std::uint32_t kDropEdge = 0xCCCCCC;
constexpr std::uint32_t kSeparatorLine = 0xD7D7D7;
constexpr std::uint32_t kHighlightFill = 0x91C9F7;
constexpr Rgb kText{0, 0, 0};
constexpr Rgb kGreyText{0x6D, 0x6D, 0x6D};

Font menuFont(Rgb color) { return Font{faces::pGothic, 12, color, false, false}; }

void frame(Image& out, Rect r, std::uint32_t color, int w) {
  fillRect(out, {r.x, r.y, r.w, w}, color);
  fillRect(out, {r.x, r.y + r.h - w, r.w, w}, color);
  fillRect(out, {r.x, r.y, w, r.h}, color);
  fillRect(out, {r.x + r.w - w, r.y, w, r.h}, color);
}

// Darkens what lies under a drop shadow.
void shade(Image& out, Rect r) {
  const int x0 = std::max(r.x, 0), y0 = std::max(r.y, 0);
  const int x1 = std::min(r.x + r.w, out.width), y1 = std::min(r.y + r.h, out.height);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      std::uint32_t& p = out.pixels[static_cast<std::size_t>(y) * out.width + x];
      p = (p >> 1) & 0x7F7F7F;
      p += (p >> 1) & 0x7F7F7F;  // three quarters of the light
    }
}

}  // namespace

MenuBar::MenuBar(const ScreenModel& screen, E title, std::vector<E> entries)
    : screen_(screen), title_(title), entries_(std::move(entries)) {}

bool MenuBar::isSeparator(std::size_t index) const { return screen_.get(entries_[index]).caption == "-"; }

bool MenuBar::takes(int index) const {
  return index >= 0 && !isSeparator(static_cast<std::size_t>(index)) &&
         screen_.get(entries_[static_cast<std::size_t>(index)]).enabled;
}

void MenuBar::layout(FontLibrary& fonts) {
  titleWidth_ = fonts.measure(menuFont(kText), screen_.get(title_).caption).width + 2 * kTitlePad;
  int widest = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (!isSeparator(i)) widest = std::max(widest, fonts.measure(menuFont(kText), screen_.get(entries_[i]).caption).width);
  dropWidth_ = std::max(widest + kTextLeft + kTextRight, 120);
  ++revision_;
}

Rect MenuBar::titleRect() const { return {0, 0, titleWidth_, kMenuBarHeight - 1}; }

Rect MenuBar::entryRect(std::size_t index) const {
  int y = kMenuBarHeight + 3;
  for (std::size_t i = 0; i < index; ++i) y += isSeparator(i) ? kSeparatorHeight : kEntryHeight;
  return {3, y, dropWidth_ - 6, isSeparator(index) ? kSeparatorHeight : kEntryHeight};
}

Rect MenuBar::dropDownRect() const {
  Rect last = entryRect(entries_.size() - 1);
  return {0, kMenuBarHeight, dropWidth_, last.y + last.h + 3 - kMenuBarHeight};
}

int MenuBar::entryAt(int x, int y) const {
  if (!open_) return -1;
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (entryRect(i).contains(x, y)) return static_cast<int>(i);
  return -1;
}

void MenuBar::setHighlight(int index) {
  if (highlight_ == index) return;
  highlight_ = index;
  ++revision_;
}

bool MenuBar::press(int x, int y) {
  if (titleRect().contains(x, y)) {
    open_ = !open_;
    highlight_ = -1;
    ++revision_;
    return true;
  }
  if (open_) {
    if (!dropDownRect().contains(x, y)) close();  // a press elsewhere only closes the menu
    return true;
  }
  return y >= 0 && y < kMenuBarHeight;  // the bar itself, beside the title
}

E MenuBar::release(int x, int y) {
  if (!open_) return E::count;
  const int index = entryAt(x, y);
  if (!takes(index)) return E::count;  // a greyed entry, the separator, the title: the menu stays open
  close();
  return entries_[static_cast<std::size_t>(index)];
}

bool MenuBar::move(int x, int y) {
  if (!open_) return false;
  const unsigned before = revision_;
  const int index = entryAt(x, y);
  setHighlight(takes(index) ? index : -1);
  return revision_ != before;
}

bool MenuBar::close() {
  if (!open_) return false;
  open_ = false;
  highlight_ = -1;
  ++revision_;
  return true;
}

void MenuBar::draw(Image& out, FontLibrary& fonts, int scale) const {
  const int s = std::max(scale, 1);
  auto at = [s](Rect r) { return Rect{r.x * s, r.y * s, r.w * s, r.h * s}; };
  auto font = [s](Rgb color) {
    Font f = menuFont(color);
    f.height *= s;
    return f;
  };
  fillRect(out, at({0, 0, kWindowWidthUnscaled, kMenuBarHeight - 1}), kBarColor);
  fillRect(out, at({0, kMenuBarHeight - 1, kWindowWidthUnscaled, 1}), kBarLine);
  const Rect t = at(titleRect());
  if (open_) {
    fillRect(out, t, kOpenTitleFill);
    frame(out, t, kOpenTitleEdge, s);
  }
  const int textHeight = fonts.measure(font(kText), screen_.get(title_).caption).height;
  fonts.draw(out, t.x + kTitlePad * s, t.y + (t.h - textHeight) / 2, font(kText), screen_.get(title_).caption, t.x, t.y,
             t.w, t.h);
  if (!open_) return;

  const Rect d = at(dropDownRect());
  shade(out, {d.x + d.w, d.y + kShadow * s, kShadow * s, d.h});
  shade(out, {d.x + kShadow * s, d.y + d.h, d.w - kShadow * s, kShadow * s});
  fillRect(out, d, kDropFill);
  frame(out, d, kDropEdge, s);
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Rect r = at(entryRect(i));
    if (isSeparator(i)) {
      fillRect(out, {r.x + (kTextLeft - 2) * s, r.y + r.h / 2, r.w - (kTextLeft - 2) * s, s}, kSeparatorLine);
      continue;
    }
    if (static_cast<int>(i) == highlight_) fillRect(out, r, kHighlightFill);
    const Font f = font(screen_.get(entries_[i]).enabled ? kText : kGreyText);
    const std::string& caption = screen_.get(entries_[i]).caption;
    fonts.draw(out, r.x + kTextLeft * s, r.y + (r.h - textHeight) / 2, f, caption, r.x, r.y, r.w, r.h);
  }
}

}  // namespace tenrali
