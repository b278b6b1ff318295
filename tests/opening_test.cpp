// The opening: it starts at once, replays until the player clicks, and the first click ends it.
#include <gtest/gtest.h>

#include "support/test_game.h"

namespace tenrali::test {
namespace {

TEST(Opening, TheFirstNarrationComesAfterOneTick) {
  TestGame g;
  g.menuNew();
  EXPECT_EQ(g.caption(E::mes2), "");
  g.tick();
  EXPECT_EQ(g.caption(E::mes1), "");
  EXPECT_NE(g.caption(E::mes2), "");
  EXPECT_TRUE(g.shown(E::ivent));
  EXPECT_EQ(g.sm().get(E::mes2).font.color, colors::black);
}

TEST(Opening, ReplaysFromTheStartAtTick1000InWhite) {
  TestGame g;
  g.menuNew();
  g.tick();
  const std::string first = g.caption(E::mes2);
  g.tick(970);  // tick 1000
  EXPECT_EQ(g.s().sceneTick, 0);
  EXPECT_TRUE(g.sm().get(E::Timer1).enabled);
  EXPECT_EQ(g.caption(E::mes2), "「画面をクリックしてね！」");
  g.tick(30);
  EXPECT_EQ(g.message(), "usam4.bmp||" + first + "||");
  EXPECT_EQ(g.sm().get(E::mes2).font.color, colors::white);
  EXPECT_TRUE(g.shown(E::ivent4));
  EXPECT_TRUE(g.shown(E::kaow));
  EXPECT_TRUE(g.warnings.empty());
}

class OpeningClick : public ::testing::TestWithParam<int> {};

TEST_P(OpeningClick, EndsItForGood) {
  TestGame g(7);
  g.menuNew();
  g.tick(GetParam());
  g.clickAt(300, 200);
  const std::string vow = "usam4.bmp|トルン|「絶対　つくって|　みせるぞっ！」|";
  EXPECT_EQ(g.message(), vow);
  EXPECT_EQ(g.s().contestStage, 1);
  EXPECT_FALSE(g.sm().get(E::Timer1).enabled);
  EXPECT_NE(g.s().todayWeather.picture, "");
  EXPECT_EQ(g.picture(E::tenw), g.s().todayWeather.picture);
  // No later step of the opening ever shows again, however long the home screen waits.
  g.tick(2100);
  EXPECT_EQ(g.message(), vow);
  EXPECT_EQ(g.sm().get(E::mes2).font.color, colors::white);
  EXPECT_EQ(g.s().sceneTick, 0);
  EXPECT_TRUE(g.shown(E::menuk1));
  for (E scene : {E::ivent, E::ivent1, E::ivent2, E::ivent3, E::ivent4}) EXPECT_FALSE(g.shown(scene));
}

// The opening at its ticks 31 and 500, and at tick 31 of its first replay.
INSTANTIATE_TEST_SUITE_P(AtAnyTick, OpeningClick, ::testing::Values(2, 471, 1002));

}  // namespace
}  // namespace tenrali::test
