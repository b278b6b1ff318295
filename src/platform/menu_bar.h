#pragma once
// The window's menu bar, drawn the way a desktop draws one: the title "ゲーム" on a bar above
// the client area and, when it is open, a drop-down with "新規開始", a separator and "終了".
// A disabled entry is greyed and takes no click. Pressing anywhere else closes the drop-down
// and that press goes nowhere else. Coordinates are those of the unscaled window: the bar
// spans y 0..kMenuBarHeight-1 and the client area lies below it.
#include <vector>

#include "data/bmp.h"
#include "platform/fonts.h"
#include "ui/screen_model.h"

namespace tenrali {

inline constexpr int kMenuBarHeight = 20;

class MenuBar {
 public:
  // The menu of the window description: its title item and its entries, in order.
  MenuBar(const ScreenModel& screen, E title, std::vector<E> entries);

  // The mouse, in window coordinates. press() answers whether the menu took the press (the client
  // must then not see it, nor its release); release() answers the entry chosen, or E::count.
  bool press(int x, int y);
  E release(int x, int y);
  // Moves the highlight; true when what is drawn changed.
  bool move(int x, int y);
  // Closes the drop-down (the window lost the focus); true when it was open.
  bool close();

  bool isOpen() const { return open_; }
  // Counts every change of what the menu shows (its own state; entries' enabled flags are in the
  // screen model's revision).
  unsigned revision() const { return revision_; }

  // Where things are, for drawing and for tests.
  Rect titleRect() const;
  Rect dropDownRect() const;
  Rect entryRect(std::size_t index) const;
  std::size_t entryCount() const { return entries_.size(); }
  E entry(std::size_t index) const { return entries_[index]; }
  bool isSeparator(std::size_t index) const;

  // Draws the bar, and the drop-down when open, into the window picture (600 wide times the
  // scale, the bar on top).
  void draw(Image& window, FontLibrary& fonts, int scale = 1) const;
  // Measures the captions; until then a default width is used. Call once the fonts are up.
  void layout(FontLibrary& fonts);

 private:
  int entryAt(int x, int y) const;  // index of the entry under the point, or -1
  bool takes(int index) const;      // an enabled entry that is not a separator
  void setHighlight(int index);

  const ScreenModel& screen_;
  E title_;
  std::vector<E> entries_;
  int titleWidth_ = 48;
  int dropWidth_ = 120;
  bool open_ = false;
  int highlight_ = -1;
  unsigned revision_ = 0;
};

}  // namespace tenrali
