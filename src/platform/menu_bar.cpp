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
constexpr int kShortcutGap = 24;    // between an entry's caption and its shortcut
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

// A check mark in the gutter, two strokes two pixels thick, centred on (cx, cy), drawn `s` times
// larger.
void checkMark(Image& out, int cx, int cy, std::uint32_t color, int s) {
  for (int i = 0; i <= 3; ++i) fillRect(out, {cx + (i - 4) * s, cy + (i - 1) * s, s, 3 * s}, color);
  for (int i = 0; i <= 5; ++i) fillRect(out, {cx + i * s, cy + (1 - i) * s, s, 3 * s}, color);
}

}  // namespace

MenuBar::MenuBar(const ScreenModel& screen, E title, std::vector<E> entries) : screen_(screen) {
  Menu game;
  game.title = title;
  for (E e : entries) {
    MenuEntry entry;
    entry.item = e;
    game.entries.push_back(entry);
  }
  menus_.push_back(std::move(game));
}

std::size_t MenuBar::addMenu(std::string caption, std::vector<MenuEntry> entries) {
  Menu m;
  m.caption = std::move(caption);
  m.entries = std::move(entries);
  const Menu& last = menus_.back();
  m.x = last.x + last.width;
  menus_.push_back(std::move(m));
  ++revision_;
  return menus_.size() - 1;
}

const std::string& MenuBar::caption(const MenuEntry& e) const {
  return e.item != E::count ? screen_.get(e.item).caption : e.caption;
}

const std::string& MenuBar::title(const Menu& m) const {
  return m.title != E::count ? screen_.get(m.title).caption : m.caption;
}

bool MenuBar::isSeparator(std::size_t index) const { return caption(shown().entries[index]) == "-"; }

bool MenuBar::takes(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= shown().entries.size() ||
      isSeparator(static_cast<std::size_t>(index)))
    return false;
  const MenuEntry& e = shown().entries[static_cast<std::size_t>(index)];
  return e.item != E::count ? screen_.get(e.item).enabled : e.enabled;
}

void MenuBar::layout(FontLibrary& fonts) {
  int x = 0;
  for (Menu& m : menus_) {
    m.x = x;
    m.width = fonts.measure(menuFont(kText), title(m)).width + 2 * kTitlePad;
    x += m.width;
    int widest = 0;
    for (const MenuEntry& e : m.entries) {
      if (caption(e) == "-") continue;
      int w = fonts.measure(menuFont(kText), caption(e)).width;
      if (!e.shortcut.empty()) w += kShortcutGap + fonts.measure(menuFont(kText), e.shortcut).width;
      widest = std::max(widest, w);
    }
    m.dropWidth = std::max(widest + kTextLeft + kTextRight, 120);
  }
  ++revision_;
}

Rect MenuBar::titleRect(std::size_t menu) const { return {menus_[menu].x, 0, menus_[menu].width, kMenuBarHeight - 1}; }

Rect MenuBar::entryRect(std::size_t index) const {
  const Menu& m = shown();
  int y = kMenuBarHeight + 3;
  for (std::size_t i = 0; i < index; ++i) y += isSeparator(i) ? kSeparatorHeight : kEntryHeight;
  return {m.x + 3, y, m.dropWidth - 6, isSeparator(index) ? kSeparatorHeight : kEntryHeight};
}

Rect MenuBar::dropDownRect() const {
  const Menu& m = shown();
  Rect last = entryRect(m.entries.size() - 1);
  return {m.x, kMenuBarHeight, m.dropWidth, last.y + last.h + 3 - kMenuBarHeight};
}

int MenuBar::entryAt(int x, int y) const {
  if (!isOpen()) return -1;
  for (std::size_t i = 0; i < shown().entries.size(); ++i)
    if (entryRect(i).contains(x, y)) return static_cast<int>(i);
  return -1;
}

int MenuBar::titleAt(int x, int y) const {
  for (std::size_t i = 0; i < menus_.size(); ++i)
    if (titleRect(i).contains(x, y)) return static_cast<int>(i);
  return -1;
}

void MenuBar::setHighlight(int index) {
  if (highlight_ == index) return;
  highlight_ = index;
  ++revision_;
}

void MenuBar::open(int menu, bool lightFirst) {
  open_ = menu;
  highlight_ = -1;
  if (lightFirst)
    for (int i = 0; i < static_cast<int>(shown().entries.size()) && highlight_ < 0; ++i)
      if (takes(i)) highlight_ = i;
  ++revision_;
}

