// A sweep through every dialogue: from a few situations, every button on screen is clicked in
// turn, breadth first, until no new screen turns up. After each click the window's invariants must
// hold, among them that no line of the message window runs under a button, so every planting,
// harvest, workshop, shop, gift, viewer and contest message is measured where it is said.
#include <gtest/gtest.h>

#include <deque>
#include <iostream>
#include <set>

#include "support/invariants.h"
#include "support/test_game.h"

namespace tenrali::test {
namespace {

// What tells two screens apart for the message window: the state of the dialogue that is open
// with the choice it is asking about, the buttons that share the bottom of the window with the
// words (and their pictures) and what it says. Counts, money, the buttons above and choices made
// earlier are left out, so a dialogue repeated with other numbers is not swept again.
std::string screenKey(const TForm1& f) {
  const GameState& s = f.state();
  std::string key;
  for (int v : {s.contestStage, s.contestEntryState, s.plantState, s.plantState >= 1 && s.plantState <= 2 ? s.chosenSeed : 0,
                s.harvestState, s.accessoryMakeState, s.seedMakeState, s.speciesMakeState,
                s.accessoryMakeState >= 2 && s.accessoryMakeState <= 4 ? s.chosenFruit : 0,
                s.accessoryMakeState == 4 ? s.chosenKind : 0, s.seedMakeState == 3 ? s.seedFruit : 0,
                s.speciesMakeState == 2 ? s.speciesFruit : 0, s.giftState, s.giftState == 2 ? s.giftChoice : 0,
                s.itemViewState, s.shopState, s.seedShopState, s.shopState == 2 ? s.sellIndex : 0,
                s.seedShopState == 2 ? s.buySeedIndex : 0})
    key += std::to_string(v) + ',';
  for (E e : f.screen().drawOrder())
    if (f.screen().rect(e).y >= 250 && f.screen().get(e).clickable && !movesStoryOn(e))
      key += std::string(elementName(e)) + '=' + f.screen().get(e).picture + ' ';
  // On the idle home screen what was last said makes no difference to what comes next.
  if (f.screen().isShown(E::menuk1)) return key;
  for (E line : {E::mes1, E::mes2, E::mes3, E::mes4}) key += '|' + f.screen().get(line).caption;
  return key;
}

constexpr std::size_t kMostScreens = 20000;

struct Step {
  TForm1 form;
  std::string path;  // the buttons clicked to get here
};

// Sweeps every screen reachable by clicking buttons; returns how many screens it saw.
std::size_t sweep(const std::string& situation, const std::vector<std::pair<std::string, int>>& fields) {
  TestGame g;
  g.startDay1With(fields);
  std::set<std::string> seen{screenKey(g.form())};
  std::deque<Step> queue;
  queue.push_back({g.form(), situation + ":"});
  while (!queue.empty() && seen.size() < kMostScreens) {
    const Step at = std::move(queue.front());
    queue.pop_front();
    for (int i = 0; i < kDrawnElements; ++i) {
      const E e = elementAt(i);
      if (!at.form.screen().get(e).clickable || movesStoryOn(e) || !at.form.screen().isShown(e)) continue;
      Step next{at.form, at.path + ' ' + elementName(e)};
      const Rect r = next.form.screen().rect(e);
      next.form.clickAt(r.x + r.w / 2, r.y + r.h / 2);
      const auto faults = checkInvariants(next.form);
      EXPECT_EQ(faults, std::vector<std::string>{}) << next.path;
      if (!faults.empty()) return seen.size();
      if (!seen.insert(screenKey(next.form)).second) continue;
      queue.push_back(std::move(next));
    }
  }
  EXPECT_LT(seen.size(), kMostScreens) << situation << ": the sweep did not come to an end";
  EXPECT_TRUE(g.warnings.empty()) << g.warnings.front();
  std::cout << situation << ": " << seen.size() << " screens\n";
  return seen.size();
}

std::vector<std::pair<std::string, int>> stock(int seeds, int fruits, int accessories) {
  std::vector<std::pair<std::string, int>> fields;
  for (int k = 0; k < 9; ++k) {
    fields.emplace_back("seedCount[" + std::to_string(k) + "]", seeds);
    fields.emplace_back("fruitCount[" + std::to_string(k) + "]", fruits);
  }
  for (int i = 0; i < 24; ++i) fields.emplace_back("accessoryCount[" + std::to_string(i) + "]", accessories);
  return fields;
}

TEST(DialogueSweep, EveryMessageLeavesTheButtonsFree) {
  // Plenty of everything: every making, sale, purchase and gift; at the lowest skill the rare
  // fruits are refused, at a high one they are made.
  for (int skill : {0, 400}) {
    auto fields = stock(1, 2, 1);
    fields.emplace_back("skill", skill);
    fields.emplace_back("money", 300);
    EXPECT_GT(sweep("stocked, skill " + std::to_string(skill), fields), 100u);
  }
  // Nothing at all: every refusal.
  auto broke = stock(0, 0, 0);
  broke.emplace_back("money", 0);
  sweep("broke", broke);
  // The last of everything: the dialogues that run out.
  sweep("the last of everything",
        {{"seedCount[0]", 1}, {"fruitCount[2]", 1}, {"accessoryCount[7]", 1}, {"money", 10}});
  // Three ripe pots, and three just planted.
  for (int growth : {3, 0})
    sweep("pots at stage " + std::to_string(growth),
          {{"pot1Seed", 0}, {"pot2Seed", 4}, {"pot3Seed", 8}, {"pot1Growth", growth}, {"pot2Growth", growth},
           {"pot3Growth", growth}});
  // Each contest, with its fee and with one ポエ less.
  for (int stage = 1; stage <= 3; ++stage)
    for (int short_ : {0, 1})
      sweep("contest " + std::to_string(stage),
            {{"contestStage", stage}, {"money", (stage == 3 ? 200 : 50 * stage) - short_}});
}

}  // namespace
}  // namespace tenrali::test
