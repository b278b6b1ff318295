#include "app/form1.h"

#include "data/data_files.h"

namespace tenrali {

TForm1::TForm1(Ports ports, std::uint32_t seed) : sm(ports.metrics, ports.pictures) {
  buildCatalogue(sm);  // every element with its first look
  gs = GameState{};
  sm.setNumber(E::kanek, gs.money);  // the purse shows what a new game starts with
  loadDataFiles(ports.files, gs);    // the weather, seed and accessory tables
  gs.todayWeather = WeatherRecord{};  // the first morning draws it
  rng.seed(seed);
}

void TForm1::clickElement(E e) {
  switch (e) {
    case E::ivent: case E::ivent1: case E::ivent2: case E::ivent3: case E::ivent4: case E::ivent5:
      return iventClick();
    case E::_pic14: case E::kaow: return kaowClick();
    case E::mes1: case E::mes2: case E::mes3: case E::mes4: case E::_lab19: return mes1Click();
    case E::_lab20: return mes2Click();
    case E::_lab21: return mes3Click();
    case E::_lab22: return mes4Click();
    case E::menuk1: return menuk1Click();
    case E::menuk2: return menuk2Click();
    case E::menuk3: return menuk3Click();
    case E::menuk4: return menuk4Click();
    case E::menuk5: return menuk5Click();
    case E::menuk6: return menuk6Click();
    case E::menuk7: return menuk7Click();
    case E::menuk8: return menuk8Click();
    case E::menuk9: return menuk9Click();
    case E::ueki1: return ueki1Click();
    case E::ueki2: return ueki2Click();
    case E::ueki3: return ueki3Click();
    case E::bhutu: return bhutuClick();
    case E::bhare: return bhareClick();
    case E::bkumo: return bkumoClick();
    case E::bame: return bameClick();
    case E::bkami: return bkamiClick();
    case E::byuki: return byukiClick();
    case E::bten: return btenClick();
    case E::bhyou: return bhyouClick();
    case E::bniji: return bnijiClick();
    case E::bak: return bakClick();
    case E::bab: return babClick();
    case E::ban: return banClick();
    case E::bay: return bayClick();
    case E::byes: return byesClick();
    case E::bno: return bnoClick();
    case E::bsen1: return bsen1Click();
    case E::bsen2: return bsen2Click();
    default: break;
  }
  for (int i = 0; i < kAccessories; ++i)
    if (kAccessoryButtons[i] == e) return variantButtonClick(i);  // bak1Click .. bay6Click
}

bool movesStoryOn(E e) {
  switch (e) {
    case E::ivent: case E::ivent1: case E::ivent2: case E::ivent3: case E::ivent4: case E::ivent5:
    case E::_pic14: case E::kaow: case E::mes1: case E::mes2: case E::mes3: case E::mes4:
    case E::_lab19: case E::_lab20: case E::_lab21: case E::_lab22:
      return true;
    default:
      return false;
  }
}

E TForm1::clickAt(int x, int y) {
  E hit = sm.hitTest(x, y);
  if (hit != E::count && sm.get(hit).clickable) {
    // The message window and the scene pictures move the story on: they press no button.
    if (!movesStoryOn(hit)) report(GameEventKind::ButtonPressed, static_cast<int>(hit));
    clickElement(hit);
  }
  keys_.follow(*this);
  return hit;
}

void TForm1::menuCommand(E item) {
  if (sm.get(item).kind != Kind::MenuItem || !sm.get(item).enabled) return;
  if (item == E::K2) {
    if (saveStatus_ == SaveStatus::InProgress) askBeforeNewGame();
    else K2Click();
  }
  if (item == E::K3) K3Click();
  if (item == E::K4) K4Click();
  keys_.follow(*this);
}

namespace {
// The tick handler of timer i (0 = Timer1). A switch, not a table of member pointers: GCC's
// bounds sanitizer misreads an index into such a table.
void tick(TForm1& f, int i) {
  switch (i) {
    case 0: return f.Timer1Timer();
    case 1: return f.Timer2Timer();
    case 2: return f.Timer3Timer();
    case 3: return f.Timer4Timer();
    case 4: return f.Timer5Timer();
    case 5: return f.Timer6Timer();
    case 6: return f.Timer7Timer();
    case 7: return f.Timer8Timer();
  }
}
}

bool TForm1::anyTimerEnabled() const {
  for (E t : kTimers)
    if (sm.get(t).enabled) return true;
  return false;
}

unsigned TForm1::timerStarts() const {
  unsigned n = 0;
  for (E t : kTimers) n += sm.timerGeneration(t);
  return n;
}

void TForm1::tickInterval() {
  // A timer ticks in this interval only if it was already running when the interval began
  // and has not been stopped (or stopped and started again) by an earlier tick of it.
  bool running[8];
  unsigned generation[8];
  for (int i = 0; i < 8; ++i) {
    running[i] = sm.get(kTimers[i]).enabled;
    generation[i] = sm.timerGeneration(kTimers[i]);
  }
  for (int i = 0; i < 8; ++i) {
    if (closed_) return;
    if (running[i] && sm.get(kTimers[i]).enabled && sm.timerGeneration(kTimers[i]) == generation[i]) tick(*this, i);
  }
  keys_.follow(*this);
}

// "新規開始": the opening starts at its first step on the timer's first tick; one game a run.
void TForm1::K2Click() {
  sm.enableTimer(E::Timer1, true);
  report(GameEventKind::OpeningStarted);
  gs.sceneTick = 29;
  gs.contestStage = contest_stage::Opening;
  sm.enableMenuItem(E::K2, false);
  sm.enableMenuItem(E::K3, false);
}

// "終了" closes the window without a question.
void TForm1::K4Click() { closed_ = true; }

// Today's weather: one draw from the random source, a copy of the drawn record.
void TForm1::drawWeather() {
  int r = randomInt();
  gs.todayWeather = gs.weatherTable[static_cast<std::size_t>(r % 8)];
  sm.loadPicture(E::tenw, gs.todayWeather.picture);
  sm.setCaption(E::tenp, gs.todayWeather.name);
}

}  // namespace tenrali
