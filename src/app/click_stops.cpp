#include "app/click_stops.h"

#include <algorithm>
#include <optional>

#include "app/form1.h"

namespace tenrali {

namespace {

struct Point {
  int x, y;
};

// A point of the element that the click rule gives to it: its centre, else the first of a 5 x 5
// grid over it. An element covered at all of them is not a place a player would click.
std::optional<Point> reachablePoint(const ScreenModel& sm, E e, const std::vector<E>& order) {
  const Rect r = sm.rect(e);
  if (r.w <= 0 || r.h <= 0) return std::nullopt;
  auto inClient = [](int x, int y) { return x >= 0 && y >= 0 && x < 600 && y < 400; };
  const int cx = r.x + r.w / 2, cy = r.y + r.h / 2;
  if (inClient(cx, cy) && sm.hitTest(cx, cy, order) == e) return Point{cx, cy};
  for (int j = 0; j < 5; ++j)
    for (int i = 0; i < 5; ++i) {
      const int x = r.x + (2 * i + 1) * r.w / 10, y = r.y + (2 * j + 1) * r.h / 10;
      if (inClient(x, y) && sm.hitTest(x, y, order) == e) return Point{x, y};
    }
  return std::nullopt;
}

Rect unite(Rect a, Rect b) {
  if (a.w <= 0) return b;
  const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
  const int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
  return {x0, y0, x1 - x0, y1 - y0};
}

// The message window's parts in the order a key's click prefers them: the lines, the portrait,
// then the unnamed labels under the lines.
int rank(E e) {
  constexpr E kPreferred[] = {E::mes1, E::mes2, E::mes3, E::mes4, E::kaow};
  for (int i = 0; i < 5; ++i)
    if (kPreferred[i] == e) return i;
  return 5;
}

bool isScenePicture(E e) {
  return e == E::ivent || e == E::ivent1 || e == E::ivent2 || e == E::ivent3 || e == E::ivent4 || e == E::ivent5;
}

// Rows top to bottom, each left to right: a stop whose middle lies below the first stop of the
// row begins the next row.
void readingOrder(std::vector<ClickStop>& stops) {
  std::sort(stops.begin(), stops.end(), [](const ClickStop& a, const ClickStop& b) {
    return a.ring.y != b.ring.y ? a.ring.y < b.ring.y : a.ring.x < b.ring.x;
  });
  int row = 0;
  for (std::size_t first = 0; first < stops.size(); ++row) {
    const Rect head = stops[first].ring;
    std::size_t end = first + 1;
    while (end < stops.size() && stops[end].ring.y + stops[end].ring.h / 2 < head.y + head.h) ++end;
    for (std::size_t i = first; i < end; ++i) stops[i].row = row;
    std::stable_sort(stops.begin() + static_cast<std::ptrdiff_t>(first), stops.begin() + static_cast<std::ptrdiff_t>(end),
                     [](const ClickStop& a, const ClickStop& b) { return a.ring.x < b.ring.x; });
    first = end;
  }
}

}  // namespace

std::vector<ClickStop> clickStops(const TForm1& form) {
  const ScreenModel& sm = form.screen();
  const std::vector<E> order = sm.drawOrder();
  std::vector<ClickStop> stops;
  // The story: a click lands on the topmost scene picture, else on the message window's first
  // part that takes it; the ring goes round what the message window says, else the picture.
  ClickStop story, scene;
  story.story = scene.story = true;
  Rect said;
  const bool storyActs = form.messageClickActs();
  for (E e : order) {
    if (!sm.get(e).clickable) continue;
    const bool storyPart = movesStoryOn(e);
    if (storyPart && !storyActs) continue;
    const auto at = reachablePoint(sm, e, order);
    if (!at) continue;
    const Rect r = sm.rect(e);
    if (!storyPart) {
      stops.push_back({e, at->x, at->y, r, false, 0});
    } else if (isScenePicture(e)) {
      scene.element = e;
      scene.x = at->x;
      scene.y = at->y;
      scene.ring = {r.x, r.y, std::min(r.w, 600), std::min(r.h, 400)};
    } else {
      if (story.element == E::count || rank(e) < rank(story.element)) {
        story.element = e;
        story.x = at->x;
        story.y = at->y;
      }
      const Element& el = sm.get(e);
      if (el.kind == Kind::Picture ? !el.picture.empty() : !el.caption.empty()) said = unite(said, r);
      story.ring = unite(story.ring, r);
    }
  }
  if (scene.element != E::count) {
    if (said.w > 0) scene.ring = said;
    stops.push_back(scene);
  } else if (story.element != E::count) {
    if (said.w > 0) story.ring = said;
    stops.push_back(story);
  }
  readingOrder(stops);
  return stops;
}

const ClickStop* findStop(const std::vector<ClickStop>& stops, E e) {
  for (const ClickStop& s : stops)
    if (s.element == e || (s.story && movesStoryOn(e))) return &s;
  return nullptr;
}

}  // namespace tenrali
