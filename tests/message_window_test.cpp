// The message window, the shared buttons' dispatch, the home screen, the stock panels and
// the item viewer.
#include <gtest/gtest.h>

#include "support/test_game.h"

namespace tenrali::test {
namespace {

std::string everything(TestGame& g) {
  std::string out = g.visibleNames() + "\n" + g.message();
  for (const IntField& f : intFields())
    for (int i = 0; i < f.length; ++i) out += " " + std::to_string(*f.at(g.s(), i));
  return out;
}

TEST(MessageWindow, EveryMessageSetsAllFourLines) {
  TestGame g;
  g.form().sayMessage("usaw4.bmp", "ララベ", "「うわぁ！", "ありがとう！！", "どうかな？似合う？」");
  g.form().sayMessage("", "トルン", "「よし！", "", "");
  EXPECT_EQ(g.message(), "usaw4.bmp|トルン|「よし！||");  // no portrait given: it stays
  g.form().saySceneLine("usao2.bmp", "ゼフィナ", "「オーホッホッホ！", "");
  EXPECT_EQ(g.message(), "usao2.bmp||ゼフィナ|「オーホッホッホ！|");
  g.form().sayAnnouncer("さあ、いよいよ", "");
  EXPECT_EQ(g.message(), "usao2.bmp|||さあ、いよいよ|");
}

TEST(MessageWindow, CancelOnlyAfterAQuestion) {
  TestGame g;
  g.form().showYesNo();
  EXPECT_TRUE(g.shown(E::byes));
  EXPECT_EQ(g.picture(E::bno), "no.bmp");
  g.form().showCancelOnly();
  EXPECT_FALSE(g.shown(E::byes));
  EXPECT_TRUE(g.shown(E::bno));
  EXPECT_EQ(g.picture(E::bno), "yame.bmp");
  const auto* yame = g.sm().pictures().image("yame.bmp");
  ASSERT_NE(yame, nullptr);
  EXPECT_EQ(g.sm().rect(E::bno), (Rect{490, 336, yame->width, yame->height}));
}

TEST(MessageWindow, ClicksOnTheWindowChangeNothingOnTheHomeScreen) {
  TestGame g;
  g.startDay1();
  const std::string before = everything(g);
  for (E e : {E::kaow, E::mes1, E::mes2, E::mes3, E::mes4}) {
    EXPECT_EQ(g.click(e), e);
    EXPECT_EQ(everything(g), before);
  }
  EXPECT_EQ(g.clickAt(112, 275), E::_lab19);  // a spare message label between the lines
  EXPECT_EQ(everything(g), before);
}

TEST(MessageWindow, AClickDuringAnArrivalSceneStartsTheContest) {
  TestGame g;
  g.startDay1();
  g.s().contestEntryState = 2;
  g.s().sceneTick = 123;
  g.form().hideHomeScreen();
  g.sm().enableTimer(E::Timer5, true);
  EXPECT_EQ(g.click(E::ivent5), E::ivent5);
  EXPECT_FALSE(g.sm().get(E::Timer5).enabled);
  EXPECT_TRUE(g.sm().get(E::Timer3).enabled);
  EXPECT_EQ(g.s().sceneTick, 0);
  for (E t : {E::Timer1, E::Timer2, E::Timer4, E::Timer6, E::Timer7, E::Timer8}) EXPECT_FALSE(g.sm().get(t).enabled);
}

// Two dialogues forced open at once: the one whose step runs last says the last word, so the
// message tells the order of the steps in each button's dispatch.
TEST(Dispatch, StepsRunInTheirFixedOrder) {
  {
    TestGame g;  // yes: planting's step comes before the item viewer's
    g.startDay1();
    g.s().plantState = 1;
    g.s().itemViewState = 0;
    g.form().byesClick();
    EXPECT_EQ(g.message(), "usam2.bmp|トルン|「１個もないみたい。」||");
    EXPECT_EQ(g.s().plantState, 1);
  }
  {
    TestGame g;  // no: planting, then the harvest, then the item viewer
    g.startDay1();
    g.s().plantState = 0;
    g.s().harvestState = 0;
    g.s().itemViewState = 1;
    g.form().bnoClick();
    EXPECT_EQ(std::make_tuple(g.s().plantState, g.s().harvestState, g.s().itemViewState), std::make_tuple(5, 5, 2));
    EXPECT_EQ(g.message(), "usam1.bmp|トルン|「なにをやろう|かな？」|");
    EXPECT_FALSE(g.shown(E::bno));  // the viewer hides its buttons last
  }
}

TEST(HomeScreen, HideAndShowAroundTheContestPicture) {
  TestGame g;
  g.startDay1();
  g.sm().show(E::Label1);
  g.form().hideHomeScreen();
  EXPECT_EQ(g.visibleNames(), "ivent5 mes1 mes2 mes3 mes4");
  EXPECT_EQ(g.clickAt(300, 100), E::ivent5);
  g.sm().show(E::Label2);
  g.form().showHomeScreen();
  EXPECT_FALSE(g.shown(E::ivent5));
  EXPECT_TRUE(g.shown(E::Label2));  // the stars stay as the contest scenes left them
  EXPECT_TRUE(g.shown(E::menuk5));
  EXPECT_TRUE(g.shown(E::namep2));
}

TEST(StockPanels, CountsShowOnlyAboveTheirThreshold) {
  TestGame g;
  g.startDay1();
  auto& f = g.form();
  g.s().fruitCount = {0, 0, 1, 2, 5, 0, 3, 4, 0};
  f.showSpeciesFruitStock();
  EXPECT_FALSE(g.shown(E::bkumo));  // one cloudy fruit is no pair
  EXPECT_TRUE(g.shown(E::bame));
  EXPECT_EQ(g.caption(E::kame), "2");
  EXPECT_EQ(g.picture(E::bame), "bmame.bmp");
  EXPECT_TRUE(g.shown(E::bten));
  EXPECT_FALSE(g.shown(E::bhyou));  // hail never pairs
  g.s().fruitCount[2] = 2;
  g.s().fruitCount[3] = 1;
  f.showSpeciesFruitStock();
  EXPECT_TRUE(g.shown(E::bkumo));
  EXPECT_EQ(g.caption(E::kkumo), "2");
  EXPECT_FALSE(g.shown(E::bame));
  EXPECT_FALSE(g.shown(E::kame));
  // A count of zero hides a button that was shown.
  f.showFruitStock();
  EXPECT_TRUE(g.shown(E::bhyou));
  g.s().fruitCount[7] = 0;
  f.showFruitStock();
  EXPECT_FALSE(g.shown(E::bhyou));
  EXPECT_FALSE(g.shown(E::khyou));
  g.s().accessoryCount[13] = 2;
  g.s().accessoryCount[23] = 1;
  f.showAccessoryStock();
  EXPECT_TRUE(g.shown(E::ban2));
  EXPECT_EQ(g.caption(E::kan2), "2");
  EXPECT_TRUE(g.shown(E::bay6));
  EXPECT_FALSE(g.shown(E::bay5));
  f.hideAccessoryGrid();
  EXPECT_FALSE(g.shown(E::ban2));
  EXPECT_FALSE(g.shown(E::kay6));
  EXPECT_TRUE(g.warnings.empty());
}

TEST(ItemViewer, EmptyStocksAndThenTheSeeds) {
  TestGame g;
  g.startDay1();
  g.click(E::menuk6);
  EXPECT_EQ(g.message(), "usam1.bmp|トルン|「どれを見る？」||");
  EXPECT_EQ(g.picture(E::bsen1), "basen.bmp");
  EXPECT_EQ(g.picture(E::bsen2), "itemt.bmp");
  EXPECT_EQ(g.picture(E::byes), "itemm.bmp");
  EXPECT_EQ(g.picture(E::bno), "yame.bmp");
  EXPECT_FALSE(g.shown(E::menuk6));
  g.click(E::byes);  // fruits: none
  EXPECT_EQ(g.message(), "usam2.bmp|トルン|「１個もないみたい。」||");
  for (E e : {E::bsen1, E::bsen2, E::byes, E::bno}) EXPECT_TRUE(g.shown(e));
  g.click(E::bsen1);  // accessories: none
  EXPECT_EQ(g.s().itemViewState, 0);
  g.click(E::bsen2);  // seeds: the three normal seeds
  EXPECT_EQ(g.s().itemViewState, 1);
  EXPECT_EQ(g.message(), "usam2.bmp|トルン|「よし！がんばるぞ！」||");
  EXPECT_TRUE(g.shown(E::bhutu));
  EXPECT_EQ(g.picture(E::bhutu), "bthutu.bmp");
  EXPECT_EQ(g.caption(E::khutu), "3");
  EXPECT_FALSE(g.shown(E::bhare));
  EXPECT_FALSE(g.shown(E::ueki1));
  EXPECT_FALSE(g.shown(E::bsen1));
  EXPECT_EQ(g.picture(E::bno), "ok.bmp");
  g.click(E::bhutu);  // shown, but it only shows
  EXPECT_EQ(g.s().plantState, 5);
  g.click(E::bno);
  EXPECT_EQ(g.s().itemViewState, 2);
  EXPECT_FALSE(g.shown(E::bhutu));
  EXPECT_TRUE(g.shown(E::ueki1));
  EXPECT_TRUE(g.shown(E::menuk6));
  EXPECT_EQ(g.message(), "usam1.bmp|トルン|「なにをやろう|かな？」|");
}

TEST(ItemViewer, AccessoriesAndFruitsAndClosingAtOnce) {
  TestGame g;
  g.startDay1();
  g.click(E::menuk6);
  g.click(E::bno);  // closing from the choice itself
  EXPECT_EQ(g.s().itemViewState, 2);
  EXPECT_EQ(g.message(), "usam1.bmp|トルン|「なにをやろう|かな？」|");
  for (E e : {E::bsen1, E::bsen2, E::byes, E::bno}) EXPECT_FALSE(g.shown(e));
  g.s().accessoryCount[7] = 1;
  g.click(E::menuk6);
  g.click(E::bsen1);
  for (E e : {E::bak, E::bab, E::ban, E::bay, E::bab2, E::kab2}) EXPECT_TRUE(g.shown(e));
  EXPECT_FALSE(g.shown(E::bab1));
  g.click(E::bno);
  EXPECT_FALSE(g.shown(E::bab));
  EXPECT_FALSE(g.shown(E::bab2));
  g.s().fruitCount[8] = 4;
  g.click(E::menuk6);
  g.click(E::byes);
  EXPECT_TRUE(g.shown(E::bniji));
  EXPECT_EQ(g.caption(E::kniji), "4");
  g.click(E::bno);
  EXPECT_FALSE(g.shown(E::bniji));
}

}  // namespace
}  // namespace tenrali::test
