// Entering a contest, the judging and the contest day with its loss scene.
#include <gtest/gtest.h>

#include "contest_play.h"

namespace tenrali::test {
namespace {

TEST(ContestEntry, YesOnTheOfferOnlyAsksAndNoLeavesWithNothingTaken) {
  TestGame g;
  g.startDay1();
  g.click(E::menuk1);
  EXPECT_EQ(g.message(), "usam1.bmp|村娘ドキドキコンテスト|申し込み受付中です。|出場しますか？|");
  g.click(E::byes);
  EXPECT_EQ(g.message(), "usam1.bmp|コンテスト出場には|５０ポエかかります。|よろしいですか？|");
  EXPECT_EQ(g.s().contestEntryState, 1);
  EXPECT_EQ(timersRunning(g), 0);
  g.click(E::bno);
  EXPECT_EQ(g.s().money, 20);
  EXPECT_EQ(g.message(), "usam1.bmp|トルン|「なにをやろう|かな？」|");
  EXPECT_TRUE(g.shown(E::menuk1));
  EXPECT_FALSE(g.shown(E::bno));
}

TEST(ContestEntry, TheExactFeePaysAndOneLessIsRefusedUntilNo) {
  for (int stage : {1, 3}) {
    SCOPED_TRACE(stage);
    TestGame g;
    g.startDay1();
    g.s().contestStage = stage;
    g.s().money = kFee[stage] - 1;
    g.click(E::menuk1);
    g.click(E::byes);
    for (int again = 0; again < 2; ++again) {  // yes repeats the refusal
      g.click(E::byes);
      EXPECT_EQ(g.message(), "usam2.bmp|トルン|「お金がたりないよ？」||");
      EXPECT_EQ(g.s().contestEntryState, 1);
    }
    g.click(E::bno);
    EXPECT_EQ(g.s().money, kFee[stage] - 1);
    g.s().money = kFee[stage];
    g.click(E::menuk1);
    g.click(E::byes);
    g.click(E::byes);
    EXPECT_EQ(g.caption(E::kanek), "0");
    EXPECT_TRUE(g.shown(E::ivent5));
    EXPECT_FALSE(g.shown(E::byes));
    EXPECT_FALSE(g.shown(E::kaow));
    EXPECT_TRUE(g.sm().get(stage == 1 ? E::Timer2 : E::Timer6).enabled);
    EXPECT_EQ(timersRunning(g), 1);
  }
}

// What stands on stage after the winner is called.
struct Podium {
  int stage, heart, skill;
  ContestPlacing placing;
  const char* winner;  // picture in co1
  const char* second;  // the name called at 220
  const char* third;   // the name called at 150
  Rgb star;
};

class Judging : public ::testing::TestWithParam<Podium> {};

TEST_P(Judging, TheAnnouncerCallsThePlacesFromHeartAndSkill) {
  const Podium& p = GetParam();
  TestGame g;
  g.startDay1();
  EXPECT_EQ(g.form().placingFor(p.stage, p.heart, p.skill), p.placing);
  playContestDay(g, p.stage, p.heart, p.skill, 150);
  EXPECT_EQ(g.caption(E::mes3), std::string("　　　　　") + p.third + "さんです！");
  EXPECT_TRUE(g.shown(E::co3));
  g.tick(70);
  EXPECT_EQ(g.caption(E::mes3), std::string("　　　　　") + p.second + "さんです！");
  EXPECT_TRUE(g.shown(E::co2));
  g.tick(70);
  EXPECT_EQ(g.picture(E::co1), p.winner);
  EXPECT_EQ(g.caption(E::mes4), "　　　　　おめでとうございます！");
  const E star = p.stage == 1 ? E::Label1 : p.stage == 2 ? E::Label2 : E::Label3;
  EXPECT_EQ(g.sm().get(star).font.color, p.star);
  EXPECT_EQ(g.s().contestResult, p.placing == ContestPlacing::Won ? 1 : 0);
  EXPECT_TRUE(g.warnings.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, Judging,
    ::testing::Values(Podium{1, 20, 50, ContestPlacing::Won, "cusaw.bmp", "ゼフィナ", "ポポラ", colors::yellow},
                      Podium{1, 19, 60, ContestPlacing::Second, "csow1.bmp", "ララベ", "ミルフィ", colors::white},
                      Podium{1, 25, 45, ContestPlacing::Unplaced, "csow1.bmp", "チコリ", "ナナリ", colors::black},
                      Podium{1, 15, 100, ContestPlacing::Second, "csow1.bmp", "ララベ", "ミルフィ", colors::white},
                      Podium{1, 9, 30, ContestPlacing::Third, "csow1.bmp", "ラムネ", "ララベ", colors::lime},
                      Podium{2, 50, 249, ContestPlacing::Unplaced, "csow1.bmp", "ティアラ", "シフォナ", colors::black},
                      Podium{3, 57, 420, ContestPlacing::Third, "csow1.bmp", "セレスタ", "ララベ", colors::lime},
                      Podium{3, 54, 999, ContestPlacing::Unplaced, "csow1.bmp", "ロザリンデ", "アルテミシア",
                             colors::black},
                      Podium{3, 60, 449, ContestPlacing::Unplaced, "csow1.bmp", "ロザリンデ", "アルテミシア",
                             colors::black},
                      Podium{3, 70, 500, ContestPlacing::Won, "cusaw.bmp", "ゼフィナ", "エルミーヌ", colors::yellow}));

TEST(ContestDay, AClickSkipsTheArrivalButNotTheContest) {
  TestGame g;
  g.startDay1();
  payEntry(g, 1, 0, 0);
  g.tick(95);
  g.clickAt(500, 50);
  EXPECT_FALSE(g.sm().get(E::Timer2).enabled);
  g.tick();
  EXPECT_EQ(g.s().sceneTick, 1);
  EXPECT_TRUE(g.sm().get(E::Timer3).enabled);
  EXPECT_TRUE(g.shown(E::ivent6));
  EXPECT_FALSE(g.shown(E::kaow));
  EXPECT_EQ(g.s().contestEntryState, 3);

  g.tick(99);
  const std::string before = g.message() + g.visibleNames();
  for (auto [x, y] : {std::pair{300, 150}, {150, 330}, {5, 5}}) g.clickAt(x, y);
  EXPECT_EQ(g.message() + g.visibleNames(), before);
  EXPECT_EQ(g.s().sceneTick, 100);
  EXPECT_EQ(timersRunning(g), 1);
}

TEST(ContestDay, ALossInTheSecondContestKeepsTheFirstStarAndTheFee) {
  TestGame g;
  g.startDay1();
  playContestDay(g, 1, 20, 50, 320 + 315);  // a first win and its scene
  ASSERT_EQ(g.s().contestStage, 2);

  playContestDay(g, 2, 45, 210, 360);  // second place
  EXPECT_TRUE(g.shown(E::ivent7));
  EXPECT_FALSE(g.shown(E::co1));
  const int day = g.s().dayNumber;
  g.tick(284);
  EXPECT_FALSE(g.shown(E::Label1));  // the stars come home with them
  g.tick(1);
  EXPECT_EQ(timersRunning(g), 0);
  EXPECT_EQ(g.s().sceneTick, 0);
  EXPECT_EQ(g.s().dayNumber, day + 1);
  EXPECT_TRUE(g.shown(E::menuk1));
  EXPECT_FALSE(g.shown(E::ivent7));
  EXPECT_TRUE(g.shown(E::Label2));
  EXPECT_FALSE(g.shown(E::Label3));
  EXPECT_EQ(g.sm().get(E::Label1).font.color, colors::yellow);
  EXPECT_EQ(g.sm().get(E::Label2).font.color, colors::white);
  EXPECT_EQ(g.s().contestStage, 2);

  g.s().money = 150;
  g.click(E::menuk1);
  g.click(E::byes);
  EXPECT_EQ(g.caption(E::mes2), "１００ポエかかります。");
  g.click(E::byes);
  EXPECT_EQ(g.s().money, 50);
  EXPECT_TRUE(g.sm().get(E::Timer5).enabled);
}

}  // namespace
}  // namespace tenrali::test
