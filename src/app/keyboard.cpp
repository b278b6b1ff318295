#include "app/keyboard.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "app/form1.h"

namespace tenrali {

namespace {

struct NamedKey {
  const char* name;
  Key key;
};
constexpr NamedKey kNames[] = {
    {"return", Key::Return}, {"space", Key::Space}, {"escape", Key::Escape}, {"y", Key::Y},
    {"n", Key::N},           {"1", Key::Digit1},    {"2", Key::Digit2},      {"3", Key::Digit3},
    {"4", Key::Digit4},      {"5", Key::Digit5},    {"6", Key::Digit6},      {"7", Key::Digit7},
    {"8", Key::Digit8},      {"9", Key::Digit9},    {"tab", Key::Tab},       {"left", Key::Left},
    {"right", Key::Right},   {"up", Key::Up},       {"down", Key::Down},
};

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

bool shows(const TForm1& f, E e, std::initializer_list<const char*> pictures) {
  if (!f.screen().isShown(e)) return false;
  for (const char* p : pictures)
    if (f.screen().get(e).picture == p) return true;
  return false;
}

const ClickStop* stopIf(const std::vector<ClickStop>& stops, bool wanted, E e) {
  return wanted ? findStop(stops, e) : nullptr;
}

// The home menu's buttons as the screen shows them, rows top to bottom, each left to right.
std::array<E, 9> menuButtonsOnScreen(const ScreenModel& sm) {
  std::array<E, 9> b = {E::menuk1, E::menuk2, E::menuk3, E::menuk4, E::menuk5,
                        E::menuk6, E::menuk7, E::menuk8, E::menuk9};
  std::sort(b.begin(), b.end(), [&sm](E x, E y) {
    const Rect a = sm.rect(x), c = sm.rect(y);
    return a.y != c.y ? a.y < c.y : a.x < c.x;
  });
  return b;
}

// The stop the arrows lead to from `at`; `at` itself when there is none that way.
const ClickStop* step(const std::vector<ClickStop>& stops, const ClickStop* at, KeyPress k) {
  const auto n = static_cast<std::ptrdiff_t>(stops.size());
  const std::ptrdiff_t i = at - stops.data();
  switch (k.key) {
    case Key::Tab: return &stops[static_cast<std::size_t>((i + (k.shift ? n - 1 : 1)) % n)];
    case Key::Right: return &stops[static_cast<std::size_t>(std::min(i + 1, n - 1))];
    case Key::Left: return &stops[static_cast<std::size_t>(std::max<std::ptrdiff_t>(i - 1, 0))];
    case Key::Up:
    case Key::Down: {
      // The nearest stop, side to side, in the row above or below.
      const int row = at->row + (k.key == Key::Up ? -1 : 1);
      const int middle = at->ring.x + at->ring.w / 2;
      const ClickStop* best = at;
      int bestDistance = 0;
      for (const ClickStop& s : stops) {
        if (s.row != row) continue;
        const int d = std::abs(s.ring.x + s.ring.w / 2 - middle);
        if (best == at || d < bestDistance) best = &s, bestDistance = d;
      }
      return best;
    }
    default: return at;
  }
}

bool backwards(KeyPress k) { return (k.key == Key::Tab && k.shift) || k.key == Key::Left || k.key == Key::Up; }

bool movesRing(Key k) { return k == Key::Tab || k == Key::Left || k == Key::Right || k == Key::Up || k == Key::Down; }

}  // namespace

std::optional<KeyPress> keyFromName(std::string_view name) {
  KeyPress press;
  std::string n = lower(name);
  if (n.rfind("shift+", 0) == 0) {
    press.shift = true;
    n = n.substr(6);
  }
  for (const NamedKey& k : kNames)
    if (n == k.name) {
      press.key = k.key;
      return press;
    }
  return std::nullopt;
}

const ClickStop* defaultStop(const TForm1& form, const std::vector<ClickStop>& stops) {
  for (const ClickStop& s : stops)
    if (s.story) return &s;
  if (shows(form, E::byes, {"yes.bmp", "tudu.bmp"})) return findStop(stops, E::byes);
  // One answer alone on screen ("ＯＫ" after a result), unless it is the way back.
  const ClickStop* only = nullptr;
  int shown = 0;
  for (E b : {E::bsen1, E::bsen2, E::byes, E::bno})
    if (form.screen().isShown(b)) {
      ++shown;
      only = findStop(stops, b);
    }
  if (shown != 1 || !only || shows(form, E::bno, {"no.bmp", "yame.bmp"})) return nullptr;
  return only;
}

Keyboard::Result Keyboard::press(TForm1& form, KeyPress k) {
  const std::vector<ClickStop> stops = clickStops(form);
  const ClickStop* focused = active_ ? findStop(stops, focus_) : nullptr;
  if (movesRing(k.key)) {
    active_ = true;
    seen_ = 0;
    const unsigned before = revision_;
    const ClickStop* d = defaultStop(form, stops);
    answer_ = d ? d->element : E::count;
    if (stops.empty()) setFocus(nullptr);
    else if (!focused) setFocus(d ? d : backwards(k) ? &stops.back() : &stops.front());
    else setFocus(step(stops, focused, k));
    return {E::count, revision_ != before};
  }
  switch (k.key) {
    case Key::Return:
    case Key::Space: return click(form, focused ? focused : defaultStop(form, stops));
    case Key::Escape: return click(form, findStop(stops, E::bno));
    case Key::Y: return click(form, stopIf(stops, shows(form, E::byes, {"yes.bmp", "tudu.bmp"}), E::byes));
    case Key::N: return click(form, stopIf(stops, shows(form, E::bno, {"no.bmp", "yame.bmp"}), E::bno));
    default: {
      const int n = static_cast<int>(k.key) - static_cast<int>(Key::Digit1);
      if (n < 0 || n > 8) return {};
      const E button = menuButtonsOnScreen(form.screen())[static_cast<std::size_t>(n)];
      return click(form, findStop(stops, button));
    }
  }
}

Keyboard::Result Keyboard::click(TForm1& form, const ClickStop* stop) {
  if (!stop) return {};
  Result r;
  r.clicked = form.clickAt(stop->x, stop->y);
  return r;
}

void Keyboard::mouseUsed() {
  if (!active_ && focus_ == E::count) return;
  active_ = false;
  focus_ = E::count;
  ring_ = {};
  ++revision_;
}

void Keyboard::follow(const TForm1& form) {
  if (!active_) return;
  // Only a change of the screen, or of whether the story takes a click, moves the places.
  const std::uint64_t seen = form.screen().revision() * 2 + (form.messageClickActs() ? 1 : 0);
  if (seen == seen_) return;
  seen_ = seen;
  const std::vector<ClickStop> stops = clickStops(form);
  const ClickStop* d = defaultStop(form, stops);
  const E answer = d ? d->element : E::count;
  const bool newAnswer = answer != answer_;
  answer_ = answer;
  // A new question brings the ring to its answer, as a dialogue box does.
  if (d && newAnswer) return setFocus(d);
  if (const ClickStop* still = findStop(stops, focus_)) return setFocus(still);
  if (stops.empty()) return setFocus(nullptr);
  setFocus(d ? d : &stops.front());
}

void Keyboard::setFocus(const ClickStop* stop) {
  const E e = stop ? stop->element : E::count;
  const Rect r = stop ? stop->ring : Rect{};
  if (e == focus_ && r == ring_) return;
  focus_ = e;
  ring_ = r;
  ++revision_;
}

}  // namespace tenrali
