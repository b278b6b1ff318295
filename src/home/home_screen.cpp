// The home screen: the main view with the pots, the status panel with today's weather and the
// three numbers, the message window and the nine menu buttons.
#include "app/form1.h"

namespace tenrali {

void TForm1::showHomeScreen() {
  sm.show(E::subw2);
  sm.show(E::subw1);
  sm.show(E::mainw);
  showMenuButtons();
  for (E e : {E::kaow, E::tenw, E::ldoki, E::lgijyu, E::lkane, E::dokik, E::gijyuk, E::kanek, E::day, E::dayeye,
              E::Label4})
    sm.show(e);
  showPots();
  sm.show(E::tenp);
  for (E scene : kScenePictures) sm.hide(scene);
  report(GameEventKind::HomeShown, gs.todayWeather.code);
}

void TForm1::hideHomeScreen() {
  sm.hide(E::subw2);
  sm.hide(E::subw1);
  sm.hide(E::mainw);
  hideMenuButtons();
  for (E e : {E::kaow, E::tenw, E::ldoki, E::lgijyu, E::lkane, E::dokik, E::gijyuk, E::kanek, E::day, E::dayeye})
    sm.hide(e);
  hidePots();
  sm.hide(E::tenp);
  sm.show(E::ivent5);
  for (E star : kStars) sm.hide(star);
  sm.hide(E::Label4);
}

void TForm1::showMenuButtons() {
  for (E e : kMenuButtons) sm.show(e);
}

void TForm1::hideMenuButtons() {
  for (E e : kMenuButtons) sm.hide(e);
}

void TForm1::showPots() {
  for (E e : kPots) sm.show(e);
  for (E e : kPlates) sm.show(e);
}

void TForm1::hidePots() {
  for (E e : kPots) sm.hide(e);
  for (E e : kPlates) sm.hide(e);
}

void TForm1::refreshStatus() {
  sm.setNumber(E::dokik, gs.heart);
  sm.setNumber(E::gijyuk, gs.skill);
  sm.setNumber(E::kanek, gs.money);
  sm.setNumber(E::day, gs.dayNumber);
}

}  // namespace tenrali
