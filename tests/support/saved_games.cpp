#include "support/saved_games.h"

#include "save/saved_game.h"

namespace tenrali::test {

std::string gameDigest(const TForm1& f) {
  const ScreenModel& sm = f.screen();
  std::string out;
  for (const IntField& field : intFields())
    for (int i = 0; i < field.length; ++i) out += std::to_string(field.get(f.state(), i)) + ",";
  out += "random " + std::to_string(f.random().state()) + " weather " + f.state().todayWeather.name + "/" +
         f.state().todayWeather.picture + " menu";
  for (E item : {E::K2, E::K3, E::K4}) out += sm.get(item).enabled ? " on" : " off";
  for (E e : sm.drawOrder()) {
    const Element& el = sm.get(e);
    const Rect r = sm.rect(e);
    out += "\n" + std::to_string(index(e)) + " " + elementName(e) + " " + el.picture + " \"" + el.caption + "\" " +
           std::to_string(el.font.color.r) + "," + std::to_string(el.font.color.g) + "," +
           std::to_string(el.font.color.b) + " " + std::to_string(r.x) + "," + std::to_string(r.y) + "," +
           std::to_string(r.w) + "," + std::to_string(r.h);
  }
  return out;
}

std::unique_ptr<TestGame> continuedGame(const TForm1& f, std::string* text) {
  const std::string saved = savedGameText(takeSavedGame(f));
  if (text) *text = saved;
  auto g = std::make_unique<TestGame>(12345);
  continueSavedGame(g->form(), readSavedGame(saved));
  return g;
}

}  // namespace tenrali::test
