// The farm: each night's growth rule, planting, the harvest and the day change, all played
// from the home screen the way a player plays them.
#include <gtest/gtest.h>

#include "data/random_int.h"
#include "support/test_game.h"

namespace tenrali::test {
namespace {

// A game on its home screen with a chosen weather for today.
struct Farm : TestGame {
  explicit Farm(std::uint32_t seed = 0) : TestGame(seed) { startDay1(); }
  void weatherToday(int code) {
    for (const auto& r : s().weatherTable)
      if (r.code == code) s().todayWeather = r;
  }
  // One night for pot p holding kind t at stage g, under weather w with skill k.
  int night(int p, int t, int g, int w, int k) {
    s().potSeed(p) = t;
    s().potGrowth(p) = g;
    s().skill = k;
    weatherToday(w);
    click(E::menuk9);
    return s().potSeed(p) == 9 ? -1 : s().potGrowth(p);  // -1: withered
  }
};

enum W { sunny, cloudy, rain, thunder, snow, sunShower, hail, rainbow };

struct SproutCase {
  int kind, pot, weather, skill;
  bool sprouts;
};

TEST(Growth, FirstNightFollowsTheSproutingTable) {
  const SproutCase cases[] = {
      // normal: always
      {0, 1, sunny, 0, true}, {0, 2, rain, 0, true}, {0, 3, rainbow, 0, true},
      // sunny dies of rain, cloudy of thunder
      {1, 1, rain, 999, false}, {1, 1, cloudy, 0, true}, {1, 2, sunny, 0, true},
      {2, 1, thunder, 999, false}, {2, 3, rain, 0, true}, {2, 1, hail, 0, true},
      // rain: not on a sunny day, and skill 30
      {3, 1, sunny, 999, false}, {3, 1, cloudy, 30, true}, {3, 1, cloudy, 29, false}, {3, 2, rainbow, 30, true},
      // thunder: pot 1 only on a thunder day; pots 2, 3 on any day but cloudy; skill 70
      {4, 1, thunder, 70, true}, {4, 1, sunny, 70, false}, {4, 1, thunder, 69, false},
      {4, 2, sunny, 70, true}, {4, 3, sunny, 70, true}, {4, 2, thunder, 70, true}, {4, 3, cloudy, 70, false},
      {4, 2, cloudy, 999, false}, {4, 1, cloudy, 999, false}, {4, 2, rain, 69, false},
      // the rare kinds: only on their own weather, with skill 100, 150, 300, 450
      {5, 1, snow, 100, true}, {5, 1, snow, 99, false}, {5, 2, hail, 999, false},
      {6, 1, sunShower, 150, true}, {6, 1, sunShower, 149, false}, {6, 3, sunny, 999, false},
      {7, 1, hail, 300, true}, {7, 2, hail, 299, false}, {7, 1, snow, 999, false},
      {8, 1, rainbow, 450, true}, {8, 3, rainbow, 449, false}, {8, 1, sunny, 999, false},
  };
  Farm f;
  for (const auto& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + " pot " + std::to_string(c.pot) + " weather " +
                 std::to_string(c.weather) + " skill " + std::to_string(c.skill));
    EXPECT_EQ(f.night(c.pot, c.kind, 0, c.weather, c.skill), c.sprouts ? 1 : -1);
  }
}

TEST(Growth, YoungPlantsFearOnlyTheirOneWeather) {
  Farm f;
  for (int kind = 0; kind <= 5; ++kind)
    for (int w = 0; w < 8; ++w)
      for (int stage = 1; stage <= 2; ++stage) EXPECT_EQ(f.night(2, kind, stage, w, 0), stage + 1);
  const int fatal[9] = {-1, -1, -1, -1, -1, -1, snow, rainbow, hail};
  for (int kind = 6; kind <= 8; ++kind)
    for (int w = 0; w < 8; ++w)
      for (int stage = 1; stage <= 2; ++stage)
        EXPECT_EQ(f.night(3, kind, stage, w, 0), w == fatal[kind] ? -1 : stage + 1)
            << "kind " << kind << " weather " << w << " stage " << stage;
}

TEST(Growth, StagesShowTheSeedRecordsAndWitheringEmptiesThePot) {
  Farm f;
  f.s().potSeed(1) = 6;  // sun-shower, planted with its name on the plate
  f.sm().setCaption(E::namep1, "きつね草");
  EXPECT_EQ(f.night(1, 6, 0, sunShower, 150), 1);
  EXPECT_EQ(f.picture(E::ueki1), "ten1.bmp");
  EXPECT_EQ(f.caption(E::namep1), "きつね草");
  EXPECT_EQ(f.night(1, 6, 1, sunny, 0), 2);
  EXPECT_EQ(f.picture(E::ueki1), "ten2.bmp");
  EXPECT_EQ(f.night(1, 6, 2, rain, 0), 3);
  EXPECT_EQ(f.picture(E::ueki1), "ten3.bmp");
  // Ripe: any weather, any number of nights, nothing changes.
  for (int w = 0; w < 8; ++w) EXPECT_EQ(f.night(1, 6, 3, w, 0), 3);
  EXPECT_EQ(f.picture(E::ueki1), "ten3.bmp");
  // A growing sun-shower plant on a snow day withers.
  EXPECT_EQ(f.night(2, 6, 2, snow, 0), -1);
  EXPECT_EQ(f.picture(E::ueki2), "ueki.bmp");
  EXPECT_EQ(f.caption(E::namep2), "枯れ");
  EXPECT_EQ(f.s().pot2Growth, 0);
  EXPECT_TRUE(f.warnings.empty());
}

TEST(Growth, AnEmptyPotIsUntouchedByTheNight) {
  Farm f;
  f.sm().setCaption(E::namep3, "枯れ");
  for (int w = 0; w < 8; ++w) {
    f.weatherToday(w);
    f.click(E::menuk9);
    EXPECT_EQ(f.s().pot3Seed, 9);
    EXPECT_EQ(f.s().pot3Growth, 0);
    EXPECT_EQ(f.caption(E::namep3), "枯れ");
    EXPECT_EQ(f.picture(E::ueki3), "ueki.bmp");
  }
}

TEST(DayCycle, EndingTheDayFollowsItsOrder) {
  Farm f(7);
  f.s().heart = 12;
  f.s().skill = 34;
  f.s().money = 56;
  f.s().dayNumber = 999;
  f.form().setMessageColor(colors::black);
  RandomInt expected(7);
  expected.next();  // day 1's weather
  const int r = expected.next();
  f.click(E::menuk9);
  EXPECT_EQ(f.s().dayNumber, 1000);
  EXPECT_EQ(f.s().todayWeather, f.s().weatherTable[static_cast<std::size_t>(r % 8)]);
  EXPECT_EQ(f.picture(E::tenw), f.s().todayWeather.picture);
  EXPECT_EQ(f.caption(E::tenp), f.s().todayWeather.name);
  EXPECT_EQ(f.message(), "usam4.bmp|トルン|「今日も一日|がんばるぞ！」|");
  EXPECT_EQ(f.sm().get(E::mes1).font.color, colors::white);
  EXPECT_EQ(f.caption(E::dokik), "12");
  EXPECT_EQ(f.caption(E::gijyuk), "34");
  EXPECT_EQ(f.caption(E::kanek), "56");
  EXPECT_EQ(f.caption(E::day), "1000");
}

TEST(DayCycle, OneDrawADayFromTheOneGenerator) {
  Farm f(12345);
  RandomInt expected(12345);
  EXPECT_EQ(f.s().todayWeather, f.s().weatherTable[static_cast<std::size_t>(expected.next() % 8)]);
  for (int day = 2; day <= 40; ++day) {
    f.click(E::menuk9);
    EXPECT_EQ(f.s().todayWeather, f.s().weatherTable[static_cast<std::size_t>(expected.next() % 8)]) << day;
  }
}

TEST(DayCycle, APlantMeetsTheWeatherOfTheDayItWasPlanted) {
  // Plant a rain seed on a sunny day with plenty of skill: it withers that night, whatever comes next.
  Farm f;
  f.s().seedCount[3] = 1;
  f.s().skill = 500;
  f.weatherToday(sunny);
  f.click(E::menuk4);
  f.click(E::bame);
  f.click(E::byes);
  f.click(E::ueki2);
  f.click(E::byes);
  ASSERT_EQ(f.s().pot2Seed, 3);
  f.click(E::menuk9);
  EXPECT_EQ(f.s().pot2Seed, 9);
  EXPECT_EQ(f.caption(E::namep2), "枯れ");
}

TEST(Planting, ANormalSeedIsRipeAfterExactlyThreeNights) {
  Farm f;
  f.click(E::menuk4);
  EXPECT_EQ(f.message(), "usam1.bmp|トルン|「どの種にする？」||");
  EXPECT_TRUE(f.shown(E::bhutu));
  EXPECT_EQ(f.picture(E::bhutu), "bthutu.bmp");
  EXPECT_EQ(f.caption(E::khutu), "3");
  EXPECT_FALSE(f.shown(E::ueki1));
  f.click(E::bhutu);
  EXPECT_EQ(f.message(), "usam1.bmp|トルン|「この種でいい？」||");
  EXPECT_FALSE(f.shown(E::bhutu));
  f.click(E::byes);
  EXPECT_EQ(f.message(), "usam1.bmp|トルン|「どこに植える？」||");
  EXPECT_FALSE(f.shown(E::byes));
  EXPECT_EQ(f.picture(E::bno), "yame.bmp");
  f.click(E::ueki3);
  EXPECT_EQ(f.message(), "usam1.bmp|トルン|「ここでいい？」||");
  EXPECT_EQ(f.s().seedCount[0], 3);  // not yet taken
  f.click(E::byes);
  EXPECT_EQ(f.s().seedCount[0], 2);
  EXPECT_EQ(f.caption(E::namep3), f.s().seedTable[0].name);
  EXPECT_EQ(f.picture(E::ueki3), "ueki.bmp");  // the pot looks empty until the night
  EXPECT_EQ(f.s().chosenPot, 5);
  EXPECT_EQ(f.message(), "usam1.bmp|トルン|「なにをやろう|かな？」|");
  EXPECT_TRUE(f.shown(E::menuk9));
  EXPECT_FALSE(f.shown(E::byes));
  EXPECT_FALSE(f.shown(E::bno));
  for (int night = 1; night <= 3; ++night) {
    EXPECT_EQ(f.s().pot3Growth, night - 1);
    f.click(E::menuk9);
  }
  EXPECT_EQ(f.s().pot3Growth, 3);
  EXPECT_EQ(f.picture(E::ueki3), "hutu3.bmp");
}

TEST(Planting, RefusalsLeaveEverythingIdle) {
  Farm f;
  f.s().pot1Seed = 0;
  f.s().pot2Seed = 1;
  f.s().pot3Seed = 2;
  f.click(E::menuk4);
  EXPECT_EQ(f.message(), "usam2.bmp|トルン|「収穫しないと|ダメだぁ・・」|");
  EXPECT_EQ(f.s().plantState, 5);
  EXPECT_TRUE(f.shown(E::menuk4));
  f.s().pot2Seed = 9;
  f.s().seedCount[0] = 0;
  f.click(E::menuk4);
  EXPECT_EQ(f.message(), "usam2.bmp|トルン|「種が　ないな・・|なんとかしないと・・」|");
  EXPECT_EQ(f.s().plantState, 5);
  EXPECT_FALSE(f.shown(E::bhutu));
}

TEST(Planting, EveryBackOutKeepsTheSeeds) {
  Farm f;
  f.s().seedCount = {3, 1, 0, 0, 0, 0, 0, 0, 0};
  const auto seeds = f.s().seedCount;
  // Cancel while choosing the seed.
  f.click(E::menuk4);
  f.click(E::bno);
  EXPECT_EQ(f.s().plantState, 5);
  EXPECT_EQ(f.s().chosenSeed, 9);
  EXPECT_TRUE(f.shown(E::menuk1));
  EXPECT_TRUE(f.shown(E::ueki1));
  EXPECT_FALSE(f.shown(E::bno));
  // No to the seed: back to the seed buttons.
  f.click(E::menuk4);
  f.click(E::bhare);
  f.click(E::bno);
  EXPECT_EQ(f.s().plantState, 0);
  EXPECT_TRUE(f.shown(E::bhare));
  EXPECT_EQ(f.message(), "usam1.bmp|トルン|「どの種にする？」||");
  // Cancel while choosing the pot.
  f.click(E::bhare);
  f.click(E::byes);
  f.click(E::bno);
  EXPECT_EQ(f.s().plantState, 0);
  EXPECT_FALSE(f.shown(E::ueki1));
  // No to the pot: the pot is empty again, the same seed goes to the next pot clicked.
  f.click(E::bhare);
  f.click(E::byes);
  f.click(E::ueki1);
  EXPECT_EQ(f.s().pot1Seed, 1);
  f.click(E::bno);
  EXPECT_EQ(f.message(), "usam1.bmp|トルン|「どこに植える?？」||");
  EXPECT_EQ(f.s().pot1Seed, 9);
  EXPECT_EQ(f.s().chosenPot, 0);
  EXPECT_EQ(f.s().plantState, 1);
  EXPECT_EQ(f.s().seedCount, seeds);
  f.click(E::ueki2);
  f.click(E::byes);
  EXPECT_EQ(f.s().pot2Seed, 1);
  EXPECT_EQ(f.s().pot1Seed, 9);
  EXPECT_EQ(f.s().seedCount[1], 0);
  // An occupied pot does not answer; the last seed of a kind has no button the next time.
  f.click(E::menuk4);
  EXPECT_FALSE(f.shown(E::bhare));
  f.click(E::bhutu);
  f.click(E::byes);
  f.click(E::ueki2);
  EXPECT_EQ(f.s().plantState, 1);
  EXPECT_EQ(f.s().pot2Seed, 1);
}

TEST(Harvest, ThreeRipePotsOfOneKind) {
  Farm f;
  for (int p = 1; p <= 3; ++p) {
    f.s().potSeed(p) = 5;
    f.s().potGrowth(p) = 3;
  }
  f.s().fruitCount[5] = 2;
  f.click(E::menuk7);
  EXPECT_EQ(f.s().fruitCount[5], 5);
  EXPECT_EQ(f.message(), "usam4.bmp|トルン|「どのくらい採れたかな？」||");
  EXPECT_TRUE(f.shown(E::byuki));
  EXPECT_EQ(f.picture(E::byuki), "bmyuki.bmp");
  EXPECT_EQ(f.caption(E::kyuki), "5");
  EXPECT_FALSE(f.shown(E::ueki1));
  EXPECT_EQ(f.picture(E::bno), "ok.bmp");
  // The fruit buttons only show: a click on one changes nothing.
  const auto before = f.s().fruitCount;
  f.click(E::byuki);
  EXPECT_EQ(f.s().fruitCount, before);
  f.click(E::bno);
  EXPECT_EQ(f.s().harvestState, 5);
  EXPECT_FALSE(f.shown(E::byuki));
  EXPECT_TRUE(f.shown(E::ueki1));
  EXPECT_TRUE(f.shown(E::menuk7));
  EXPECT_EQ(f.message(), "usam1.bmp|トルン|「なにをやろう|かな？」|");
  for (int p = 1; p <= 3; ++p) EXPECT_EQ(f.s().potSeed(p), 9);
  EXPECT_EQ(f.picture(E::ueki2), "ueki.bmp");
  EXPECT_EQ(f.caption(E::namep2), "");
}

TEST(Harvest, OnlyRipePlantsAndNothingRipeIsSaid) {
  Farm f;
  f.s().pot1Seed = 2;
  f.s().pot1Growth = 2;
  f.sm().setCaption(E::namep1, "モクモク草");
  f.click(E::menuk7);
  EXPECT_EQ(f.message(), "usam2.bmp|トルン|「実ができてないから|収穫できないよぉ」|");
  EXPECT_TRUE(f.shown(E::ueki1));
  EXPECT_EQ(f.s().fruitCount, (std::array<std::int32_t, 9>{}));
  f.click(E::bno);
  f.s().pot2Seed = 0;
  f.s().pot2Growth = 3;
  f.click(E::menuk7);
  EXPECT_EQ(f.s().fruitCount[0], 1);
  EXPECT_EQ(f.s().pot1Growth, 2);
  EXPECT_EQ(f.caption(E::namep1), "モクモク草");
  f.click(E::bno);
  // The emptied pot can be planted the same day.
  f.click(E::menuk4);
  f.click(E::bhutu);
  f.click(E::byes);
  f.click(E::ueki2);
  f.click(E::byes);
  EXPECT_EQ(f.s().pot2Seed, 0);
}

}  // namespace
}  // namespace tenrali::test
