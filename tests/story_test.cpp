// The win scenes, the ending with its staff roll, and every scene line of the game on screen.
#include <gtest/gtest.h>

#include <climits>

#include "contest_play.h"

namespace tenrali::test {
namespace {

TEST(WinScenes, BlackWordsAfterTheFirstTwoWinsAndWhiteInTheLast) {
  TestGame g;
  g.startDay1();
  const Rgb expected[4] = {{}, colors::black, colors::black, colors::white};
  const int length[3] = {315, 535};
  for (int stage : {1, 2, 3}) {
    SCOPED_TRACE(stage);
    playContestDay(g, stage, 80, 999, 320 + 20);
    EXPECT_TRUE(g.shown(E::ivent8));
    EXPECT_FALSE(g.shown(E::co1));
    EXPECT_TRUE(g.shown(E::kaow));
    for (E line : {E::mes1, E::mes2, E::mes3, E::mes4}) EXPECT_EQ(g.sm().get(line).font.color, expected[stage]);
    if (stage == 3) break;
    const int day = g.s().dayNumber;
    g.tick(length[stage - 1] - 20);
    // The next morning at home, with the next contest open.
    EXPECT_EQ(g.s().contestStage, stage + 1);
    EXPECT_EQ(g.s().contestResult, 0);
    EXPECT_EQ(g.s().dayNumber, day + 1);
    EXPECT_EQ(timersRunning(g), 0);
    EXPECT_TRUE(g.shown(E::menuk1));
    EXPECT_EQ(g.shown(E::Label2), stage == 2);
    EXPECT_EQ(g.sm().get(E::mes2).font.color, colors::white);
  }
}

TEST(Ending, TheStaffRollEndsTheGameForGood) {
  TestGame g;
  g.startDay1();
  playContestDay(g, 3, 70, 500, 320 + 210);
  for (E e : {E::kaow, E::mes1, E::mes2, E::mes3, E::mes4}) EXPECT_FALSE(g.shown(e));
  g.tick(510);
  EXPECT_EQ(g.caption(E::Label7), "Produced  By  Tenrali  ");
  EXPECT_TRUE(g.shown(E::ivent11));
  EXPECT_FALSE(g.shown(E::Label6));

  const std::string last = g.visibleNames();
  for (int round = 0; round < 3; ++round) {
    for (auto [x, y] : {std::pair{300, 200}, {50, 320}, {400, 350}, {520, 370}, {10, 10}}) g.clickAt(x, y);
    g.tick(1000);
  }
  EXPECT_EQ(g.visibleNames(), last);
  EXPECT_FALSE(g.shown(E::menuk1));
  EXPECT_TRUE(g.sm().get(E::Timer8).enabled);

  // Left open for years, the ending's counter stops at its end instead of running over.
  g.s().sceneTick = INT_MAX - 2;
  g.tick(5);
  EXPECT_EQ(g.s().sceneTick, INT_MAX);
  EXPECT_EQ(g.visibleNames(), last);
}

// Watches every tick of a stretch of play: one scene timer at most, and no message line or
// staff-roll caption running past the right edge of the window.
struct Watch {
  TestGame& g;
  int lines = 0;
  void operator()(int ticks) {
    for (int i = 0; i < ticks; ++i) {
      g.tick();
      ASSERT_LE(timersRunning(g), 1) << "at tick " << g.s().sceneTick;
      for (E e : {E::mes1, E::mes2, E::mes3, E::mes4, E::Label5, E::Label6, E::Label7, E::Label8}) {
        if (!g.shown(e) || g.caption(e).empty()) continue;
        Rect r = g.sm().rect(e);
        ++lines;
        ASSERT_LE(r.x + r.w, 600) << "tick " << g.s().sceneTick << ": " << g.caption(e);
      }
    }
  }
};

TEST(SceneLines, EveryLineFitsTheWindowAndOneSceneRunsAtATime) {
  {
    TestGame g;
    Watch watch{g};
    g.menuNew();
    watch(971 + 30);
    EXPECT_GT(watch.lines, 900);
    EXPECT_TRUE(g.warnings.empty());
  }
  // Every contest with every placing, from the arrival through the loss or the win scene.
  const int heartFor[3][4] = {{20, 10, 5, 0}, {50, 40, 30, 0}, {70, 60, 55, 0}};
  const int arrival[3] = {550, 675, 700};
  const int after[3] = {315, 535, 720};
  for (int stage : {1, 2, 3}) {
    for (int place = 0; place < 4; ++place) {
      SCOPED_TRACE(testing::Message() << "contest " << stage << ", placing " << place);
      TestGame g;
      g.startDay1();
      Watch watch{g};
      payEntry(g, stage, heartFor[stage - 1][place], 999);
      watch(arrival[stage - 1]);
      ASSERT_TRUE(g.sm().get(E::Timer3).enabled);
      watch(320);
      watch(place == 0 ? after[stage - 1] : 325);
      EXPECT_EQ(g.shown(E::menuk1), !(place == 0 && stage == 3));
      EXPECT_TRUE(g.warnings.empty());
    }
  }
}

}  // namespace
}  // namespace tenrali::test