bool MenuBar::press(int x, int y) {
  if (const int t = titleAt(x, y); t >= 0) {
    if (open_ == t) close();
    else open(t, false);
    return true;
  }
  if (isOpen()) {
    if (!dropDownRect().contains(x, y)) close();  // a press elsewhere only closes the menu
    return true;
  }
  return y >= 0 && y < kMenuBarHeight;  // the bar itself, beside the titles
}

MenuChoice MenuBar::choose(int index) {
  if (!takes(index)) return {};  // a greyed entry, the separator, the title: the menu stays open
  const MenuEntry& e = shown().entries[static_cast<std::size_t>(index)];
  MenuChoice chosen{e.item, e.command};
  close();
  return chosen;
}

MenuChoice MenuBar::release(int x, int y) {
  if (!isOpen()) return {};
  return choose(entryAt(x, y));
}

bool MenuBar::move(int x, int y) {
  if (!isOpen()) return false;
  const unsigned before = revision_;
  // Along the bar, the drop-down follows the pointer from title to title.
  if (const int t = titleAt(x, y); t >= 0 && t != open_) open(t, false);
  const int index = entryAt(x, y);
  setHighlight(takes(index) ? index : -1);
  return revision_ != before;
}

bool MenuBar::close() {
  if (!isOpen()) return false;
  open_ = -1;
  highlight_ = -1;
  ++revision_;
  return true;
}

void MenuBar::openFromKeyboard() {
  if (!isOpen()) open(0, true);
}

MenuChoice MenuBar::key(MenuKey k) {
  if (!isOpen()) return {};
  const int menus = static_cast<int>(menus_.size());
  const int count = static_cast<int>(shown().entries.size());
  switch (k) {
    case MenuKey::Left:
    case MenuKey::Right:
      open((open_ + (k == MenuKey::Left ? menus - 1 : 1)) % menus, true);
      return {};
    case MenuKey::Up:
    case MenuKey::Down: {
      // The next entry that can be chosen, round the menu.
      const int dir = k == MenuKey::Up ? -1 : 1;
      int i = highlight_ < 0 ? (dir > 0 ? -1 : count) : highlight_;
      for (int n = 0; n < count; ++n) {
        i = (i + dir + count) % count;
        if (takes(i)) {
          setHighlight(i);
          break;
        }
      }
      return {};
    }
    case MenuKey::Choose: return choose(highlight_);
    case MenuKey::Close: close(); return {};
  }
  return {};
}

MenuEntry* MenuBar::command(int command) {
  for (Menu& m : menus_)
    for (MenuEntry& e : m.entries)
      if (e.item == E::count && e.command == command) return &e;
  return nullptr;
}

const MenuEntry* MenuBar::findCommand(int c) const { return const_cast<MenuBar*>(this)->command(c); }

void MenuBar::setChecked(int c, bool checked) {
  MenuEntry* e = command(c);
  if (!e || e->checked == checked) return;
  e->checked = checked;
  ++revision_;
}

void MenuBar::setEnabled(int c, bool enabled) {
  MenuEntry* e = command(c);
  if (!e || e->enabled == enabled) return;
  e->enabled = enabled;
  if (!enabled && isOpen() && highlight_ >= 0 && !takes(highlight_)) highlight_ = -1;
  ++revision_;
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
  const std::vector<MenuEntry>& entries = shown().entries;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Rect r = at(entryRect(i));
    if (isSeparator(i)) {
      fillRect(out, {r.x + (kTextLeft - 2) * s, r.y + r.h / 2, r.w - (kTextLeft - 2) * s, s}, kSeparatorLine);
      continue;
    }
    if (static_cast<int>(i) == highlight_) fillRect(out, r, kHighlightFill);
    const Rgb color = takes(static_cast<int>(i)) ? kText : kGreyText;
    const Font f = font(color);
    const int textY = r.y + (r.h - textHeight) / 2;
    fonts.draw(out, r.x + kTextLeft * s, textY, f, caption(entries[i]), r.x, r.y, r.w, r.h);
    if (!entries[i].shortcut.empty()) {
      const int w = fonts.measure(f, entries[i].shortcut).width;
      fonts.draw(out, r.x + r.w - kTextRight * s / 2 - w, textY, f, entries[i].shortcut, r.x, r.y, r.w, r.h);
    }
    if (entries[i].checkable && entries[i].checked)
      checkMark(out, r.x + kTextLeft * s / 2, r.y + r.h / 2, (std::uint32_t{color.r} << 16) | (color.g << 8) | color.b, s);
  }
}

}  // namespace tenrali
