// The seed shop and the accessory shop, played through their buttons.
#include <gtest/gtest.h>

#include "support/test_game.h"

namespace tenrali::test {
namespace {

TEST(Shops, TenPoeBuysANormalSeedAndTheStockShowsUntilContinue) {
  TestGame g;
  g.startDay1();
  g.s().money = 10;
  g.click(E::menuk3);
  g.click(E::bsen2);
  EXPECT_EQ(g.caption(E::kyuki), "110");
  g.click(E::bhutu);
  EXPECT_EQ(g.message(), "misew1.bmp|種屋さん|「１０ポエだけどいい？」||");
  g.click(E::byes);
  EXPECT_EQ(g.s().money, 0);
  EXPECT_EQ(g.caption(E::kanek), "0");
  EXPECT_EQ(g.s().seedCount[Normal], 4);

  // The grid holds the hero's seeds, not the prices, through the OK and the question.
  for (E next : {E::bsen1, E::byes}) {
    EXPECT_EQ(g.caption(E::khutu), "4");
    EXPECT_FALSE(g.shown(E::bhare));
    EXPECT_FALSE(g.shown(E::poe1));
    EXPECT_EQ(g.click(next), next);
  }
  EXPECT_EQ(g.caption(E::khutu), "10");  // continue: the price list is back
  EXPECT_TRUE(g.shown(E::poe1));

  g.s().money = 9;
  g.click(E::bhutu);
  EXPECT_EQ(g.message(), "misew1.bmp|種屋さん|「ちょっとたりないわね。」||");
  EXPECT_EQ(g.s().seedShopState, 1);
  EXPECT_FALSE(g.shown(E::byes));
  g.click(E::bno);
  g.click(E::bno);
  EXPECT_EQ(g.s().seedShopState, 5);
  EXPECT_EQ(g.s().money, 9);
  EXPECT_TRUE(g.warnings.empty());
}

TEST(Shops, DecliningAnOfferKeepsStockAndMoney) {
  TestGame g;
  g.startDay1();
  g.s().accessoryCount[8] = 1;
  g.click(E::menuk3);
  g.click(E::bsen1);
  g.click(E::bab3);
  EXPECT_EQ(g.message(), "misem1.bmp|アクセサリー屋|「１２０ポエで買い取りまひょ。|ええでっか？」|");
  g.click(E::bno);
  EXPECT_EQ(g.s().sellIndex, 24);
  EXPECT_EQ(g.s().shopState, 1);
  EXPECT_EQ(g.s().accessoryCount[8], 1);
  EXPECT_EQ(g.s().money, 20);
  EXPECT_TRUE(g.shown(E::bab3));
  EXPECT_EQ(g.message(), "misem1.bmp|アクセサリー屋|「らっしゃい！|アクセサリーなら|買い取りまっせ！」");
}

}  // namespace
}  // namespace tenrali::test
