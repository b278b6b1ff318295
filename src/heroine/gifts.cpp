// "ドレスアップ": the hero gives ララベ an accessory from his stock. She wears it in the slot of its
// kind, in place of what she wore there (that one is gone), and her heart points are always the
// sum of the four slot values.
#include <algorithm>

#include "app/form1.h"
#include "heroine/heart_values.h"

namespace tenrali {

namespace {

constexpr int kGiftIdle = 4;

constexpr E kWornPictures[kAccessoryKinds] = {E::wd1, E::wd2, E::wd3, E::wd4};
constexpr E kWornNames[kAccessoryKinds] = {E::ld1, E::ld2, E::ld3, E::ld4};

bool isAccessory(int i) { return i >= 0 && i < kAccessories; }

bool inStock(const GameState& s, int i) { return isAccessory(i) && s.accessoryCount[static_cast<std::size_t>(i)] > 0; }

bool anyAccessory(const GameState& s) {
  return std::any_of(s.accessoryCount.begin(), s.accessoryCount.end(), [](std::int32_t c) { return c > 0; });
}

bool anyOfKind(const GameState& s, int kind) {
  for (int v = 0; v < 6; ++v)
    if (inStock(s, kind * 6 + v)) return true;
  return false;
}

// The gift dialogue at a state, with the choice that belongs to it: an accessory only while she
// is asked (2), none otherwise.
bool giftAt(const GameState& s, int state) {
  if (s.giftState != state) return false;
  return state == 2 ? isAccessory(s.giftChoice) : s.giftChoice == kNoAccessory;
}

void askWhichGift(TForm1& f) { f.sayMessage("usam1.bmp", "トルン", "「どれをあげようかな？」", "", ""); }

}  // namespace

void TForm1::menuk2Click() {
  if (!giftAt(gs, kGiftIdle)) return;
  if (!anyAccessory(gs)) {
    sayMessage("usam2.bmp", "トルン", "「あげられる", "アクセサリーが", "ないよ？」");
    return;
  }
  gs.giftState = 0;
  hideMenuButtons();
  showCancelOnly();
  hidePots();
  showKindButtons();
  showWornPanel();
  askWhichGift(*this);
}

// Step 2 of a kind button: that kind's accessories, in place of what she wears of that kind.
void TForm1::giftKindStep(int kind) {
  if (!giftAt(gs, 0) || kind < 0 || kind >= kAccessoryKinds || !anyOfKind(gs, kind)) return;
  hideWornSlot(kind + 1);
  showAccessoryRow(kind);
  gs.giftState = 1;
  sayMessage("", "トルン", "「どれが似合うかな？」", "", "");
}

// Step 2 of an accessory button.
void TForm1::giftChoiceStep(int index) {
  if (!giftAt(gs, 1) || !inStock(gs, index)) return;
  gs.giftState = 2;
  showYesNo();
  gs.giftChoice = index;
  sayPickThis();
}

void TForm1::giftOnYes() {
  if (!giftAt(gs, 2)) return;
  giveAccessory(gs.giftChoice);
}

void TForm1::giveAccessory(int index) {
  // Only the accessory she was asked about, and only while one is in stock.
  if (!giftAt(gs, 2) || gs.giftChoice != index || !inStock(gs, index)) return;
  const int kind = index / 6;
  gs.slotValue(kind) = kHeartValue[index];
  gs.heart = gs.hairSlotValue + gs.braceletSlotValue + gs.necklaceSlotValue + gs.ringSlotValue;
  gs.giftChoice = kNoAccessory;
  gs.giftState = 3;
  gs.accessoryCount[static_cast<std::size_t>(index)] -= 1;
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
  if (giftAt(gs, 0)) {
    hideKindButtons();
    hideWornPanel();
    hideYesNo();
    showPots();
    showMenuButtons();
    sayHomePrompt();
    gs.giftState = kGiftIdle;
  } else if (giftAt(gs, 1) || giftAt(gs, 2)) {
    // Back to the kinds; the kind buttons are still there.
    hideAccessoryGrid();
    showWornPanel();
    showCancelOnly();
    gs.giftChoice = kNoAccessory;
    gs.giftState = 0;
    askWhichGift(*this);
  }
}

void TForm1::giftOkBranch() {
  if (!giftAt(gs, 3)) return;
  if (anyAccessory(gs)) {
    gs.giftState = 0;
    sm.hide(E::bsen1);
    showCancelOnly();
    askWhichGift(*this);
  } else {
    gs.giftState = kGiftIdle;
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
