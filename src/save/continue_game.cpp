// Taking a game off the waiting home screen, and putting it back on a fresh window exactly as it
// was: the pots with their pictures and plates, today's weather, the numbers, what she wears,
// the contest stars and the last message.
#include "state/accessories.h"
#include "save/saved_game.h"

namespace tenrali {

namespace {

constexpr const char* kWithered = "枯れ";

}  // namespace

SavedGame takeSavedGame(const TForm1& form) {
  if (!form.homeScreenWaits()) throw SaveError("the home screen is not waiting for the player");
  const GameState& s = form.state();
  const ScreenModel& sm = form.screen();
  SavedGame g;
  for (const IntField& f : intFields())
    for (int i = 0; i < f.length; ++i) *f.at(g.state, i) = f.get(s, i);
  g.random = form.random().state();
  g.todayWeather = -1;
  for (std::size_t i = 0; i < s.weatherTable.size(); ++i)
    if (s.weatherTable[i] == s.todayWeather) g.todayWeather = static_cast<int>(i);
  if (g.todayWeather < 0) throw SaveError("today's weather is none of tenki.dat's");
  const int seeds[3] = {s.pot1Seed, s.pot2Seed, s.pot3Seed};
  for (int p = 0; p < 3; ++p) {
    g.withered[static_cast<std::size_t>(p)] = seeds[p] == NoWeather && sm.get(kPlates[p]).caption == kWithered;
    if (sm.get(kStars[p]).visible) g.stars[static_cast<std::size_t>(p)] = sm.get(kStars[p]).font.color;
  }
  g.portrait = sm.get(E::kaow).picture;
  for (int i = 0; i < 4; ++i) g.lines[static_cast<std::size_t>(i)] = sm.get(kMessageLines[i]).caption;
  g.color = sm.get(E::mes1).font.color;
  return g;
}

void continueSavedGame(TForm1& form, const SavedGame& g) {
  if (g.won) throw SaveError("the game was won: there is nothing left to continue");
  if (!form.atTitle()) throw SaveError("a game has already started in this run");
  ScreenModel& sm = form.screen();
  // Everything that can fail is tried before anything changes.
  int w = 0, h = 0;
  std::string why;
  if (!sm.pictures().load(g.portrait, w, h, why))
    throw SaveError("the portrait \"" + g.portrait + "\" cannot be shown: " + why);

  form.closeNewGameQuestion();
  GameState& s = form.state();
  for (const IntField& f : intFields())
    for (int i = 0; i < f.length; ++i) *f.at(s, i) = f.get(g.state, i);
  form.random().restore(g.random);

  s.todayWeather = s.weatherTable[static_cast<std::size_t>(g.todayWeather)];
  sm.loadPicture(E::tenw, s.todayWeather.picture);
  sm.setCaption(E::tenp, s.todayWeather.name);
  for (int p = 0; p < 3; ++p) {
    // A pot shows its plant from the first night on; the plate names it from the planting.
    const int seed = s.potSeed(p + 1), stage = s.potGrowth(p + 1);
    const bool planted = seed >= Normal && seed <= Rainbow;
    sm.loadPicture(kPots[p], planted && stage > 0 ? s.seedTable[static_cast<std::size_t>(3 * seed + stage - 1)].picture
                                                  : "ueki.bmp");
    sm.setCaption(kPlates[p], planted ? s.seedTable[static_cast<std::size_t>(3 * seed)].name
                              : g.withered[static_cast<std::size_t>(p)] ? kWithered : "");
    if (const auto& star = g.stars[static_cast<std::size_t>(p)]) {
      sm.setFontColor(kStars[p], *star);
      sm.show(kStars[p]);
    }
  }
  for (int k = 0; k < kAccessoryKinds; ++k) {
    const int worn = accessoryWornAt(k, s.slotValue(k));
    if (worn == kNoAccessory) continue;  // never given: the panel says "なし"
    const AccessoryRecord& a = s.accessoryTable[static_cast<std::size_t>(worn)];
    sm.loadPicture(kWornPictures[k], a.picture);
    sm.setCaption(kWornNames[k], a.name);
  }
  form.setMessageColor(g.color);
  sm.show(E::kaow);
  form.sayMessage(g.portrait, g.lines[0], g.lines[1], g.lines[2], g.lines[3]);
  form.refreshStatus();
  form.showHomeScreen();
  sm.enableMenuItem(E::K2, false);
  sm.enableMenuItem(E::K3, false);
}

}  // namespace tenrali
