// The final win: a last exchange in white letters, then the staff roll over three pictures. The
// timer is never stopped; after the last caption it keeps counting and nothing more happens, so
// the game rests on the closing picture until the player quits.
#include "app/form1.h"
#include "scenes/scene_lines.h"

namespace tenrali {

namespace {

constexpr SceneLine kEnding[] = {
    {20, "usaw4.bmp", kHeroine, "「夢みたい……！", "トルンくん、本当にありがとう！」"},
    {50, "usam4.bmp", kHero, "「オレ、これからもっともっと", "すごいアクセサリーを作るぞ！」"},
    {80, "usaw1.bmp", kHeroine, "「でも、もう出られるコンテストは", "ないよ？」"},
    {120, "usam4.bmp", kHero, "「コンテストのためじゃないさ」", ""},
    {150, "usaw2.bmp", kHeroine, "「えっ？」", ""},
    {170, "usam5.bmp", kHero, "「ララベのために作るんだ！」", ""},
};

// The name lines of the staff roll, in the order they appear.
constexpr const char* kNames[7] = {
    "Souta  Kirishima  ",  // programmer
    "Mio  Hanazono  ",     // special thanks
    "Ren  Takatsuki  ",
    "Nanami  Kurose  ",
    "Daichi  Morimoto  ",
    "Akane  Shiraishi  ",
    "Tetsuya  Okubo  ",  // president
};

void caption(ScreenModel& sm, E label, const char* text) {
  sm.setCaption(label, text);
  sm.show(label);
}

void hideAll(ScreenModel& sm, std::initializer_list<E> labels) {
  for (E e : labels) sm.hide(e);
}

void whiten(ScreenModel& sm) {
  for (E e : {E::Label6, E::Label7, E::Label8}) sm.setFontColor(e, colors::white);
}

}  // namespace

void TForm1::endingScene(int tick) {
  switch (tick) {
    case 1:
      // The text stays white here, unlike the first two wins.
      for (E e : {E::co1, E::co2, E::co3, E::ivent6}) sm.hide(e);
      sm.show(E::ivent8);
      sayMessage("", "", "", "", "");
      report(GameEventKind::WinSceneStarted, 3);
      return;
    case 20:
      sm.show(E::kaow);
      break;
    case 210:
      sm.hide(E::ivent8);
      sm.show(E::ivent9);
      hideAll(sm, {E::kaow, E::mes1, E::mes2, E::mes3, E::mes4});
      return;
    case 230: return caption(sm, E::Label5, "Tenrali 制作スタッフ");
    case 250: return caption(sm, E::Label6, "Programmer");
    case 280: return caption(sm, E::Label7, kNames[0]);
    case 310: return hideAll(sm, {E::Label5, E::Label6, E::Label7});
    case 330: return caption(sm, E::Label6, "Special thanks  ");
    case 350: return caption(sm, E::Label7, kNames[1]);
    case 370: return caption(sm, E::Label8, kNames[2]);
    case 400:
      sm.hide(E::ivent9);
      sm.show(E::ivent10);
      whiten(sm);
      return hideAll(sm, {E::Label6, E::Label7, E::Label8});
    case 420: return caption(sm, E::Label6, "Special thanks  ");
    case 440: return caption(sm, E::Label7, kNames[3]);
    case 460: return caption(sm, E::Label8, kNames[4]);
    case 480:
      whiten(sm);
      return hideAll(sm, {E::Label6, E::Label7, E::Label8});
    case 530: return caption(sm, E::Label6, "Special thanks  ");
    case 550: return caption(sm, E::Label7, kNames[5]);
    case 600: return hideAll(sm, {E::Label6, E::Label7, E::Label8});
    case 620: return caption(sm, E::Label6, "President  ");
    case 640: return caption(sm, E::Label7, kNames[6]);
    case 690:
      sm.hide(E::ivent10);
      sm.show(E::ivent11);
      sm.setFontColor(E::Label7, colors::black);
      return hideAll(sm, {E::Label6, E::Label7});
    case 720: return caption(sm, E::Label7, "Produced  By  Tenrali  ");
    default:
      break;
  }
  sayLineAt(*this, kEnding, tick);
}

}  // namespace tenrali
