// What the workshop makes, and what each making costs in fruits, skill and random draws.
#include <set>
#include <tuple>

#include "workshop_test_game.h"

namespace tenrali::test {
namespace {

// Many makings in a row: every yield in its range, both ends seen; normal..sun-shower take
// exactly one draw each, hail and rainbow none.
TEST(WorkshopSeeds, YieldsCoverTheirRangeAndTakeOneDrawWhereRandom) {
  const std::set<int> yields[9] = {{3, 4, 5, 6}, {2, 3, 4, 5, 6}, {2, 3, 4, 5}, {2, 3, 4}, {2, 3, 4},
                                   {2, 3},       {2, 3},          {2},          {2}};
  constexpr int kMakings = 60;
  for (int k = 0; k < 9; ++k) {
    WorkshopGame g({{k, kMakings}}, 1000 + k);
    g.play({E::menuk5, E::bsen2});
    std::set<int> seen;
    for (int i = 0; i < kMakings; ++i) {
      g.play({E::bsen1, kWeatherButtons[k]});
      RandomInt expected = g.form().random();
      if (k < Hail) expected.next();
      const int before = g.s().seedCount[k];
      g.play({E::byes});
      ASSERT_EQ(g.form().random().state(), expected.state()) << "kind " << k << ", making " << i;
      seen.insert(g.s().seedCount[k] - before);
      g.play({E::bsen1, i + 1 < kMakings ? E::byes : E::bno});
    }
    EXPECT_EQ(seen, yields[k]) << "kind " << k;
    EXPECT_EQ(g.caption(E::gijyuk), std::to_string(kMakings * (k + 1)));
    // The next day's weather takes the draw after the last making.
    RandomInt tomorrow = g.form().random();
    g.play({E::menuk9});
    EXPECT_EQ(g.s().todayWeather, g.s().weatherTable[static_cast<std::size_t>(tomorrow.next() % 8)]);
  }
}

TEST(WorkshopSeeds, EachPairGivesOneSeedOfTheNextSpeciesWithoutADraw) {
  const std::tuple<int, int, const char*> cases[] = {
      {Cloudy, Rain, "「雨の種ができたよ！」||"},           {Rain, Thunder, "「雷の種ができたよ！」||"},
      {Thunder, SunShower, "「天気雨の種が|できたよ！」|"}, {Snow, Hail, "「雹の種ができたよ！」||"},
      {SunShower, Rainbow, "「虹の種ができたよ！」||"}};
  for (auto [pair, target, lines] : cases) {
    WorkshopGame g({{pair, 3}});
    g.play({E::menuk5, E::bsen2, E::bsen2, kWeatherButtons[pair]});
    const std::uint64_t draws = g.form().random().state();
    const auto seeds = g.s().seedCount;
    g.play({E::byes});
    EXPECT_EQ(g.message(), std::string("usam4.bmp|トルン|") + lines);
    for (int k = 0; k < 9; ++k) EXPECT_EQ(g.s().seedCount[k], seeds[k] + (k == target)) << pair << "->" << k;
    EXPECT_EQ(g.s().fruitCount[pair], 1);
    EXPECT_EQ(g.caption(E::gijyuk), std::to_string(target + 1));
    EXPECT_EQ(g.form().random().state(), draws);
  }
}

// The fruit picks the variant, the kind the row; the skill rises by 2 × (fruit + 1).
TEST(WorkshopAccessories, OneFruitMakesOneAccessoryOfTheChosenKind) {
  const std::tuple<int, E, int, const char*, const char*> cases[] = {
      {Hail, E::ban, 16, "「ネックレスでいい？」", "雹のネックレスが"},
      {Hail, E::bay, 22, "「指輪でいい？」", "雹の指輪が"},
      {Rainbow, E::bay, 23, "「指輪でいい？」", "虹の指輪"}};
  for (auto [fruit, kindButton, item, question, made] : cases) {
    WorkshopGame g({{fruit, 1}});
    const std::uint64_t draws = g.form().random().state();
    g.play({E::menuk5, E::bsen1, kWeatherButtons[fruit], E::byes, kindButton});
    EXPECT_EQ(g.message(), std::string("usam4.bmp|トルン|") + question + "||");
    g.play({E::byes});
    EXPECT_EQ(g.message(), std::string("usam5.bmp|") + made + "|できました。||");
    EXPECT_EQ(std::count(g.s().accessoryCount.begin(), g.s().accessoryCount.end(), 0), 23);
    EXPECT_EQ(g.caption(kAccessoryCounts[item]), "1");
    EXPECT_EQ(g.s().fruitCount[fruit], 0);
    EXPECT_EQ(g.caption(E::gijyuk), std::to_string(2 * (fruit + 1)));
    EXPECT_EQ(g.s().chosenFruit, NoWeather);
    EXPECT_EQ(g.s().chosenKind, 0);
    EXPECT_EQ(g.form().random().state(), draws);
  }
}

}  // namespace
}  // namespace tenrali::test
