// The menu's side of saved games: "続きから" while no game has started and one is saved, and the
// hero's question when "新規開始" would replace a game in progress. Reading and writing the saved
// game itself is the front end's business.
#include "app/form1.h"

namespace tenrali {

namespace {
// What the question puts over the title picture.
constexpr E kQuestionLook[] = {E::subw2, E::kaow, E::mes1, E::mes2, E::mes3, E::mes4, E::byes, E::bno};
}  // namespace

void TForm1::setSaveStatus(SaveStatus status) {
  saveStatus_ = status;
  sm.enableMenuItem(E::K3, status == SaveStatus::InProgress && atTitle());
}

// "続きから".
void TForm1::K3Click() {
  if (continue_) continue_();
}

bool TForm1::homeScreenWaits() const {
  if (!contest_stage::isContest(gs.contestStage) || anyTimerEnabled()) return false;
  for (E m : kMenuButtons)
    if (!sm.isShown(m)) return false;
  return gs.plantState == planting::Closed && gs.harvestState == harvest::Closed && workshop::at(gs, workshop::Closed) &&
         gs.shopState == shop::Closed && gs.seedShopState == shop::Closed && gs.giftState == gift::Closed &&
         gs.itemViewState == item_view::Closed && gs.contestEntryState == contest_entry::Idle;
}

void TForm1::askBeforeNewGame() {
  if (askingBeforeNewGame() || !atTitle()) return;
  for (E e : kQuestionLook) titleLook_.push_back(sm.get(e));
  sm.show(E::subw2);
  sm.show(E::kaow);
  setMessageColor(colors::white);
  sayMessage("usam1.bmp", "トルン", "「続きから　遊べるけど", "最初から始める？」", "");
  showYesNo();
}

void TForm1::closeNewGameQuestion() {
  for (const Element& earlier : titleLook_) sm.restore(earlier);
  titleLook_.clear();
}

// Yes: the title as it was, then the new game as "新規開始" starts it.
bool TForm1::newGameQuestionOnYes() {
  if (!askingBeforeNewGame()) return false;
  closeNewGameQuestion();
  K2Click();
  return true;
}

bool TForm1::newGameQuestionOnNo() {
  if (!askingBeforeNewGame()) return false;
  closeNewGameQuestion();
  return true;
}

}  // namespace tenrali
