// Judging: the heroine's place follows from her heart points and the hero's skill alone, and the
// announcer calls the third, the second and the winner with their pictures on stage.
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

}  // namespace

ContestPlacing TForm1::placingFor(int stage, int heart, int skill) const {
  if (stage < 1 || stage > 3) return ContestPlacing::Unplaced;
  const Judging& j = kJudging[stage - 1];
  if (j.won.holds(heart, skill)) return ContestPlacing::Won;
  if (j.second.holds(heart, skill)) return ContestPlacing::Second;
  if (j.third.holds(heart, skill)) return ContestPlacing::Third;
  return ContestPlacing::Unplaced;
}

void TForm1::announceThird() {
  if (gs.contestStage < 1 || gs.contestStage > 3) return;
  const ContestPlacing p = placingFor(gs.contestStage, gs.heart, gs.skill);
  callOut(*this, E::co3, kThird[gs.contestStage - 1][column(p)], "", 3);
}

void TForm1::announceSecond() {
  if (gs.contestStage < 1 || gs.contestStage > 3) return;
  const ContestPlacing p = placingFor(gs.contestStage, gs.heart, gs.skill);
  callOut(*this, E::co2, kSecond[gs.contestStage - 1][column(p)], "", 2);
}

void TForm1::announceWinner() {
  if (gs.contestStage < 1 || gs.contestStage > 3) return;
  const ContestPlacing p = placingFor(gs.contestStage, gs.heart, gs.skill);
  const E star = gs.contestStage == 1 ? E::Label1 : gs.contestStage == 2 ? E::Label2 : E::Label3;
  // The star of this contest keeps the colour of her place until she enters it again.
  Rgb colour = colors::black;
  switch (p) {
    case ContestPlacing::Won:
      gs.contestResult = 1;
      colour = colors::yellow;
      break;
    case ContestPlacing::Second:
      colour = colors::white;
      break;
    case ContestPlacing::Third:
      colour = colors::lime;
      break;
    case ContestPlacing::Unplaced:
      break;
  }
  sm.setFontColor(star, colour);
  callOut(*this, E::co1, p == ContestPlacing::Won ? kHeroine : kRival, std::string(kPause) + "おめでとうございます！", 1);
}

}  // namespace tenrali
