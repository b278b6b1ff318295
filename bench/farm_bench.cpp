// What the farm costs in the headless core: one day's end ("一日終了": three plants grow or wither,
// the day turns, the morning message and the weather are drawn), and a whole year of a player who
// keeps all three pots in use, harvesting and planting again through the same clicks as in play.
#include <benchmark/benchmark.h>

#include "bench_game.h"

using namespace tenrali;
using namespace tenrali::bench;

namespace {

// A player's click at the middle of an element: the click rule finds who takes it.
void press(TForm1& form, E e) {
  Rect r = form.screen().rect(e);
  form.clickAt(r.x + r.w / 2, r.y + r.h / 2);
}

// Plants a normal seed in every empty pot, as the player does: "種植え", the seed, yes, the pot, yes.
void plantEmptyPots(TForm1& form) {
  for (int pot = 1; pot <= 3; ++pot) {
    if (form.state().potSeed(pot) != NoWeather) continue;
    press(form, E::menuk4);
    press(form, E::bhutu);
    press(form, E::byes);
    press(form, kPots[pot - 1]);
    press(form, E::byes);
  }
}

// One day's end with three plants growing. Every third night the pots are planted afresh (set
// directly, a few stores) so that every measured night grows three plants rather than idling
// over ripe ones.
void BM_AdvanceDayThreePots(benchmark::State& state) {
  Game game;
  game.homeScreen();
  GameState& s = game.form.state();
  s.seedCount[Normal] = 3;
  plantEmptyPots(game.form);
  int night = 0;
  for (auto _ : state) {
    if (++night % 3 == 0)
      for (int pot = 1; pot <= 3; ++pot) {
        s.potSeed(pot) = Normal;
        s.potGrowth(pot) = Planted;
      }
    game.form.advanceDay();
  }
}
BENCHMARK(BM_AdvanceDayThreePots)->Unit(benchmark::kMicrosecond);

// The same click on the home screen with the three pots empty.
void BM_AdvanceDayEmptyPots(benchmark::State& state) {
  Game game;
  game.homeScreen();
  for (auto _ : state) press(game.form, E::menuk9);
}
BENCHMARK(BM_AdvanceDayEmptyPots)->Unit(benchmark::kMicrosecond);

// A simulated year from "新規開始": 365 days, the three pots always in use. Each morning every ripe
// plant is harvested ("収穫", OK) and every empty pot (harvested or withered) planted again.
void BM_SimulatedYear(benchmark::State& state) {
  long long fruits = 0;
  for (auto _ : state) {
    Game game;
    game.homeScreen();
    GameState& s = game.form.state();
    s.seedCount[Normal] = 400;  // a year's seeds up front; buying them would only add shop clicks
    for (int day = 0; day < 365; ++day) {
      if (s.pot1Growth == Ripe || s.pot2Growth == Ripe || s.pot3Growth == Ripe) {
        press(game.form, E::menuk7);
        press(game.form, E::bno);
      }
      plantEmptyPots(game.form);
      press(game.form, E::menuk9);
    }
    if (s.dayNumber != 366) state.SkipWithError("the year did not end on day 366");
    fruits += s.fruitCount[Normal];
  }
  state.counters["fruits_per_year"] = benchmark::Counter(static_cast<double>(fruits), benchmark::Counter::kAvgIterations);
  state.counters["per_day"] =
      benchmark::Counter(365.0 * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SimulatedYear)->Unit(benchmark::kMillisecond);

}  // namespace
