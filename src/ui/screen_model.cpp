#include "ui/screen_model.h"

#include <iostream>

namespace tenrali {

ScreenModel::ScreenModel(TextMetrics& metrics, PictureStore& pictures)
    : metrics_(metrics), pictures_(pictures), warn_([](const std::string& line) { std::cerr << line << '\n'; }) {
  for (int i = 0; i < kElementCount; ++i) elements_[static_cast<std::size_t>(i)].id = elementAt(i);
}

Element& ScreenModel::define(E e, Kind kind, int left, int top, int width, int height) {
  Element& el = at(e);
  el.kind = kind;
  el.left = left;
  el.top = top;
  el.width = width;
  el.height = height;
  el.rightEdge = left + width;
  return el;
}

void ScreenModel::measureAllLabels() {
  for (const auto& el : elements_)
    if (el.kind == Kind::Label) unmeasured_.set(static_cast<std::size_t>(index(el.id)));
  changed();
}

void ScreenModel::measure(E e) const {
  const auto i = static_cast<std::size_t>(index(e));
  if (!unmeasured_[i]) return;
  unmeasured_.reset(i);
  Element& el = elements_[i];
  // An empty caption still measures as one blank, so an empty label stays a small click target.
  TextSize size = metrics_.measure(el.font, el.caption.empty() ? std::string_view(" ") : el.caption);
  el.width = size.width;
  el.height = size.height;
  if (el.align == Align::Right) el.left = el.rightEdge - el.width;
}

void ScreenModel::setVisible(E e, bool visible) {
  Element& el = at(e);
  if (el.visible == visible) return;
  el.visible = visible;
  changed();
}

void ScreenModel::setCaption(E e, std::string_view text) {
  Element& el = at(e);
  if (el.caption == text) return;
  el.caption.assign(text);
  if (el.kind == Kind::Label) unmeasured_.set(static_cast<std::size_t>(index(e)));
  changed();
}

void ScreenModel::setFontColor(E e, Rgb color) {
  Element& el = at(e);
  if (el.font.color == color) return;
  el.font.color = color;
  changed();
}

bool ScreenModel::loadPicture(E e, const std::string& file) {
  int w = 0, h = 0;
  std::string error;
  if (!pictures_.load(file, w, h, error)) {
    if (warn_) warn_("tenrali: cannot load the picture \"" + file + "\" into " + elementName(e) + ": " + error);
    return false;
  }
  Element& el = at(e);
  el.picture = file;
  if (el.autoSize) {
    el.width = w;
    el.height = h;
  }
  changed();
  return true;
}

void ScreenModel::restore(const Element& earlier) {
  at(earlier.id) = earlier;
  changed();
}

void ScreenModel::enableTimer(E timer, bool on) {
  Element& el = at(timer);
  if (el.enabled == on) return;
  el.enabled = on;
  if (on) ++timerGeneration_[static_cast<std::size_t>(index(timer))];
}

void ScreenModel::enableMenuItem(E item, bool on) {
  Element& el = at(item);
  if (el.enabled == on) return;
  el.enabled = on;
  changed();
}

bool ScreenModel::isShown(E e) const {
  const Element& el = get(e);
  if (!el.visible || el.kind == Kind::Timer || el.kind == Kind::MenuItem) return false;
  return el.parent == E::count || get(el.parent).visible;
}

Rect ScreenModel::rect(E e) const {
  measure(e);
  const Element& el = get(e);
  Rect r{el.left, el.top, el.width, el.height};
  if (el.parent != E::count) {
    r.x += get(el.parent).left;
    r.y += get(el.parent).top;
  }
  return r;
}

std::vector<E> ScreenModel::drawOrder() const {
  std::vector<E> order;
  for (int i = 0; i < kDrawnElements; ++i) {
    E e = elementAt(i);
    if (get(e).kind != Kind::Panel && isShown(e)) order.push_back(e);
  }
  for (int i = 0; i < kDrawnElements; ++i) {
    E panel = elementAt(i);
    if (get(panel).kind != Kind::Panel || !isShown(panel)) continue;
    order.push_back(panel);
    for (int c = kDrawnElements; c < kElementCount; ++c)
      if (get(elementAt(c)).parent == panel && isShown(elementAt(c))) order.push_back(elementAt(c));
  }
  return order;
}

E ScreenModel::hitTest(int x, int y) const { return hitTest(x, y, drawOrder()); }

E ScreenModel::hitTest(int x, int y, const std::vector<E>& order) const {
  for (auto it = order.rbegin(); it != order.rend(); ++it)
    if (rect(*it).contains(x, y)) return *it;
  return E::count;
}

}  // namespace tenrali
