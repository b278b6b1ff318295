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

MenuBar::MenuBar(const ScreenModel& screen, std::vector<Menu> menus)
    : screen_(screen), menus_(std::move(menus)), titleWidths_(menus_.size(), 48), dropWidths_(menus_.size(), 120) {}

MenuBar::MenuBar(const ScreenModel& screen, E title, const std::vector<E>& entries)
    : MenuBar(screen, {Menu{title, {}, {}}}) {
  for (E e : entries) menus_[0].entries.push_back(MenuEntry::game(e));
}

const std::string& MenuBar::caption(const MenuEntry& entry) const {
  return entry.item != E::count ? screen_.get(entry.item).caption : entry.caption;
}

const std::string& MenuBar::title(const Menu& menu) const {
  return menu.title != E::count ? screen_.get(menu.title).caption : menu.caption;
}

bool MenuBar::isSeparator(std::size_t index) const {
  const MenuEntry& e = current().entries[index];
  return e.item != E::count && caption(e) == "-";
}

bool MenuBar::takes(int index) const {
  if (index < 0 || isSeparator(static_cast<std::size_t>(index))) return false;
  const MenuEntry& e = current().entries[static_cast<std::size_t>(index)];
  return e.item == E::count || screen_.get(e.item).enabled;
}

void MenuBar::layout(FontLibrary& fonts) {
  for (std::size_t m = 0; m < menus_.size(); ++m) {
    titleWidths_[m] = fonts.measure(menuFont(kText), title(menus_[m])).width + 2 * kTitlePad;
    int widest = 0;
    for (const MenuEntry& e : menus_[m].entries)
      if (caption(e) != "-") widest = std::max(widest, fonts.measure(menuFont(kText), caption(e)).width);
    dropWidths_[m] = std::max(widest + kTextLeft + kTextRight, 120);
  }
  ++revision_;
}

Rect MenuBar::titleRect(std::size_t menu) const {
  int x = 0;
  for (std::size_t m = 0; m < menu; ++m) x += titleWidths_[m];
  return {x, 0, titleWidths_[menu], kMenuBarHeight - 1};
}

Rect MenuBar::entryRect(std::size_t index) const {
  int y = kMenuBarHeight + 3;
  for (std::size_t i = 0; i < index; ++i) y += isSeparator(i) ? kSeparatorHeight : kEntryHeight;
  const int left = titleRect(static_cast<std::size_t>(std::max(open_, 0))).x;
  const int width = dropWidths_[static_cast<std::size_t>(std::max(open_, 0))];
  return {left + 3, y, width - 6, isSeparator(index) ? kSeparatorHeight : kEntryHeight};
}

Rect MenuBar::dropDownRect() const {
  Rect last = entryRect(entryCount() - 1);
  return {last.x - 3, kMenuBarHeight, last.w + 6, last.y + last.h + 3 - kMenuBarHeight};
}

int MenuBar::titleAt(int x, int y) const {
  for (std::size_t m = 0; m < menus_.size(); ++m)
    if (titleRect(m).contains(x, y)) return static_cast<int>(m);
  return -1;
}

int MenuBar::entryAt(int x, int y) const {
  if (!isOpen()) return -1;
  for (std::size_t i = 0; i < entryCount(); ++i)
    if (entryRect(i).contains(x, y)) return static_cast<int>(i);
  return -1;
}

void MenuBar::setHighlight(int index) {
  if (highlight_ == index) return;
  highlight_ = index;
  ++revision_;
}

void MenuBar::open(int menu) {
  open_ = menu;
  highlight_ = -1;
  ++revision_;
}

bool MenuBar::press(int x, int y) {
  if (const int t = titleAt(x, y); t >= 0) {
    open(t == open_ ? -1 : t);
    return true;
  }
  if (isOpen()) {
    if (!dropDownRect().contains(x, y)) close();  // a press elsewhere only closes the menu
    return true;
  }
  return y >= 0 && y < kMenuBarHeight;  // the bar itself, beside the titles
}

MenuChoice MenuBar::release(int x, int y) {
  if (!isOpen()) return {};
  const int index = entryAt(x, y);
  if (!takes(index)) return {};  // a greyed entry, the separator, a title: the menu stays open
  const MenuEntry& e = current().entries[static_cast<std::size_t>(index)];
  const MenuChoice choice{e.item, e.command};
  close();
  return choice;
}

bool MenuBar::move(int x, int y) {
  if (!isOpen()) return false;
  const unsigned before = revision_;
  // Sliding along the bar with a menu open opens the menu under the pointer, as desktops do.
  if (const int t = titleAt(x, y); t >= 0 && t != open_) open(t);
  const int index = entryAt(x, y);
  setHighlight(takes(index) ? index : -1);
  return revision_ != before;
}

bool MenuBar::close() {
  if (!isOpen()) return false;
  open(-1);
  return true;
}

namespace {
// A check mark in the gutter of an entry: a short stroke down and a long one up.
void checkMark(Image& out, Rect r, std::uint32_t color, int s) {
  const int x0 = r.x + 9 * s, y0 = r.y + r.h / 2;
  for (int i = 0; i < 3; ++i) fillRect(out, {x0 + i * s, y0 + i * s, 2 * s, 2 * s}, color);
  for (int i = 0; i < 6; ++i) fillRect(out, {x0 + (3 + i) * s, y0 + (1 - i) * s, 2 * s, 2 * s}, color);
}
}  // namespace

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
  const int textHeight = fonts.measure(font(kText), title(menus_[0])).height;
  for (std::size_t m = 0; m < menus_.size(); ++m) {
    const Rect t = at(titleRect(m));
    if (static_cast<int>(m) == open_) {
      fillRect(out, t, kOpenTitleFill);
      frame(out, t, kOpenTitleEdge, s);
    }
    fonts.draw(out, t.x + kTitlePad * s, t.y + (t.h - textHeight) / 2, font(kText), title(menus_[m]), t.x, t.y, t.w,
               t.h);
  }
  if (!isOpen()) return;

  const Rect d = at(dropDownRect());
  shade(out, {d.x + d.w, d.y + kShadow * s, kShadow * s, d.h});
  shade(out, {d.x + kShadow * s, d.y + d.h, d.w - kShadow * s, kShadow * s});
  fillRect(out, d, kDropFill);
  frame(out, d, kDropEdge, s);
  for (std::size_t i = 0; i < entryCount(); ++i) {
    const Rect r = at(entryRect(i));
    if (isSeparator(i)) {
      fillRect(out, {r.x + (kTextLeft - 2) * s, r.y + r.h / 2, r.w - (kTextLeft - 2) * s, s}, kSeparatorLine);
      continue;
    }
    if (static_cast<int>(i) == highlight_) fillRect(out, r, kHighlightFill);
    const MenuEntry& e = current().entries[i];
    if (e.checked && *e.checked) checkMark(out, r, 0x000000, s);
    const Font f = font(takes(static_cast<int>(i)) ? kText : kGreyText);
    fonts.draw(out, r.x + kTextLeft * s, r.y + (r.h - textHeight) / 2, f, caption(e), r.x, r.y, r.w, r.h);
  }
}

}  // namespace tenrali
