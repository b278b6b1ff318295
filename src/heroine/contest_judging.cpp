// Judging: the heroine's place follows from her heart points and the hero's skill alone, and the
// announcer calls the third, the second and the winner with their pictures on stage.
#include <optional>
#include <string>

#include "app/form1.h"

namespace tenrali {

namespace {

// A band is a range of heart [heartFrom, heartTo) together with a minimum skill. The winning
// band has no upper end; a heart above a band never falls back to a lower one.
struct Band {
  int heartFrom, heartTo, minSkill;
  bool holds(int heart, int skill) const { return heart >= heartFrom && heart < heartTo && skill >= minSkill; }
};
constexpr int kNoLimit = 2147483647;

struct Judging {
  Band won, second, third;
};
constexpr Judging kJudging[3] = {
    {{20, kNoLimit, 50}, {10, 20, 40}, {5, 10, 30}},
    {{50, kNoLimit, 250}, {40, 50, 200}, {30, 40, 150}},
    {{70, kNoLimit, 500}, {60, 70, 450}, {55, 60, 400}},  // the final's third band is only five wide
};

// Who stands on stage: a picture and the name the announcer calls.
struct OnStage {
  const char* picture;
  const char* name;
};
constexpr OnStage kHeroine{"cusaw.bmp", "ララベ"};
constexpr OnStage kRival{"csow1.bmp", "ゼフィナ"};

int column(ContestPlacing p) { return static_cast<int>(p); }  // Won, Second, Third, Unplaced

// Third place, by contest and by the heroine's placing.
constexpr OnStage kThird[3][4] = {
    {{"csow3.bmp", "ポポラ"}, {"csow3.bmp", "ミルフィ"}, kHeroine, {"csow3.bmp", "ナナリ"}},
    {{"csow2.bmp", "ルチカ"}, {"csow2.bmp", "モモネ"}, kHeroine, {"csow3.bmp", "シフォナ"}},
    {{"csow2.bmp", "エルミーヌ"}, {"csow2.bmp", "ヴィオレッタ"}, kHeroine, {"csow3.bmp", "アルテミシア"}},
};
// Second place.
constexpr OnStage kSecond[3][4] = {
    {kRival, kHeroine, {"csow2.bmp", "ラムネ"}, {"csow2.bmp", "チコリ"}},
    {kRival, kHeroine, {"csow2.bmp", "ベルカ"}, {"csow2.bmp", "ティアラ"}},
    {kRival, kHeroine, {"csow2.bmp", "セレスタ"}, {"csow2.bmp", "ロザリンデ"}},
};

const char* const kPause = "　　　　　";  // five full-width spaces before a name

void callOut(TForm1& f, E spot, const OnStage& who, const std::string& line2, int place) {
  f.report(GameEventKind::PlaceCalled, place);
  f.screen().loadPicture(spot, who.picture);
  f.screen().show(spot);
  f.sayAnnouncer(std::string(kPause) + who.name + "さんです！", line2);
}

// Today's contest (0..2) and her place in it, decided by the one judging; none outside a contest.
struct Today {
  int contest;
  ContestPlacing placing;
};
std::optional<Today> today(const TForm1& f) {
  const GameState& s = f.state();
  if (!contest_stage::isContest(s.contestStage)) return std::nullopt;
  return Today{s.contestStage - contest_stage::First, f.placingFor(s.contestStage, s.heart, s.skill)};
}

// The colour her place gives the star of the contest.
Rgb starColour(ContestPlacing p) {
  switch (p) {
    case ContestPlacing::Won: return colors::yellow;
    case ContestPlacing::Second: return colors::white;
    case ContestPlacing::Third: return colors::lime;
    case ContestPlacing::Unplaced: break;
  }
  return colors::black;
}

}  // namespace

ContestPlacing TForm1::placingFor(int stage, int heart, int skill) const {
  if (!contest_stage::isContest(stage)) return ContestPlacing::Unplaced;
  const Judging& j = kJudging[stage - contest_stage::First];
  if (j.won.holds(heart, skill)) return ContestPlacing::Won;
  if (j.second.holds(heart, skill)) return ContestPlacing::Second;
  if (j.third.holds(heart, skill)) return ContestPlacing::Third;
  return ContestPlacing::Unplaced;
}

void TForm1::announceThird() {
  if (const auto t = today(*this)) callOut(*this, E::co3, kThird[t->contest][column(t->placing)], "", 3);
}

void TForm1::announceSecond() {
  if (const auto t = today(*this)) callOut(*this, E::co2, kSecond[t->contest][column(t->placing)], "", 2);
}

void TForm1::announceWinner() {
  const auto t = today(*this);
  if (!t) return;
  const bool won = t->placing == ContestPlacing::Won;
  if (won) gs.contestResult = contest_result::Won;
  // The star of this contest keeps the colour of her place until she enters it again.
  sm.setFontColor(kStars[t->contest], starColour(t->placing));
  callOut(*this, E::co1, won ? kHeroine : kRival, std::string(kPause) + "おめでとうございます！", 1);
}

}  // namespace tenrali
