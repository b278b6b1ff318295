// One night in one pot. A planted seed sprouts or withers, a young plant grows or withers, and
// a ripe plant never changes. The weather is today's code (0 sunny .. 7 rainbow).
#include "farm/farm.h"

namespace tenrali {

namespace {

enum WeatherCode { SunnyDay = 0, CloudyDay = 1, RainDay = 2, ThunderDay = 3, SnowDay = 4, SunShowerDay = 5,
                   HailDay = 6, RainbowDay = 7 };

// The night after planting. The rare kinds sprout only on a day of their own weather and with
// enough skill; a thunder seed is pickier in the first pot than in the other two.
bool sprouts(int kind, int w, int skill, int pot) {
  switch (kind) {
    case Normal: return true;
    case Sunny: return w != RainDay;
    case Cloudy: return w != ThunderDay;
    case Rain: return w != SunnyDay && skill >= 30;
    case Thunder: return (pot == 1 ? w == ThunderDay : w != CloudyDay) && skill >= 70;
    case Snow: return w == SnowDay && skill >= 100;
    case SunShower: return w == SunShowerDay && skill >= 150;
    case Hail: return w == HailDay && skill >= 300;
    case Rainbow: return w == RainbowDay && skill >= 450;
  }
  return false;
}

// A sprout or a growing plant: only the three rarest kinds fear one weather.
bool grows(int kind, int w) {
  switch (kind) {
    case SunShower: return w != SnowDay;
    case Hail: return w != RainbowDay;
    case Rainbow: return w != HailDay;
    default: return true;
  }
}

}  // namespace

namespace farm {

void growPot(TForm1& f, int pot) {
  GameState& gs = f.state();
  ScreenModel& sm = f.screen();
  std::int32_t& seed = gs.potSeed(pot);
  std::int32_t& stage = gs.potGrowth(pot);
  const int kind = seed;
  if (kind < Normal || kind > Rainbow) return;  // an empty pot: nothing happens
  const int w = gs.todayWeather.code;
  bool lives;
  if (stage == Planted) lives = sprouts(kind, w, gs.skill, pot);
  else if (stage == Sprout || stage == Growing) lives = grows(kind, w);
  else return;  // ripe: waits for the harvest, whatever the weather
  if (lives) {
    // The pot shows record 3t for a sprout, 3t+1 growing, 3t+2 ripe.
    sm.loadPicture(kPots[pot - 1], gs.seedTable[static_cast<std::size_t>(3 * kind + stage)].picture);
    stage += 1;
  } else {
    sm.loadPicture(kPots[pot - 1], "ueki.bmp");
    sm.setCaption(kPlates[pot - 1], "枯れ");
    stage = Planted;
    seed = NoWeather;
    f.report(GameEventKind::PlantWithered);
  }
}

}  // namespace farm

}  // namespace tenrali
