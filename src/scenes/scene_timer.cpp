// Every scene is one of the eight timers: each tick first adds one to the shared counter and
// then performs what the scene's script lists for the new value; unlisted values do nothing.
#include "app/form1.h"
#include "state/saturating.h"

namespace tenrali {

namespace {
// The ending's timer runs for as long as the window stays open; after years of it the counter
// stops at its largest value instead of running over (every script has ended long before).
int next(std::int32_t& tick) {
  addSaturating(tick, 1);
  return tick;
}
}  // namespace

void TForm1::Timer1Timer() { openingScene(next(gs.sceneTick)); }
void TForm1::Timer2Timer() { arrivalScene1(next(gs.sceneTick)); }
void TForm1::Timer3Timer() { contestDayScene(next(gs.sceneTick)); }
void TForm1::Timer4Timer() { winScene1(next(gs.sceneTick)); }
void TForm1::Timer5Timer() { arrivalScene2(next(gs.sceneTick)); }
void TForm1::Timer6Timer() { arrivalScene3(next(gs.sceneTick)); }
void TForm1::Timer7Timer() { winScene2(next(gs.sceneTick)); }
void TForm1::Timer8Timer() { endingScene(next(gs.sceneTick)); }

}  // namespace tenrali
