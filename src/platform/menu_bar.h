#pragma once
// The window's menu bar, drawn the way a desktop draws one: the menus' titles side by side on a
// bar above the client area ("ゲーム", "設定") and, when one is open, its drop-down. The game's
// own entries ("新規開始", a separator, "終了") take their captions and enabled flags from the
// screen model; the window's own settings are check items ("音楽", "効果音") with a check mark
// while on. A disabled entry is greyed and takes no click. Pressing anywhere else closes the
// drop-down and that press goes nowhere else. Coordinates are those of the unscaled window: the
// bar spans y 0..kMenuBarHeight-1 and the client area lies below it.
#include <string>
#include <vector>

#include "data/bmp.h"
#include "platform/fonts.h"
#include "ui/screen_model.h"

namespace tenrali {

inline constexpr int kMenuBarHeight = 20;

// What the window's own check items switch.
enum class WindowCommand { None, Music, Effects };

// One entry of a drop-down: a menu item of the game (its caption and enabled flag are the
// screen model's; a caption "-" is a separator), or a check item of the window's own.
struct MenuEntry {
  E item = E::count;
  std::string caption;  // a check item's
  WindowCommand command = WindowCommand::None;
  const bool* checked = nullptr;  // where the check item's state lives

  static MenuEntry game(E item) { return {item, {}, WindowCommand::None, nullptr}; }
  static MenuEntry check(std::string caption, WindowCommand command, const bool* checked) {
    return {E::count, std::move(caption), command, checked};
  }
};

struct Menu {
  E title = E::count;    // a menu of the game: its title is the screen model's, or
  std::string caption;   // the window's own title
  std::vector<MenuEntry> entries;
};

// What release() chose: a menu item of the game, or a command of the window's own.
struct MenuChoice {
  E item = E::count;
  WindowCommand command = WindowCommand::None;
  bool chosen() const { return item != E::count || command != WindowCommand::None; }
};

class MenuBar {
 public:
  // The menus, left to right.
  MenuBar(const ScreenModel& screen, std::vector<Menu> menus);
  // One menu of the game: its title item and its entries, in order.
  MenuBar(const ScreenModel& screen, E title, const std::vector<E>& entries);

  // The mouse, in window coordinates. press() answers whether the menu took the press (the client
  // must then not see it, nor its release); release() answers the entry chosen, if any.
  bool press(int x, int y);
  MenuChoice release(int x, int y);
  // Moves the highlight; true when what is drawn changed.
  bool move(int x, int y);
  // Closes the drop-down (the window lost the focus); true when it was open.
  bool close();

  bool isOpen() const { return open_ >= 0; }
  // Counts every change of what the menu shows (its own state; entries' enabled flags are in the
  // screen model's revision).
  unsigned revision() const { return revision_; }

  // Where things are, for drawing and for tests. The drop-down and its entries are those of the
  // open menu (the first one while none is open).
  Rect titleRect(std::size_t menu = 0) const;
  Rect dropDownRect() const;
  Rect entryRect(std::size_t index) const;
  std::size_t entryCount() const { return current().entries.size(); }
  const MenuEntry& entry(std::size_t index) const { return current().entries[index]; }
  bool isSeparator(std::size_t index) const;

  // Draws the bar, and the drop-down when open, into the window picture (600 wide times the
  // scale, the bar on top).
  void draw(Image& window, FontLibrary& fonts, int scale = 1) const;
  // Measures the captions; until then a default width is used. Call once the fonts are up.
  void layout(FontLibrary& fonts);

 private:
  const Menu& current() const { return menus_[static_cast<std::size_t>(open_ < 0 ? 0 : open_)]; }
  const std::string& caption(const MenuEntry& entry) const;
  const std::string& title(const Menu& menu) const;
  int titleAt(int x, int y) const;  // index of the title under the point, or -1
  int entryAt(int x, int y) const;  // index of the open menu's entry under the point, or -1
  bool takes(int index) const;      // an enabled entry that is not a separator
  void setHighlight(int index);
  void open(int menu);

  const ScreenModel& screen_;
  std::vector<Menu> menus_;
  std::vector<int> titleWidths_;
  std::vector<int> dropWidths_;
  int open_ = -1;  // the open menu
  int highlight_ = -1;
  unsigned revision_ = 0;
};

}  // namespace tenrali
