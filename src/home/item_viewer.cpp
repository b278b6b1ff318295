// The item viewer behind "アイテム": the hero looks at his accessories, seeds or fruits.
// It only shows: the item buttons it shows answer no click of its own.
#include "home/item_viewer.h"
#include "state/stock.h"

namespace tenrali {

namespace item_view {

// What the viewer says when the chosen stock is empty; the choice stays open.
void sayNothingThere(TForm1& f) { f.sayMessage("usam2.bmp", "トルン", "「１個もないみたい。」", "", ""); }

// The stock is on screen: only the OK button remains, the portrait stays as it was.
void showViewing(TForm1& f) {
  f.state().itemViewState = Viewing;
  f.screen().hide(E::bsen1);
  f.screen().hide(E::bsen2);
  f.screen().hide(E::byes);
  f.screen().loadPicture(E::bno, "ok.bmp");
  f.sayMessage("", "トルン", "「よし！がんばるぞ！」", "", "");
}

// The stock chosen at the question: shown in place of the pots, or "none" with the question open.
template <std::size_t N, class Show>
void viewStock(TForm1& f, const std::array<std::int32_t, N>& counts, Show show) {
  if (f.state().itemViewState != Choice) return;
  if (!anyInStock(counts)) return sayNothingThere(f);
  f.hidePots();
  show(f);
  showViewing(f);
}

}  // namespace item_view

using namespace item_view;

void TForm1::menuk6Click() {
  if (gs.itemViewState != item_view::Closed) return;
  hideMenuButtons();
  gs.itemViewState = item_view::Choice;
  for (E e : {E::bsen1, E::bsen2, E::byes, E::bno}) sm.show(e);
  sm.loadPicture(E::bsen1, "basen.bmp");
  sm.loadPicture(E::bsen2, "itemt.bmp");
  sm.loadPicture(E::byes, "itemm.bmp");
  sm.loadPicture(E::bno, "yame.bmp");
  sayMessage("usam1.bmp", "トルン", "「どれを見る？」", "", "");
}

namespace item_view {

void onLeft(TForm1& f) {
  GameState& gs = f.state();
  viewStock(f, gs.accessoryCount, [](TForm1& f) {
    f.showKindButtons();
    f.showAccessoryStock();
  });
}

void onRight(TForm1& f) {
  GameState& gs = f.state();
  viewStock(f, gs.seedCount, [](TForm1& f) { f.showSeedStock(); });
}

void onYes(TForm1& f) {
  GameState& gs = f.state();
  viewStock(f, gs.fruitCount, [](TForm1& f) { f.showFruitStock(); });
}

void onNo(TForm1& f) {
  GameState& gs = f.state();
  ScreenModel& sm = f.screen();
  if (gs.itemViewState != item_view::Choice && gs.itemViewState != item_view::Viewing) return;
  f.hideWeatherButtons();
  f.hideAccessoryGrid();
  f.hideKindButtons();
  f.showPots();
  f.showMenuButtons();
  f.sayHomePrompt();
  gs.itemViewState = item_view::Closed;
  for (E e : {E::bsen1, E::bsen2, E::byes, E::bno}) sm.hide(e);
}

}  // namespace item_view

}  // namespace tenrali
