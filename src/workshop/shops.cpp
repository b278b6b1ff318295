// The two shops behind "お店". The accessory shop buys the hero's accessories (his main income),
// the seed shop sells five kinds of seeds. Both share the sell-or-buy choice: while one of them is
// visited the other's state stays 0, and both are 5 while the shops are closed.
#include <algorithm>

#include "app/form1.h"
#include "workshop/seed_offers.h"

namespace tenrali {

namespace {

constexpr int kShopsClosed = 5;
constexpr int kNoSeedRow = kSeedOffers;

// What the accessory shop pays, by accessory index. The price follows the fruit the accessory is
// made of, and hail pays more than rainbow.
constexpr int kSalePrice[kAccessories] = {
    15, 30, 80,  140, 200, 180,  // hair ornaments
    15, 60, 120, 160, 200, 180,  // bracelets
    15, 60, 120, 160, 200, 180,  // necklaces
    15, 30, 80,  140, 200, 180,  // rings
};

struct Offer {
  int price;
  const char* line;
};
constexpr Offer kOffers[] = {
    {15, "「１５ポエで買い取りまひょ。"},   {30, "「３０ポエで買い取りまひょ。"},
    {60, "「６０ポエで買い取りまひょ。"},   {80, "「８０ポエで買い取りまひょ。"},
    {120, "「１２０ポエで買い取りまひょ。"}, {140, "「１４０ポエで買い取りまひょ。"},
    {160, "「１６０ポエで買い取りまひょ。"}, {180, "「１８０ポエで買い取りまひょ。"},
    {200, "「２００ポエで買い取りまひょ。"},
};

const char* offerLine(int price) {
  for (const Offer& o : kOffers)
    if (o.price == price) return o.line;
  return "";
}

int seedRowOf(int kind) {
  for (int row = 0; row < kNoSeedRow; ++row)
    if (kSeedOffer[row].kind == kind) return row;
  return -1;
}

bool anyAccessory(const GameState& s) {
  return std::any_of(s.accessoryCount.begin(), s.accessoryCount.end(), [](std::int32_t c) { return c > 0; });
}

void sayWhichShop(TForm1& f) { f.sayMessage("usam1.bmp", "トルン", "「どっちにする？」", "", ""); }
void greetAccessoryShop(TForm1& f) {
  f.sayMessage("misem1.bmp", "アクセサリー屋", "「らっしゃい！", "アクセサリーなら", "買い取りまっせ！」");
}
void greetSeedShop(TForm1& f) {
  f.sayMessage("misew1.bmp", "種屋さん", "「いらっしゃい！", "どの種がほしいの？」", "");
}
void sayWhatNext(TForm1& f) { f.sayMessage("usam1.bmp", "トルン", "「どうしようか？」", "", ""); }

void showShopChoice(TForm1& f) {
  f.showButton(E::bsen1, "buri.bmp");
  f.showButton(E::bsen2, "bkai.bmp");
}
void hideShopChoice(TForm1& f) {
  f.screen().hide(E::bsen1);
  f.screen().hide(E::bsen2);
}

// Back at the sell-or-buy choice.
void showShopTop(TForm1& f) {
  f.showPots();
  showShopChoice(f);
  f.showCancelOnly();
  sayWhichShop(f);
}

// The accessories on the counter: the kind buttons and every accessory in stock.
void showAccessoriesForSale(TForm1& f) {
  f.showKindButtons();
  f.showAccessoryStock();
  f.hidePots();
  hideShopChoice(f);
}

void showContinueOrStop(TForm1& f) {
  f.showButton(E::byes, "tudu.bmp");
  f.showButton(E::bno, "yame.bmp");
  sayWhatNext(f);
}

// The price list of the seed shop with only the back button.
void showSeedCounter(TForm1& f) {
  f.showCancelOnly();
  f.showSeedPriceList();
  hideShopChoice(f);
  greetSeedShop(f);
}

}  // namespace

void TForm1::menuk3Click() {
  if (gs.shopState != kShopsClosed || gs.seedShopState != kShopsClosed) return;
  gs.shopState = 0;
  gs.seedShopState = 0;
  hideMenuButtons();
  showCancelOnly();
  showShopChoice(*this);
  sayWhichShop(*this);
  report(GameEventKind::ShopsOpened);
}

// bsen1: start selling, or acknowledge a sale or a purchase.
void TForm1::shopOnLeft() {
  const int sell = gs.shopState, buy = gs.seedShopState;
  if (sell == 0 && buy == 0) {
    if (!anyAccessory(gs)) {
      sayMessage("usam2.bmp", "トルン", "「売れるアクセサリーが", "ないよ？」", "");
      return;
    }
    showAccessoriesForSale(*this);
    greetAccessoryShop(*this);
    gs.shopState = 1;
  } else if (sell == 3 && buy == 0) {
    if (anyAccessory(gs)) {
      showAccessoriesForSale(*this);
      showContinueOrStop(*this);
      gs.shopState = 4;
    } else {
      // Sold out: the empty counter stays until the lone back button closes the shops.
      showCancelOnly();
      sm.hide(E::bsen1);
      sayMessage("usam2.bmp", "トルン", "「アクセサリーが", "なくなっちゃった。」", "");
      gs.shopState = 0;
    }
  } else if (sell == 0 && buy == 3) {
    sm.hide(E::bsen1);
    showContinueOrStop(*this);
    gs.seedShopState = 4;
  }
}

// bsen2: into the seed shop; the button is only on screen at the choice.
void TForm1::shopOnRight() {
  if (gs.shopState != 0 || gs.seedShopState != 0) return;
  hidePots();
  showSeedCounter(*this);
  gs.seedShopState = 1;
}

// Step (1) of accessory button i: the keeper's offer for it.
void TForm1::shopSellOffer(int index) {
  if (gs.shopState != 1 || gs.seedShopState != 0) return;
  if (index < 0 || index >= kAccessories || gs.accessoryCount[static_cast<std::size_t>(index)] <= 0) return;
  gs.sellIndex = index;
  showYesNo();
  sayMessage("misem1.bmp", "アクセサリー屋", offerLine(kSalePrice[index]), "ええでっか？」", "");
  gs.shopState = 2;
}

// The seed shop's step of the weather-kind buttons: the price of the picked seed, or a refusal
// when the purse is short.
void TForm1::seedShopChoice(int kind) {
  const int row = seedRowOf(kind);
  if (row < 0 || gs.shopState != 0 || gs.seedShopState != 1) return;
  if (gs.money < kSeedOffer[row].price) {
    sayMessage("misew1.bmp", "種屋さん", "「ちょっとたりないわね。」", "", "");
    return;
  }
  gs.buySeedIndex = row;
  showYesNo();
  sayMessage("misew1.bmp", "種屋さん", kSeedOffer[row].question, "", "");
  gs.seedShopState = 2;
}

void TForm1::shopOnYes() {
  const int sell = gs.shopState, buy = gs.seedShopState;
  if (sell == 2 && buy == 0) {
    // The sale. Only an accessory still in stock can be sold; otherwise "no" is the way back.
    const int i = gs.sellIndex;
    if (i < 0 || i >= kAccessories || gs.accessoryCount[static_cast<std::size_t>(i)] <= 0) return;
    gs.sellIndex = kNoAccessory;
    gs.shopState = 3;
    gs.accessoryCount[static_cast<std::size_t>(i)] -= 1;
    gs.money += kSalePrice[i];
    showAccessoryStock();
    sm.setNumber(E::kanek, gs.money);
    showButton(E::bsen1, "ok.bmp");
    hideYesNo();
    sayShopThanks();
    report(GameEventKind::Sold);
  } else if (sell == 4 && buy == 0) {
    greetAccessoryShop(*this);
    showCancelOnly();
    gs.shopState = 1;
  } else if (sell == 0 && buy == 2) {
    // The purchase. The purse was checked when the seed was picked; it is checked again so it
    // can never go below 0.
    const int row = gs.buySeedIndex;
    if (row < 0 || row >= kNoSeedRow || gs.money < kSeedOffer[row].price) return;
    gs.buySeedIndex = kNoSeedRow;
    gs.seedShopState = 3;
    gs.seedCount[static_cast<std::size_t>(kSeedOffer[row].kind)] += 1;
    gs.money -= kSeedOffer[row].price;
    sm.setNumber(E::kanek, gs.money);
    hideSeedPriceList();
    showSeedStock();
    showButton(E::bsen1, "ok.bmp");
    hideYesNo();
    sayMessage("misew2.bmp", "種屋さん", "「どうもありがとうね！」", "", "");
    report(GameEventKind::Bought);
  } else if (sell == 0 && buy == 4) {
    hideWeatherButtons();
    showSeedCounter(*this);
    gs.seedShopState = 1;
  }
}

void TForm1::shopOnNo() {
  const int sell = gs.shopState, buy = gs.seedShopState;
  if (sell == 0 && buy == 0) {
    // Leave the shops.
    gs.shopState = kShopsClosed;
    gs.seedShopState = kShopsClosed;
    hideKindButtons();
    hideAccessoryGrid();
    showPots();
    hideShopChoice(*this);
    hideYesNo();
    showMenuButtons();
    sayHomePrompt();
    report(GameEventKind::ShopsClosed);
  } else if (sell == 1 && buy == 0) {
    hideKindButtons();
    hideAccessoryGrid();
    showShopTop(*this);
    gs.shopState = 0;
  } else if (sell == 2 && buy == 0) {
    // The offer is declined: nothing changes hands.
    gs.sellIndex = kNoAccessory;
    showCancelOnly();
    greetAccessoryShop(*this);
    gs.shopState = 1;
  } else if (sell == 4 && buy == 0) {
    hideKindButtons();
    hideAccessoryGrid();
    showShopTop(*this);
    gs.shopState = 0;
  } else if (sell == 0 && buy == 1) {
    hideSeedPriceList();
    showShopTop(*this);
    gs.seedShopState = 0;
  } else if (sell == 0 && buy == 2) {
    gs.buySeedIndex = kNoSeedRow;
    showCancelOnly();
    hideShopChoice(*this);
    greetSeedShop(*this);
    gs.seedShopState = 1;
  } else if (sell == 0 && buy == 4) {
    hideWeatherButtons();
    showShopTop(*this);
    gs.seedShopState = 0;
  }
}

}  // namespace tenrali
