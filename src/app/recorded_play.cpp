#include "app/recorded_play.h"

#include <charconv>
#include <cstdint>
#include <sstream>

namespace tenrali {

namespace {

// "field value" or "field[index] value".
void setField(GameState& s, const std::string& target, std::int32_t value) {
  std::string name = target;
  int index = 0;
  bool indexed = false;
  if (auto open = target.find('['); open != std::string::npos) {
    if (target.back() != ']') throw PlayError{"bad field \"" + target + "\""};
    name = target.substr(0, open);
    index = static_cast<int>(playNumber(target.substr(open + 1, target.size() - open - 2), 0, 1000));
    indexed = true;
  }
  const IntField* f = findIntField(name);
  if (!f) throw PlayError{"unknown field \"" + name + "\""};
  if (indexed != (f->length > 1) || index >= f->length) throw PlayError{"bad index for field \"" + target + "\""};
  *f->at(s, index) = value;
}

}  // namespace

E playElement(const std::string& name) {
  E e = findElement(name.c_str());
  if (e == E::count) throw PlayError{"unknown element \"" + name + "\""};
  return e;
}

std::vector<std::string> playWords(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  if (!out.empty() && out[0][0] == '#') out.clear();
  return out;
}

long long playNumber(const std::string& text, long long lo, long long hi) {
  long long value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < lo || value > hi)
    throw PlayError{"bad number \"" + text + "\""};
  return value;
}

bool isPlayQuestion(const std::string& c) {
  return c == "state" || c == "element" || c == "visible" || c == "message" || c == "screenshot" || c == "sounds";
}

PlayStep playAction(TForm1& form, const std::vector<std::string>& w) {
  const std::string& cmd = w.at(0);
  auto want = [&](std::size_t n) {
    if (w.size() != n) throw PlayError{"\"" + cmd + "\" takes " + std::to_string(n - 1) + " argument(s)"};
  };
  ScreenModel& sm = form.screen();
  PlayStep step;
  if (cmd == "seed") {
    want(2);
    form.random().seed(static_cast<std::uint32_t>(playNumber(w[1], 0, 4294967295LL)));
    step.kind = PlayStep::Kind::Done;
  } else if (cmd == "menu") {
    want(2);
    if (w[1] == "new") form.menuCommand(E::K2);
    else if (w[1] == "continue") form.menuCommand(E::K3);
    else if (w[1] == "quit") form.menuCommand(E::K4);
    else throw PlayError{"unknown menu entry \"" + w[1] + "\""};
    step.kind = form.closed() ? PlayStep::Kind::Quit : PlayStep::Kind::Done;
  } else if (cmd == "click") {
    want(2);
    E e = playElement(w[1]);
    if (sm.get(e).kind == Kind::Timer || sm.get(e).kind == Kind::MenuItem)
      throw PlayError{"\"" + w[1] + "\" is not on the screen"};
    Rect r = sm.rect(e);
    step.kind = PlayStep::Kind::Clicked;
    step.clicked = form.clickAt(r.x + r.w / 2, r.y + r.h / 2);
  } else if (cmd == "clickat") {
    want(3);
    step.kind = PlayStep::Kind::Clicked;
    step.clicked = form.clickAt(static_cast<int>(playNumber(w[1], -100000, 100000)),
                                static_cast<int>(playNumber(w[2], -100000, 100000)));
  } else if (cmd == "key") {
    want(2);
    const std::optional<KeyPress> key = keyFromName(w[1]);
    if (!key) throw PlayError{"unknown key \"" + w[1] + "\""};
    step.kind = PlayStep::Kind::Clicked;
    step.clicked = form.keyPress(*key).clicked;
    step.byKey = true;
  } else if (cmd == "tick") {
    if (w.size() > 2) throw PlayError{"\"tick\" takes at most 1 argument"};
    step.kind = PlayStep::Kind::Ticks;
    step.ticks = w.size() == 2 ? playNumber(w[1], 0, 1000000000LL) : 1;
  } else if (cmd == "set") {
    want(3);
    setField(form.state(), w[1], static_cast<std::int32_t>(playNumber(w[2], INT32_MIN, INT32_MAX)));
    step.kind = PlayStep::Kind::Done;
  }
  return step;
}

}  // namespace tenrali
