#pragma once
// A game on the home screen of day 1 with a chosen fruit stock, for the workshop tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "support/test_game.h"

namespace tenrali::test {

struct WorkshopGame : TestGame {
  // fruits: pairs of (fruit kind, count).
  explicit WorkshopGame(std::initializer_list<std::pair<int, int>> fruits, std::uint32_t seed = 5) : TestGame(seed) {
    startDay1();
    for (auto [kind, count] : fruits) s().fruitCount[static_cast<std::size_t>(kind)] = count;
  }
  // Clicks as a player does: every button must be on screen to take its click.
  void play(std::initializer_list<E> buttons) {
    for (E e : buttons) EXPECT_EQ(click(e), e) << elementName(e) << " was not there to click";
  }
  std::string states() {
    return std::to_string(s().accessoryMakeState) + "," + std::to_string(s().seedMakeState) + "," +
           std::to_string(s().speciesMakeState);
  }
  bool noNegativeStock() {
    auto negative = [](std::int32_t c) { return c < 0; };
    return std::none_of(s().fruitCount.begin(), s().fruitCount.end(), negative) &&
           std::none_of(s().seedCount.begin(), s().seedCount.end(), negative) &&
           std::none_of(s().accessoryCount.begin(), s().accessoryCount.end(), negative);
  }
};

}  // namespace tenrali::test
