// "ドレスアップ": the hero gives ララベ an accessory from his stock. She wears it in the slot of its
// kind, in place of what she wore there (that one is gone), and her heart points are always the
// sum of the four slot values.
#include "app/form1.h"
#include "state/saturating.h"
#include "state/stock.h"

namespace tenrali {

namespace gift {

// The gift dialogue at a state, with the choice that belongs to it: an accessory only while she
// is asked, none otherwise.
bool giftAt(const GameState& s, int state) {
  if (s.giftState != state) return false;
  return state == gift::Asked ? isAccessory(s.giftChoice) : s.giftChoice == kNoAccessory;
}

void askWhichGift(TForm1& f) { f.sayMessage("usam1.bmp", "トルン", "「どれをあげようかな？」", "", ""); }

}  // namespace gift

using namespace gift;

void TForm1::menuk2Click() {
  if (!giftAt(gs, gift::Closed)) return;
  if (!anyInStock(gs.accessoryCount)) {
    sayMessage("usam2.bmp", "トルン", "「あげられる", "アクセサリーが", "ないよ？」");
    return;
  }
  gs.giftState = gift::KindChoice;
  hideMenuButtons();
  showCancelOnly();
  hidePots();
  showKindButtons();
  showWornPanel();
  askWhichGift(*this);
}

// A kind button, after the workshop's turn: that kind's accessories, in place of what she wears
// of that kind.
void TForm1::giftKindStep(int kind) {
  if (!giftAt(gs, gift::KindChoice) || kind < 0 || kind >= kAccessoryKinds || !anyOfKindInStock(gs, kind)) return;
  hideWornSlot(kind + 1);
  showAccessoryRow(kind);
  gs.giftState = gift::AccessoryChoice;
  sayMessage("", "トルン", "「どれが似合うかな？」", "", "");
}

// An accessory button, after the shop's turn: the hero picks it and asks her.
void TForm1::giftChoiceStep(int index) {
  if (!giftAt(gs, gift::AccessoryChoice) || !accessoryInStock(gs, index)) return;
  gs.giftState = gift::Asked;
  showYesNo();
  gs.giftChoice = index;
  sayPickThis();
}

void TForm1::giftOnYes() {
  if (!giftAt(gs, gift::Asked)) return;
  giveAccessory(gs.giftChoice);
}

void TForm1::giveAccessory(int index) {
  // Only the accessory she was asked about, and only while one is in stock.
  if (!giftAt(gs, gift::Asked) || gs.giftChoice != index || !accessoryInStock(gs, index)) return;
  const int kind = kindOf(index);
  gs.slotValue(kind) = kAccessory[index].heartValue;
  gs.heart =
      saturated(std::int64_t{gs.hairSlotValue} + gs.braceletSlotValue + gs.necklaceSlotValue + gs.ringSlotValue);
  gs.giftChoice = kNoAccessory;
  gs.giftState = gift::Given;
  addSaturating(gs.accessoryCount[static_cast<std::size_t>(index)], -1);
  hideAccessoryGrid();
  hideYesNo();
  showWornPanel();
  sayHeroineThanks();
  sm.setNumber(E::dokik, gs.heart);
  showButton(E::bsen1, "ok.bmp");
  const AccessoryRecord& worn = gs.accessoryTable[static_cast<std::size_t>(index)];
  sm.loadPicture(kWornPictures[kind], worn.picture);
  sm.setCaption(kWornNames[kind], worn.name);
  report(GameEventKind::GiftGiven);
}

void TForm1::giftNoBranch() {
  if (giftAt(gs, gift::KindChoice)) {
    hideKindButtons();
    hideWornPanel();
    hideYesNo();
    showPots();
    showMenuButtons();
    sayHomePrompt();
    gs.giftState = gift::Closed;
  } else if (giftAt(gs, gift::AccessoryChoice) || giftAt(gs, gift::Asked)) {
    // Back to the kinds; the kind buttons are still there.
    hideAccessoryGrid();
    showWornPanel();
    showCancelOnly();
    gs.giftChoice = kNoAccessory;
    gs.giftState = gift::KindChoice;
    askWhichGift(*this);
  }
}

void TForm1::giftOkBranch() {
  if (!giftAt(gs, gift::Given)) return;
  if (anyInStock(gs.accessoryCount)) {
    gs.giftState = gift::KindChoice;
    sm.hide(E::bsen1);
    showCancelOnly();
    askWhichGift(*this);
  } else {
    gs.giftState = gift::Closed;
    sm.hide(E::bsen1);
    hideYesNo();
    hideKindButtons();
    hideWornPanel();
    showPots();
    showMenuButtons();
    sayMessage("usam2.bmp", "トルン", "「アクセサリーが", "もうないや」", "");
  }
}

}  // namespace tenrali
