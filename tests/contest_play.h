#pragma once
// Playing up to a contest the way a player does: the fields that would take days of growing and
// crafting are set, everything else is clicked and ticked.
#include <gtest/gtest.h>

#include "support/test_game.h"

namespace tenrali::test {

inline constexpr int kFee[4] = {0, 50, 100, 200};
inline constexpr E kSceneTimers[8] = {E::Timer1, E::Timer2, E::Timer3, E::Timer4,
                                      E::Timer5, E::Timer6, E::Timer7, E::Timer8};

inline int timersRunning(TestGame& g) {
  int n = 0;
  for (E t : kSceneTimers) n += g.sm().get(t).enabled ? 1 : 0;
  return n;
}

// From the home screen: open the contest of this stage, say yes twice and pay.
inline void payEntry(TestGame& g, int stage, int heart, int skill) {
  g.s().contestStage = stage;
  g.s().heart = heart;
  g.s().skill = skill;
  g.s().money = kFee[stage];
  g.click(E::menuk1);
  g.click(E::byes);
  g.click(E::byes);
  ASSERT_EQ(g.s().contestEntryState, 2) << g.message();
}

// Pays, skips the arrival scene with a click and plays the contest day up to the given tick.
inline void playContestDay(TestGame& g, int stage, int heart, int skill, int ticks) {
  payEntry(g, stage, heart, skill);
  g.clickAt(300, 150);
  g.tick(ticks);
}

}  // namespace tenrali::test
