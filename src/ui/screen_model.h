#pragma once
// The main window's content: a flat list of named elements (pictures, labels, panels, timers,
// menu items) that the game shows, hides, captions and fills with pictures. The elements live
// as long as the window; the game never creates or destroys one.
#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/element_id.h"
#include "ui/font.h"
#include "ui/picture_store.h"
#include "ui/text_metrics.h"

namespace tenrali {

enum class Kind : std::uint8_t { Picture, Label, Panel, Timer, MenuItem };
enum class Align : std::uint8_t { Left, Right, Center };

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
  bool operator==(const Rect&) const = default;
};

struct Element {
  E id = E::count;
  Kind kind = Kind::Picture;
  int left = 0, top = 0, width = 0, height = 0;  // a panel's child: relative to the panel
  bool visible = false;
  bool autoSize = false;
  bool clickable = false;  // has a click binding
  std::string picture;     // bare file name of the picture shown; "" for none
  std::string caption;     // UTF-8
  Font font;
  Align align = Align::Left;
  bool transparent = true;
  int rightEdge = 0;     // where a right-aligned label's right edge stays
  E parent = E::count;   // the panel holding this label
  bool enabled = false;  // timers and menu items
  int interval = 0;      // timers, in milliseconds
};

class ScreenModel {
 public:
  ScreenModel(TextMetrics& metrics, PictureStore& pictures);

  const Element& get(E e) const { return elements_[static_cast<std::size_t>(index(e))]; }

  // The operations of the game logic; each acts at once.
  void show(E e) { setVisible(e, true); }
  void hide(E e) { setVisible(e, false); }
  void setVisible(E e, bool visible);
  void setCaption(E e, std::string_view text);  // a label re-sizes to its text
  void setNumber(E e, long long value) { setCaption(e, std::to_string(value)); }
  void setFontColor(E e, Rgb color);
  // Reads the picture by bare name; an auto-size element takes its size. A picture that cannot
  // be read is reported and the element keeps what it showed.
  bool loadPicture(E e, const std::string& file);
  // Puts an element back exactly as an earlier copy of it shows it.
  void restore(const Element& earlier);
  void enableTimer(E timer, bool on);
  void enableMenuItem(E item, bool on);
  unsigned timerGeneration(E timer) const { return timerGeneration_[static_cast<std::size_t>(index(timer))]; }

  // Visible and, for a panel's label, inside a visible panel.
  bool isShown(E e) const;
  // The element's rectangle in client coordinates. A label takes the size of its caption here,
  // when its size is first needed, not each time the caption changes.
  Rect rect(E e) const;
  // The element that takes a click at this point: the topmost shown element whose rectangle holds
  // it, panels first; E::count when none. It takes the click even without a binding.
  E hitTest(int x, int y) const;
  // The same against a drawing order already taken (many points of one unchanged screen).
  E hitTest(int x, int y, const std::vector<E>& order) const;
  // The shown elements in drawing order: pictures and labels by z, then the panels (each followed
  // by its labels) above them all.
  std::vector<E> drawOrder() const;

  // Counts every change that can alter what is drawn.
  std::uint64_t revision() const { return revision_; }
  // Where a picture that cannot be read is reported (one line naming the file).
  void setWarningSink(std::function<void(const std::string&)> sink) { warn_ = std::move(sink); }

  PictureStore& pictures() { return pictures_; }
  TextMetrics& metrics() { return metrics_; }

  // Building the window description (used once, by the catalogue).
  Element& define(E e, Kind kind, int left, int top, int width, int height);
  void measureAllLabels();

 private:
  Element& at(E e) { return elements_[static_cast<std::size_t>(index(e))]; }
  void measure(E e) const;  // a label whose caption changed takes its size
  void changed() { ++revision_; }

  TextMetrics& metrics_;
  PictureStore& pictures_;
  // A label's size and place follow its caption, measured on first need: mutable for that.
  mutable std::array<Element, kElementCount> elements_{};
  mutable std::bitset<kElementCount> unmeasured_;
  std::array<unsigned, kElementCount> timerGeneration_{};
  std::uint64_t revision_ = 1;
  std::function<void(const std::string&)> warn_;
};

// Builds every element of the main window with its initial properties.
void buildCatalogue(ScreenModel& screen);

}  // namespace tenrali
