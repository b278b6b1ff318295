// After the first two wins: the two of them celebrate in black letters over the festive picture,
// the heroine teases the hero, and the next morning begins with the next contest open.
#include "app/form1.h"
#include "scenes/scene_lines.h"

namespace tenrali {

namespace {

constexpr SceneLine kWin1[] = {
    {20, "usaw4.bmp", kHeroine, "「わたしが優勝！？　信じられない！」", ""},
    {50, "usam5.bmp", kHero, "「やったな！　次はウェザーシティの", "グランプリコンテストだぞ！」"},
    {80, "usaw2.bmp", kHeroine, "「うん、がんばってみる。", "……でもね」"},
    {120, "usam1.bmp", kHero, "「でも？」", ""},
    {150, "usaw2.bmp", kHeroine, "「また優勝したら、王子様に", "プロポーズされちゃうかも」"},
    {200, "usam2.bmp", kHero, "「えええっ！？」", ""},
    {220, "usaw4.bmp", kHeroine, "「なーんて、冗談だよ。", "トルンくんもがんばってね！」"},
    {250, "usam3.bmp", kHero, "「お、おう……。次も絶対", "優勝しような！」"},
    {280, "usam2.bmp", kHero, "「……今の冗談、", "心臓に悪いぞ……」"},
};

constexpr SceneLine kWin2[] = {
    {20, "usam5.bmp", kHero, "「次はいよいよ、ウェザーランド", "ファイナルグランプリだな！」"},
    {50, "usaw5.bmp", kHeroine, "「わ、わたし、本当に", "優勝しちゃったの！？」"},
    {80, "usam5.bmp", kHero, "「当たり前だろ。もっと自信もてよ！」", ""},
    {110, "usaw3.bmp", kHeroine, "「……うん、そうだね」", ""},
    {135, "usaw2.bmp", kHeroine, "「さっきの男の子、かっこよかったな」", ""},
    {165, "usam1.bmp", kHero, "「男の子？」", ""},
    {190, "usaw4.bmp", kHeroine, "「うん。今度いっしょに", "お食事しませんかって！」"},
    {230, "usam2.bmp", kHero, "「な、なにーっ！？」", ""},
    {255, "usam2.bmp", kHero, "「そ、それで……行くのか？」", ""},
    {280, "usaw2.bmp", kHeroine, "「もっと自信もっていいんでしょ？」", ""},
    {305, "usam2.bmp", kHero, "「そ、それとこれとは話が別だぞ！」", ""},
    {330, "usaw1.bmp", kHeroine, "「ふふっ、ちゃんと断ったよ。", "お屋敷のお仕事があるもん」"},
    {360, "usam2.bmp", kHero, "「そ、そっか。仕事か……」", ""},
    {390, "usaw2.bmp", kHeroine, "「トルンくんも、もうちょっと", "自信もっていいと思うな」"},
    {420, "usam3.bmp", kHero, "「へっ？」", ""},
    {445, "usaw4.bmp", kHeroine, "「さ、帰ろっか！」", ""},
    {470, "usam3.bmp", kHero, "「あっ、待ってくれよー！」", ""},
    {495, "usam2.bmp", kHero, "「……今の、", "どういう意味だったんだ？」"},
};

// The stage is cleared for the festive picture; the words are black on it.
void startWinScene(TForm1& f) {
  ScreenModel& sm = f.screen();
  for (E e : {E::co1, E::co2, E::co3, E::ivent6}) sm.hide(e);
  sm.show(E::ivent8);
  f.setMessageColor(colors::black);
  f.sayMessage("", "", "", "", "");
  f.report(GameEventKind::WinSceneStarted, f.state().contestStage);
}

// The next morning at home, with the stars won so far and the next contest open.
void endWinScene(TForm1& f, int stars, int nextStage, E self) {
  GameState& gs = f.state();
  gs.contestResult = contest_result::None;
  for (E star : {E::Label1, E::Label2}) {
    if (stars-- > 0) f.screen().show(star);
  }
  f.advanceDay();
  f.showHomeScreen();
  gs.sceneTick = 0;
  gs.contestStage = nextStage;
  f.screen().enableTimer(self, false);
}

void playWin(TForm1& f, std::span<const SceneLine> lines, int tick, int lastTick, int stars, E self) {
  if (tick == 1) return startWinScene(f);
  if (tick == lastTick) return endWinScene(f, stars, stars + 1, self);
  if (tick == lines.front().tick) f.screen().show(E::kaow);
  sayLineAt(f, lines, tick);
}

}  // namespace

void TForm1::winScene1(int tick) { playWin(*this, kWin1, tick, 315, 1, E::Timer4); }
void TForm1::winScene2(int tick) { playWin(*this, kWin2, tick, 535, 2, E::Timer7); }

}  // namespace tenrali
