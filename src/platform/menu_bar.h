#pragma once
// The window's menu bar, drawn the way a desktop draws one: the menus' titles on a bar above the
// client area and, when one is open, its drop-down. The game's own menu ("ゲーム") shows the game's
// menu items; the window adds menus of its own (settings) whose entries may be check items and
// show their shortcut key at the right. A disabled entry is greyed and takes no click. Pressing
// anywhere else closes the drop-down and that press goes nowhere else. From the keyboard, F10 or
// Alt opens the first menu, the arrows move, Enter chooses and Escape closes.
// Coordinates are those of the unscaled window: the bar spans y 0..kMenuBarHeight-1 and the
// client area lies below it.
#include <string>
#include <vector>

#include "data/bmp.h"
#include "platform/fonts.h"
#include "ui/screen_model.h"

namespace tenrali {

inline constexpr int kMenuBarHeight = 20;

struct MenuEntry {
  E item = E::count;     // a menu item of the game: its caption and enabled flag are the game's
  int command = 0;       // otherwise a command of the window (its own numbers, never 0)
  std::string caption;   // the window's entries; "-" is a separator line
  std::string shortcut;  // the key shown at the right ("F11")
  bool checkable = false;
  bool checked = false;
  bool enabled = true;
};

// What the player chose: a menu item of the game or a command of the window; neither when empty.
struct MenuChoice {
  E item = E::count;
  int command = 0;
  explicit operator bool() const { return item != E::count || command != 0; }
  bool operator==(E e) const { return command == 0 && item == e; }
};

enum class MenuKey { Left, Right, Up, Down, Choose, Close };

class MenuBar {
 public:
  // The game's menu of the window description: its title item and its entries, in order.
  MenuBar(const ScreenModel& screen, E title, std::vector<E> entries);
  // Another menu to the right of those before it; returns its index.
  std::size_t addMenu(std::string title, std::vector<MenuEntry> entries);

  // The mouse, in window coordinates. press() answers whether the menu took the press (the client
  // must then not see it, nor its release); release() answers the entry chosen, if any.
  bool press(int x, int y);
  MenuChoice release(int x, int y);
  // Moves the highlight, or to another menu's drop-down while one is open; true when what is
  // drawn changed.
  bool move(int x, int y);
  // Closes the drop-down (the window lost the focus); true when it was open.
  bool close();

  // The keyboard: opens the first menu with its first entry lit; then the arrows, Enter and
  // Escape (MenuKey) move, choose and close.
  void openFromKeyboard();
  MenuChoice key(MenuKey key);

  // The window's own entries, by command.
  void setChecked(int command, bool checked);
  void setEnabled(int command, bool enabled);
  const MenuEntry* findCommand(int command) const;

  bool isOpen() const { return open_ >= 0; }
  // Counts every change of what the menus show (their own state; the game's entries' enabled
  // flags are in the screen model's revision).
  unsigned revision() const { return revision_; }

  // Where things are, for drawing and for tests; the entries are those of the open menu, or of
  // `menu` when none is open.
  std::size_t menuCount() const { return menus_.size(); }
  Rect titleRect(std::size_t menu = 0) const;
  Rect dropDownRect() const;
  Rect entryRect(std::size_t index) const;
  std::size_t entryCount() const { return shown().entries.size(); }
  bool isSeparator(std::size_t index) const;

  // Draws the bar, and the drop-down when open, into the window picture (600 wide times the
  // scale, the bar on top).
  void draw(Image& window, FontLibrary& fonts, int scale = 1) const;
  // Measures the captions; until then a default width is used. Call once the fonts are up.
  void layout(FontLibrary& fonts);

 private:
  struct Menu {
    E title = E::count;  // the game's menu: its title item
    std::string caption;
    std::vector<MenuEntry> entries;
    int x = 0, width = 48, dropWidth = 120;
  };
  const Menu& shown() const { return menus_[open_ >= 0 ? static_cast<std::size_t>(open_) : 0]; }
  const std::string& caption(const MenuEntry& e) const;
  const std::string& title(const Menu& m) const;
  int entryAt(int x, int y) const;  // index of the entry under the point, or -1
  int titleAt(int x, int y) const;  // index of the menu whose title is under the point, or -1
  bool takes(int index) const;      // an enabled entry that is not a separator
  void open(int menu, bool lightFirst);
  void setHighlight(int index);
  MenuChoice choose(int index);
  MenuEntry* command(int command);

  const ScreenModel& screen_;
  std::vector<Menu> menus_;
  int open_ = -1;
  int highlight_ = -1;
  unsigned revision_ = 0;
};

}  // namespace tenrali
