// The screens of the workshop dialogue: what each one shows and what the hero says on it.
#include "workshop/workshop.h"

namespace tenrali::workshop {

bool anyPair(const GameState& s) {
  for (int k = Cloudy; k <= SunShower; ++k)
    if (s.fruitCount[static_cast<std::size_t>(k)] >= 2) return true;
  return false;
}

namespace {
void say(TForm1& f, const char* portrait, const char* line1, const char* line2 = "") {
  f.sayMessage(portrait, "トルン", line1, line2, "");
}
void hideChoices(TForm1& f) {
  f.screen().hide(E::bsen1);
  f.screen().hide(E::bsen2);
}
}  // namespace

// Make an accessory, or make seeds?
void screenTop(TForm1& f) {
  f.showPots();
  f.hideWeatherButtons();
  f.hideKindButtons();
  f.hideAccessoryGrid();
  f.showButton(E::bsen1, "basen.bmp");
  f.showButton(E::bsen2, "btsen.bmp");
  f.showCancelOnly();
  say(f, "usam1.bmp", "「どっちを作る？」");
}

// Seeds from one fruit, or a new species from two?
void screenSeedChoice(TForm1& f) {
  f.showPots();
  f.hideWeatherButtons();
  f.showButton(E::bsen1, "mit.bmp");
  f.showButton(E::bsen2, "sin.bmp");
  f.showCancelOnly();
  say(f, "usam4.bmp", "「同じ実を２個使うと", "新種が作れるよ」");
}

void screenFruitList(TForm1& f) {
  f.hidePots();
  f.showFruitStock();
  f.hideKindButtons();
  f.hideAccessoryGrid();
  hideChoices(f);
  f.showCancelOnly();
  say(f, "usam1.bmp", "「どの実で作る？」");
}

// Only the kinds the chosen fruit can become: sunny, rain and snow fruits make hair ornaments
// and rings, cloudy, thunder and sun-shower fruits bracelets and necklaces, the rest all four.
void screenKindChoice(TForm1& f) {
  f.hideWeatherButtons();
  f.hideKindButtons();  // what another fruit offered before never stays on screen
  switch (f.state().chosenFruit) {
    case Sunny: case Rain: case Snow: f.showHairRingButtons(); break;
    case Cloudy: case Thunder: case SunShower: f.showBraceletNecklaceButtons(); break;
    default: f.showKindButtons(); break;
  }
  f.showAccessoryStock();
  f.showCancelOnly();
  say(f, "usam1.bmp", "「どれを作ろうかな？」");
}

void screenSeedFruitList(TForm1& f) {
  f.hidePots();
  f.showFruitStock();
  hideChoices(f);
  f.showCancelOnly();
  say(f, "usam1.bmp", "「どの実の種を", "作る？」");
}

void screenPairList(TForm1& f) {
  f.hidePots();
  f.showSpeciesFruitStock();
  hideChoices(f);
  f.showCancelOnly();
  say(f, "usam1.bmp", "「どの実で新種を", "作ろうか？」");
}

void screenContinueOrStop(TForm1& f) {
  f.screen().hide(E::bsen1);
  f.showButton(E::byes, "tudu.bmp");
  f.showButton(E::bno, "yame.bmp");
  say(f, "usam1.bmp", "「どうする？」");
}

void screenOutOfMaterial(TForm1& f) {
  f.showPots();
  f.hideWeatherButtons();
  f.hideKindButtons();
  f.hideAccessoryGrid();
  f.screen().hide(E::bsen1);
  f.showCancelOnly();
  say(f, "usam2.bmp", "「実がなくなっちゃった」");
}

void screenClosed(TForm1& f) {
  hideChoices(f);
  f.hideKindButtons();
  f.hideAccessoryGrid();
  f.hideWeatherButtons();
  f.showPots();
  f.hideYesNo();
  f.showMenuButtons();
  moveTo(f.state(), Closed);
  f.sayHomePrompt();
  f.report(GameEventKind::WorkshopClosed);
}

}  // namespace tenrali::workshop
