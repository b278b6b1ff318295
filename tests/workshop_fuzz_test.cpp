// Random clicks on every workshop button on screen: no stock ever goes below zero, nothing is
// made without the fruit it takes, and the dialogue never leaves its twenty states.
#include <numeric>
#include <random>
#include <set>

#include "workshop_test_game.h"

namespace tenrali::test {
namespace {

TEST(WorkshopStrayClicks, RandomClicksNeverMakeSomethingFromNothing) {
  std::vector<E> buttons = {E::menuk5, E::bsen1, E::bsen2, E::byes, E::bno};
  buttons.insert(buttons.end(), kWeatherButtons, kWeatherButtons + 9);
  buttons.insert(buttons.end(), kKindButtons, kKindButtons + 4);
  buttons.insert(buttons.end(), kAccessoryButtons, kAccessoryButtons + 24);
  const std::array<std::int32_t, 9> stock{2, 1, 3, 1, 2, 1, 2, 1, 2};
  WorkshopGame g({});
  auto sum = [](const auto& a) { return std::accumulate(a.begin(), a.end(), 0); };
  std::mt19937 pick(12);
  std::set<std::string> visited;
  for (int i = 0; i < 20000 && !HasFailure(); ++i) {
    if (sum(g.s().fruitCount) == 0 && g.states() == "8,7,6") g.s().fruitCount = stock;
    const int fruits = sum(g.s().fruitCount), items = sum(g.s().accessoryCount), skill = g.s().skill;
    const E e = buttons[pick() % buttons.size()];
    if (!g.shown(e)) continue;
    g.click(e);
    visited.insert(g.states());
    const int used = fruits - sum(g.s().fruitCount);
    EXPECT_TRUE(g.noNegativeStock()) << "click " << i << " on " << elementName(e);
    EXPECT_GE(used, sum(g.s().accessoryCount) - items) << "click " << i << " on " << elementName(e);
    EXPECT_EQ(used > 0, g.s().skill > skill) << "click " << i << " on " << elementName(e);
  }
  EXPECT_EQ(visited.size(), 20u);  // 8 accessory, 6 seed and 5 new-species states, and closed
}

}  // namespace
}  // namespace tenrali::test
