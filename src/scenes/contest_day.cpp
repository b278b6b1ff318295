// The contest day: the announcer opens the contest, calls the third, the second and the winner,
// and then either the win scene takes over or the heroine and the hero face the loss together
// and go home to the next day.
#include "app/form1.h"
#include "scenes/scene_lines.h"

namespace tenrali {

namespace {

// The announcer is never drawn: two lines under an empty speaker.
struct AnnouncerLine {
  int tick;
  const char* line1;
  const char* line2;
};

constexpr AnnouncerLine kAnnouncer[] = {
    {60, "はたして優勝の栄冠は", "誰の手に輝くのでしょうか！？"},
    {90, "おっと、たった今", "審査の結果が届きました！"},
    {110, "それでは発表します！", ""},
    {130, "　　　　　　　第３位！！！", ""},
    {170, "続いて、第２位の発表です！", ""},
    {190, "　　　　　　　第２位！！！！！", ""},
    {240, "そしていよいよ、優勝の発表です！", ""},
    {260, "　　　　今回の優勝者は！！！！！", ""},
};

// Tick 30 names the contest of the day.
constexpr AnnouncerLine kWelcome[3] = {
    {30, "本日は村娘ドキドキコンテスト！", "自慢の娘さんたちが大集合です！"},
    {30, "お待たせしました、ウェザーシティ", "グランプリコンテストです！"},
    {30, "ついに来ました、ウェザーランド", "ファイナルグランプリです！"},
};

// After a loss: the rival gloats, then the two of them pick themselves up.
constexpr SceneLine kLoss[] = {
    {321, "usao2.bmp", kRival, "「オーホッホッホ！　はじめから", "わかりきっていた結果ですわ！」"},
    {390, "usaw6.bmp", kHeroine, "「負けちゃった……。", "わたし、ショックだよ……」"},
    {420, "usaw3.bmp", kHeroine, "「わたしじゃ、ダメなのかなぁ……」", ""},
    {445, "usam1.bmp", kHero, "「ララベのせいじゃない、オレの腕が", "足りなかったんだ。次は勝とうな！」"},
    {475, "usaw2.bmp", kHeroine, "「……ほんとに？」", ""},
    {500, "usam4.bmp", kHero, "「もっといいアクセサリーを作るから", "もう一回がんばろう！」"},
    {540, "usaw6.bmp", kHeroine, "「……約束してくれる？」", ""},
    {565, "usam5.bmp", kHero, "「ああ、約束だ！」", ""},
    {590, "usaw4.bmp", kHeroine, "「やったー！　次こそがんばろうね！」", ""},
    {615, "usam2.bmp", kHero, "「……立ち直るの、", "早すぎないか？」"},
};

constexpr E kWinScene[3] = {E::Timer4, E::Timer7, E::Timer8};

}  // namespace

void TForm1::contestDayScene(int tick) {
  const int stage = gs.contestStage;
  if (!contest_stage::isContest(stage)) return;
  switch (tick) {
    case 1:
      // The hall; from now on a click no longer skips anything.
      sm.hide(E::ivent5);
      sm.show(E::ivent6);
      sm.hide(E::kaow);
      gs.contestEntryState = contest_entry::Idle;
      sayAnnouncer("さあ、いよいよコンテストの", "はじまりです！！");
      report(GameEventKind::ContestDayStarted, stage);
      return;
    case 30:
      sayAnnouncer(kWelcome[stage - 1].line1, kWelcome[stage - 1].line2);
      return;
    case 150:
      announceThird();
      return;
    case 220:
      announceSecond();
      return;
    case 290:
      announceWinner();
      return;
    case 320:
      if (gs.contestResult == contest_result::Won) handOver(*this, E::Timer3, kWinScene[stage - 1]);
      return;
    case 321:
      sm.show(E::kaow);
      break;
    case 360:
      for (E e : {E::co1, E::co2, E::co3, E::kaow}) sm.hide(e);
      sayMessage("", "", "", "", "");
      sm.hide(E::ivent6);
      sm.show(E::ivent7);
      report(GameEventKind::LossSceneStarted);
      return;
    case 390:
      sm.show(E::kaow);
      break;
    case 645:
      // Home again: the stars of every contest so far, and the contest took the whole day.
      for (int n = 0; n < stage; ++n) sm.show(kStars[n]);
      advanceDay();
      showHomeScreen();
      gs.sceneTick = 0;
      sm.enableTimer(E::Timer3, false);
      return;
    default:
      break;
  }
  for (const AnnouncerLine& row : kAnnouncer) {
    if (row.tick != tick) continue;
    sayAnnouncer(row.line1, row.line2);
    return;
  }
  sayLineAt(*this, kLoss, tick);
}

}  // namespace tenrali
