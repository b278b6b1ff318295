// Talking with ララベ: her remarks by skill, one draw per talk, and her help when the hero is broke.
#include <gtest/gtest.h>

#include "heroine/talk_lines.h"
#include "support/invariants.h"
#include "support/test_game.h"

namespace tenrali::test {
namespace {

TEST(Talk, TheSkillHintFollowsTheSkill) {
  TestGame g;
  g.startDay1();
  std::uint32_t hint = 0;  // a seed whose first draw is remark 11, the skill hint
  while (RandomInt(hint).next() % 12 != 11) ++hint;
  const std::pair<int, const char*> bands[] = {
      {29, "「技術力が３０以上|ないと雨の実は"}, {30, "「技術力が７０以上|ないと雷の実は"},
      {299, "「技術力が３００以上|ないと雹の実は"}, {300, nullptr}};
  for (auto [skill, lines] : bands) {
    const std::string before = g.message();
    g.s().skill = skill;
    g.form().random().seed(hint);
    g.click(E::menuk8);
    EXPECT_EQ(g.message(), lines ? std::string("usaw3.bmp|ララベ|") + lines + "|無理みたい・・・」" : before) << skill;
    RandomInt once(hint);
    once.next();
    EXPECT_EQ(g.form().random().state(), once.state()) << skill;
  }
}

// Every remark, said by talking to her on the home screen, leaves the menu buttons free (the
// window's invariants), wraps its words in one pair of quotes and ends as the scenes end, without
// a "。" before the closing quote.
TEST(Talk, EveryRemarkReadsWell) {
  TestGame g;
  const int skills[kTalkSets] = {0, 30, 70, 100, 150};
  std::uint32_t seedFor[kTalkLinesPerSet];  // a seed whose first draw is remark r
  for (int r = 0; r < kTalkLinesPerSet; ++r)
    for (seedFor[r] = 0; RandomInt(seedFor[r]).next() % 12 != r;) ++seedFor[r];
  g.startDay1();
  for (int set = 0; set < kTalkSets; ++set)
    for (int r = 0; r < kTalkLinesPerSet; ++r) {
      const TalkLine& line = talkLine(set, r);
      g.s().skill = skills[set];
      g.form().refreshStatus();
      g.form().random().seed(seedFor[r]);
      g.click(E::menuk8);
      ASSERT_EQ(g.caption(E::mes2), line.line1) << set << "/" << r;
      EXPECT_EQ(checkInvariants(g.form()), std::vector<std::string>{}) << set << "/" << r;
      const std::string all = g.caption(E::mes2) + g.caption(E::mes3) + g.caption(E::mes4);
      EXPECT_EQ(all.rfind("「"), 0u) << set << "/" << r;
      EXPECT_EQ(all.find("」"), all.size() - 3) << set << "/" << r;
      EXPECT_EQ(all.find("。」"), std::string::npos) << all;
      EXPECT_EQ(*line.line3 != '\0', r == 2 || r == 3 || r == 8 || r == 11) << set << "/" << r;
    }
  EXPECT_TRUE(g.warnings.empty());
}

TEST(Talk, SheHelpsEachTimeTheHeroHasNothing) {
  TestGame g;
  g.startDay1();
  GameState& s = g.s();
  s.seedCount[Normal] = 0;
  s.pot1Seed = Rain;  // a plant in a pot does not count
  for (int skill : {0, 300}) {
    s.money = 0;
    s.skill = skill;
    g.click(E::menuk8);
    EXPECT_EQ(s.money, 20);
    EXPECT_EQ(g.caption(E::kanek), "20");
    EXPECT_EQ(g.message(), "usaw2.bmp|ララベ|「トルンくん　少ないけど|よかったら　これ使って」|");
  }
  // One thing in any stock, and she gives nothing.
  for (std::int32_t* one : {&s.seedCount[Snow], &s.fruitCount[Rainbow], &s.accessoryCount[23]}) {
    s.money = 0;
    *one = 1;
    g.click(E::menuk8);
    EXPECT_EQ(s.money, 0);
    *one = 0;
  }
  // A purse that cannot buy the cheapest seed (10 ポエ) is as empty as none, unless there is stock.
  const struct { int money, seeds, after; } purses[] = {{5, 0, 25}, {5, 1, 5}, {9, 0, 29}, {10, 0, 10}};
  for (auto [money, seeds, after] : purses) {
    s.money = money;
    s.seedCount[Normal] = seeds;
    g.click(E::menuk8);
    EXPECT_EQ(s.money, after) << money << " ポエ, " << seeds << " seeds";
    if (after != money) {
      EXPECT_EQ(g.caption(E::kanek), std::to_string(after));
    }
  }
}

}  // namespace
}  // namespace tenrali::test
