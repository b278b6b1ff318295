// The message window: a portrait and four lines at the bottom of the screen, the presets that
// several dialogues share, the yes/no buttons, and the click that ends the opening or skips a
// contest's arrival scene.
#include "app/form1.h"

namespace tenrali {

void TForm1::sayMessage(const std::string& portrait, const std::string& speaker, const std::string& line1,
                        const std::string& line2, const std::string& line3) {
  if (!portrait.empty()) sm.loadPicture(E::kaow, portrait);
  // Every line is set, so a longer message before leaves no trace.
  sm.setCaption(E::mes1, speaker);
  sm.setCaption(E::mes2, line1);
  sm.setCaption(E::mes3, line2);
  sm.setCaption(E::mes4, line3);
  said_ = {speaker, {line1, line2, line3}, false, said_.serial + 1};
}

void TForm1::setMessageColor(Rgb color) {
  for (E line : kMessageLines) sm.setFontColor(line, color);
}

void TForm1::sayHomePrompt() { sayMessage("usam1.bmp", "トルン", "「なにをやろう", "かな？」", ""); }
void TForm1::sayThisFruit() { sayMessage("usam1.bmp", "トルン", "「この実でいい？」", "", ""); }
void TForm1::sayThisSeed() { sayMessage("usam1.bmp", "トルン", "「この種でいい？」", "", ""); }
void TForm1::sayShopThanks() { sayMessage("misem2.bmp", "アクセサリー屋", "「まいどっ！」", "", ""); }
void TForm1::sayPickThis() { sayMessage("usam4.bmp", "トルン", "「これにしよっかな？」", "", ""); }
void TForm1::sayHeroineThanks() {
  sayMessage("usaw4.bmp", "ララベ", "「うわぁ！", "ありがとう！！", "どうかな？似合う？」");
}

void TForm1::showButton(E button, const std::string& picture) {
  sm.show(button);
  sm.loadPicture(button, picture);
}

void TForm1::showYesNo() {
  sm.show(E::byes);
  sm.show(E::bno);
  sm.loadPicture(E::byes, "yes.bmp");
  sm.loadPicture(E::bno, "no.bmp");
}

void TForm1::hideYesNo() {
  sm.hide(E::byes);
  sm.hide(E::bno);
}

// A single quit/back button.
void TForm1::showCancelOnly() {
  sm.hide(E::byes);
  sm.show(E::bno);
  sm.loadPicture(E::bno, "yame.bmp");
}

// Story scenes: the speaker on the second line, two lines of text below.
void TForm1::saySceneLine(const std::string& portrait, const std::string& speaker, const std::string& line1,
                          const std::string& line2) {
  if (!portrait.empty()) sm.loadPicture(E::kaow, portrait);
  sm.setCaption(E::mes1, "");
  sm.setCaption(E::mes2, speaker);
  sm.setCaption(E::mes3, line1);
  sm.setCaption(E::mes4, line2);
  said_ = {speaker, {line1, line2, ""}, false, said_.serial + 1};
}

// The contest announcer is not drawn: the portrait stays, the two upper lines are empty.
void TForm1::sayAnnouncer(const std::string& line1, const std::string& line2) {
  sm.setCaption(E::mes1, "");
  sm.setCaption(E::mes2, "");
  sm.setCaption(E::mes3, line1);
  sm.setCaption(E::mes4, line2);
  said_ = {"", {line1, line2, ""}, true, said_.serial + 1};
}

void TForm1::advanceMessage() {
  if (openingRuns()) {
    // The first click ends the opening and opens day 1.
    report(GameEventKind::MessageMovedOn);
    setMessageColor(colors::white);
    sm.enableTimer(E::Timer1, false);
    gs.sceneTick = 0;
    sayMessage("usam4.bmp", "トルン", "「絶対　つくって", "　みせるぞっ！」", "");
    drawWeather();
    showHomeScreen();
    gs.contestStage = contest_stage::First;
  }
  if (arrivalRuns()) {
    // A click during a contest's arrival scene goes straight to the contest day.
    report(GameEventKind::MessageMovedOn);
    gs.sceneTick = 0;
    sm.enableTimer(E::Timer2, false);
    sm.enableTimer(E::Timer5, false);
    sm.enableTimer(E::Timer6, false);
    sm.enableTimer(E::Timer3, true);
  }
}

}  // namespace tenrali
