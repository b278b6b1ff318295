// "ドレスアップ": the hero gives ララベ an accessory from his stock. She wears it in the slot of its
// kind, in place of what she wore there (that one is gone), and her heart points are always the
// sum of the four slot values.
#include "heroine/heroine.h"
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

namespace gift {

// A kind button, after the workshop's turn: that kind's accessories, in place of what she wears
// of that kind.
void kindStep(TForm1& f, int kind) {
  GameState& gs = f.state();
  if (!giftAt(gs, gift::KindChoice) || kind < 0 || kind >= kAccessoryKinds || !anyOfKindInStock(gs, kind)) return;
  f.hideWornSlot(kind + 1);
  f.showAccessoryRow(kind);
  gs.giftState = gift::AccessoryChoice;
  f.sayMessage("", "トルン", "「どれが似合うかな？」", "", "");
}

// An accessory button, after the shop's turn: the hero picks it and asks her.
void choiceStep(TForm1& f, int index) {
  GameState& gs = f.state();
  if (!giftAt(gs, gift::AccessoryChoice) || !accessoryInStock(gs, index)) return;
  gs.giftState = gift::Asked;
  f.showYesNo();
  gs.giftChoice = index;
  f.sayPickThis();
}

void onYes(TForm1& f) {
  GameState& gs = f.state();
  if (!giftAt(gs, gift::Asked)) return;
  give(f, gs.giftChoice);
}

void give(TForm1& f, int index) {
  GameState& gs = f.state();
  ScreenModel& sm = f.screen();
  // Only the accessory she was asked about, and only while one is in stock.
  if (!giftAt(gs, gift::Asked) || gs.giftChoice != index || !accessoryInStock(gs, index)) return;
  const int kind = kindOf(index);
  gs.slotValue(kind) = kAccessory[index].heartValue;
  gs.heart =
      saturated(std::int64_t{gs.hairSlotValue} + gs.braceletSlotValue + gs.necklaceSlotValue + gs.ringSlotValue);
  gs.giftChoice = kNoAccessory;
  gs.giftState = gift::Given;
  addSaturating(gs.accessoryCount[static_cast<std::size_t>(index)], -1);
  f.hideAccessoryGrid();
  f.hideYesNo();
  f.showWornPanel();
  f.sayHeroineThanks();
  sm.setNumber(E::dokik, gs.heart);
  f.showButton(E::bsen1, "ok.bmp");
  const AccessoryRecord& worn = gs.accessoryTable[static_cast<std::size_t>(index)];
  sm.loadPicture(kWornPictures[kind], worn.picture);
  sm.setCaption(kWornNames[kind], worn.name);
  f.report(GameEventKind::GiftGiven);
}

void onNo(TForm1& f) {
  GameState& gs = f.state();
  if (giftAt(gs, gift::KindChoice)) {
    f.hideKindButtons();
    f.hideWornPanel();
    f.hideYesNo();
    f.showPots();
    f.showMenuButtons();
    f.sayHomePrompt();
    gs.giftState = gift::Closed;
  } else if (giftAt(gs, gift::AccessoryChoice) || giftAt(gs, gift::Asked)) {
    // Back to the kinds; the kind buttons are still there.
    f.hideAccessoryGrid();
    f.showWornPanel();
    f.showCancelOnly();
    gs.giftChoice = kNoAccessory;
    gs.giftState = gift::KindChoice;
    askWhichGift(f);
  }
}

void onOk(TForm1& f) {
  GameState& gs = f.state();
  ScreenModel& sm = f.screen();
  if (!giftAt(gs, gift::Given)) return;
  if (anyInStock(gs.accessoryCount)) {
    gs.giftState = gift::KindChoice;
    sm.hide(E::bsen1);
    f.showCancelOnly();
    askWhichGift(f);
  } else {
    gs.giftState = gift::Closed;
    sm.hide(E::bsen1);
    f.hideYesNo();
    f.hideKindButtons();
    f.hideWornPanel();
    f.showPots();
    f.showMenuButtons();
    f.sayMessage("usam2.bmp", "トルン", "「アクセサリーが", "もうないや」", "");
  }
}

}  // namespace gift

}  // namespace tenrali
