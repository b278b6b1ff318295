// The workshop dialogue, played through its buttons: where each click leads, and that no
// sequence of clicks makes something from nothing.
#include "workshop_test_game.h"

namespace tenrali::test {
namespace {

const std::string kTop = "usam1.bmp|トルン|「どっちを作る？」||";
const std::string kSeedChoice = "usam4.bmp|トルン|「同じ実を２個使うと|新種が作れるよ」|";
const std::string kPairList = "usam1.bmp|トルン|「どの実で新種を|作ろうか？」|";
const std::string kHome = "usam1.bmp|トルン|「なにをやろう|かな？」|";

// The seed path holds the accessory field at 0 and the new-species path the seed field at 1: a
// step that looked at one field alone would act in the wrong path.
TEST(WorkshopOrder, EachClickMovesOnlyThePathItIsOn) {
  WorkshopGame g({{Cloudy, 2}});
  g.play({E::menuk5, E::bsen2, E::bno});
  EXPECT_EQ(g.message(), kTop);
  EXPECT_EQ(g.states(), "0,0,0");

  // Into the pair list and back out, then a bracelet: one fruit, one accessory, no rain seed.
  g.play({E::bsen2, E::bsen2, E::bno, E::bno, E::bsen1, E::bkumo, E::byes, E::bab, E::byes});
  EXPECT_EQ(g.s().accessoryCount[7], 1);
  EXPECT_EQ(g.s().fruitCount[Cloudy], 1);
  EXPECT_EQ(g.s().seedCount[Rain], 0);
  EXPECT_TRUE(g.noNegativeStock());

  // One cloudy fruit is no pair; the seed button still opens the sub-choice first.
  g.play({E::bsen1, E::bno, E::bsen2});
  EXPECT_EQ(g.message(), kSeedChoice);
  g.play({E::bsen2});
  EXPECT_EQ(g.message(), "usam2.bmp|トルン|「今は無理みたい・・・」||");
  EXPECT_EQ(g.states(), "0,1,0");
}

TEST(WorkshopAfterMaking, ContinueAndStopReturnToTheirScreens) {
  const auto accessory = {E::bsen1, E::bhutu, E::byes, E::bak, E::byes, E::bsen1};
  const auto seeds = {E::bsen2, E::bsen1, E::bhutu, E::byes, E::bsen1};
  const auto species = {E::bsen2, E::bsen2, E::bkumo, E::byes, E::bsen1};
  struct Case {
    std::initializer_list<E> toQuestion;
    E answer;
    std::string screen, states;
  } cases[] = {
      {accessory, E::bno, kTop, "0,0,0"},   {accessory, E::byes, "usam1.bmp|トルン|「どの実で作る？」||", "1,0,0"},
      {seeds, E::byes, kSeedChoice, "0,1,0"}, {seeds, E::bno, kTop, "0,0,0"},
      {species, E::byes, kPairList, "0,1,1"}, {species, E::bno, kSeedChoice, "0,1,0"},
  };
  for (const Case& c : cases) {
    WorkshopGame g({{Normal, 2}, {Cloudy, 4}});
    g.play({E::menuk5});
    g.play(c.toQuestion);
    EXPECT_EQ(g.picture(E::byes), "tudu.bmp");
    g.play({c.answer});
    EXPECT_EQ(g.message(), c.screen);
    EXPECT_EQ(g.states(), c.states);
    EXPECT_TRUE(g.warnings.empty()) << g.warnings.front();
  }
}

// After the last material only stop remains, and it closes the workshop; a new species needs a
// pair, whatever single fruits are left.
TEST(WorkshopAfterMaking, OutOfMaterialOnEveryPathClosesTheWorkshop) {
  struct Case {
    std::initializer_list<std::pair<int, int>> fruits;
    std::initializer_list<E> clicks;
  } cases[] = {
      {{{Sunny, 1}}, {E::bsen1, E::bhare, E::byes, E::bay, E::byes, E::bsen1}},
      {{{Rainbow, 1}}, {E::bsen2, E::bsen1, E::bniji, E::byes, E::bsen1}},
      {{{Snow, 3}, {Normal, 1}}, {E::bsen2, E::bsen2, E::byuki, E::byes, E::bsen1}},
  };
  for (const Case& c : cases) {
    WorkshopGame g(c.fruits);
    g.play({E::menuk5});
    g.play(c.clicks);
    EXPECT_EQ(g.message(), "usam2.bmp|トルン|「実がなくなっちゃった」||");
    EXPECT_FALSE(g.shown(E::byes) || g.shown(E::bsen1) || g.shown(E::bhutu));
    g.play({E::bno});
    EXPECT_EQ(g.message(), kHome);
    EXPECT_EQ(g.states(), "8,7,6");
    EXPECT_TRUE(g.shown(E::menuk5));
  }
}

TEST(WorkshopFruitChoice, EachFruitOffersOnlyTheKindsItCanBecome) {
  const char* offered[9] = {"bak bab ban bay", "bak bay", "bab ban", "bak bay",        "bab ban",
                            "bak bay",         "bab ban", "bak bab ban bay", "bak bab ban bay"};
  for (int k = 0; k < 9; ++k) {
    WorkshopGame g({{k, 1}});
    g.play({E::menuk5, E::bsen1, kWeatherButtons[k], E::byes});
    std::string shown;
    for (E e : kKindButtons)
      if (g.shown(e)) shown += std::string(shown.empty() ? "" : " ") + elementName(e);
    EXPECT_EQ(shown, offered[k]) << "fruit " << k;
  }
}

TEST(WorkshopFruitChoice, PairListShowsOnlyPairsThatMakeANewSpecies) {
  WorkshopGame g({{Normal, 5}, {Sunny, 2}, {Cloudy, 1}, {Rain, 2}, {Snow, 3}, {Hail, 2}, {Rainbow, 2}});
  g.play({E::menuk5, E::bsen2, E::bsen2});
  std::string shown;
  for (int k = 0; k < 9; ++k)
    if (g.shown(kWeatherButtons[k])) shown += std::to_string(k);
  EXPECT_EQ(shown, "35");
}

// The item buttons on screen during the workshop answer only in their own steps.
TEST(WorkshopStrayClicks, ItemButtonsOutsideTheirStepsChangeNothing) {
  WorkshopGame g({{Normal, 1}, {Hail, 1}});
  g.s().accessoryCount[0] = 2;  // bak1 is on the grid during the kind choice
  g.play({E::menuk5, E::bsen1, E::bhutu, E::bhyou});
  EXPECT_EQ(g.s().chosenFruit, Normal);
  g.play({E::byes, E::bak1});
  EXPECT_EQ(g.message(), "usam1.bmp|トルン|「どれを作ろうかな？」||");
  g.play({E::bak, E::bab, E::bak1});
  EXPECT_EQ(g.message(), "usam4.bmp|トルン|「かみかざりでいい？」||");
  EXPECT_EQ(g.s().chosenKind, 1);
  EXPECT_EQ(g.states(), "4,0,0");
  EXPECT_EQ(g.s().accessoryCount[0], 2);
}

}  // namespace
}  // namespace tenrali::test
