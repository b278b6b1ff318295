// Dressing ララベ up: her heart is always the sum of what she wears, and what she wore is gone.
#include <gtest/gtest.h>

#include "support/test_game.h"

namespace tenrali::test {
namespace {

class Gifts : public ::testing::Test {
 protected:
  void SetUp() override { g.startDay1(); }
  void give(E kindButton, E accessoryButton) {
    if (g.s().giftState == 4) g.click(E::menuk2);
    g.click(kindButton);
    EXPECT_EQ(g.click(accessoryButton), accessoryButton);
    g.click(E::byes);
  }
  TestGame g;
};

TEST_F(Gifts, ANewHairOrnamentReplacesTheOldOne) {
  g.s().hairSlotValue = 2;
  g.s().ringSlotValue = 8;
  g.s().heart = 10;
  g.s().accessoryCount[2] = 2;
  give(E::bak, E::bak3);
  EXPECT_EQ(g.s().heart, 16);
  EXPECT_EQ(g.caption(E::dokik), "16");
  EXPECT_EQ(g.s().accessoryCount[0], 0);  // the old ornament does not come back
  EXPECT_EQ(g.caption(E::ld1), "あめのかみかざり");
  EXPECT_EQ(g.picture(E::wd1), "wak3.bmp");
  g.click(E::bsen1);
  give(E::bak, E::bak3);  // the same again costs one more and changes nothing
  EXPECT_EQ(g.s().heart, 16);
  EXPECT_EQ(g.s().accessoryCount[2], 0);
  EXPECT_TRUE(g.warnings.empty());
}

TEST_F(Gifts, FourRainbowAccessoriesMakeEighty) {
  for (int i : {5, 11, 17, 23}) g.s().accessoryCount[static_cast<std::size_t>(i)] = 1;
  give(E::bak, E::bak6);
  g.click(E::bsen1);
  give(E::bab, E::bab6);
  g.click(E::bsen1);
  give(E::ban, E::ban6);
  g.click(E::bsen1);
  EXPECT_EQ(g.s().heart, 60);
  give(E::bay, E::bay6);
  EXPECT_EQ(g.s().heart, 80);
  g.click(E::bsen1);  // nothing left: the dialogue closes on its own
  EXPECT_EQ(g.s().giftState, 4);
  EXPECT_EQ(g.message(), "usam2.bmp|トルン|「アクセサリーが|もうないや」|");
  EXPECT_TRUE(g.shown(E::menuk2));
}

TEST_F(Gifts, NoOnTheAccessoriesGoesBackToTheKinds) {
  g.s().accessoryCount[13] = 1;
  g.click(E::menuk2);
  g.click(E::ban);
  EXPECT_FALSE(g.shown(E::wd3));  // her necklace slot makes way for the choice
  g.click(E::ban2);
  g.click(E::bno);
  EXPECT_EQ(g.s().giftState, 0);
  EXPECT_EQ(g.s().giftChoice, 24);
  EXPECT_FALSE(g.shown(E::ban2));
  EXPECT_TRUE(g.shown(E::wd3));
  EXPECT_EQ(g.message(), "usam1.bmp|トルン|「どれをあげようかな？」||");
  g.click(E::bno);
  EXPECT_EQ(g.message(), "usam1.bmp|トルン|「なにをやろう|かな？」|");
  EXPECT_EQ(g.s().accessoryCount[13], 1);
}

}  // namespace
}  // namespace tenrali::test
