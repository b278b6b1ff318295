// The item viewer behind "アイテム": the hero looks at his accessories, seeds or fruits.
// It only shows: the item buttons it shows answer no click of its own.
#include <algorithm>

#include "app/form1.h"

namespace tenrali {

namespace {
template <std::size_t N>
bool anyInStock(const std::array<std::int32_t, N>& counts) {
  return std::any_of(counts.begin(), counts.end(), [](std::int32_t c) { return c != 0; });
}
}  // namespace

void TForm1::menuk6Click() {
  if (gs.itemViewState != 2) return;
  hideMenuButtons();
  gs.itemViewState = 0;
  for (E e : {E::bsen1, E::bsen2, E::byes, E::bno}) sm.show(e);
  sm.loadPicture(E::bsen1, "basen.bmp");
  sm.loadPicture(E::bsen2, "itemt.bmp");
  sm.loadPicture(E::byes, "itemm.bmp");
  sm.loadPicture(E::bno, "yame.bmp");
  sayMessage("usam1.bmp", "トルン", "「どれを見る？」", "", "");
}

namespace {
// What the viewer says when the chosen stock is empty; the choice stays open.
void sayNothingThere(TForm1& f) { f.sayMessage("usam2.bmp", "トルン", "「１個もないみたい。」", "", ""); }
}  // namespace

namespace {
// The stock is on screen: only the OK button remains, the portrait stays as it was.
void showViewing(TForm1& f) {
  f.state().itemViewState = 1;
  f.screen().hide(E::bsen1);
  f.screen().hide(E::bsen2);
  f.screen().hide(E::byes);
  f.screen().loadPicture(E::bno, "ok.bmp");
  f.sayMessage("", "トルン", "「よし！がんばるぞ！」", "", "");
}
}  // namespace

void TForm1::itemViewOnLeft() {
  if (gs.itemViewState != 0) return;
  if (!anyInStock(gs.accessoryCount)) return sayNothingThere(*this);
  hidePots();
  showKindButtons();
  showAccessoryStock();
  showViewing(*this);
}

void TForm1::itemViewOnRight() {
  if (gs.itemViewState != 0) return;
  if (!anyInStock(gs.seedCount)) return sayNothingThere(*this);
  hidePots();
  showSeedStock();
  showViewing(*this);
}

void TForm1::itemViewOnYes() {
  if (gs.itemViewState != 0) return;
  if (!anyInStock(gs.fruitCount)) return sayNothingThere(*this);
  hidePots();
  showFruitStock();
  showViewing(*this);
}

void TForm1::itemViewOnNo() {
  if (gs.itemViewState != 0 && gs.itemViewState != 1) return;
  hideWeatherButtons();
  hideAccessoryGrid();
  hideKindButtons();
  showPots();
  showMenuButtons();
  sayHomePrompt();
  gs.itemViewState = 2;
  for (E e : {E::bsen1, E::bsen2, E::byes, E::bno}) sm.hide(e);
}

}  // namespace tenrali
