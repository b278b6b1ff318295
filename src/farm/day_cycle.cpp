// The day is the game's only clock. At its end every pot meets the weather of the day that is
// ending, the counter moves on and tomorrow's weather is drawn.
#include "farm/farm.h"
#include "state/saturating.h"

namespace tenrali {

void TForm1::menuk9Click() { advanceDay(); }

void TForm1::advanceDay() {
  setMessageColor(colors::white);
  for (int pot = 1; pot <= 3; ++pot) farm::growPot(*this, pot);  // still under today's weather
  addSaturating(gs.dayNumber, 1);
  sayMessage("usam4.bmp", "トルン", "「今日も一日", "がんばるぞ！」", "");
  drawWeather();
  refreshStatus();
  report(GameEventKind::DayChanged, gs.todayWeather.code);
}

}  // namespace tenrali
