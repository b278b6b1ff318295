// The two shops behind "お店". The accessory shop buys the hero's accessories (his main income),
// the seed shop sells five kinds of seeds. Both share the sell-or-buy choice: while one of them is
// visited the other's state stays 0, and both are 5 while the shops are closed.
#include "data/full_width.h"
#include "shops/seed_offers.h"
#include "shops/shops.h"
#include "state/saturating.h"
#include "state/stock.h"

namespace tenrali {

namespace shop {

inline constexpr int kNoSeedRow = kSeedOffers;

// The accessory keeper's offer, and the seed keeper's question, for a price.
std::string offerLine(int price) { return "「" + fullWidth(price) + "ポエで買い取りまひょ。"; }
std::string priceQuestion(int price) { return "「" + fullWidth(price) + "ポエだけどいい？」"; }

int seedRowOf(int kind) {
  for (int row = 0; row < kNoSeedRow; ++row)
    if (kSeedOffer[row].kind == kind) return row;
  return -1;
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
  showPriceList(f);
  hideShopChoice(f);
  greetSeedShop(f);
}

}  // namespace shop

using namespace shop;

void TForm1::menuk3Click() {
  if (gs.shopState != shop::Closed || gs.seedShopState != shop::Closed) return;
  gs.shopState = shop::Choice;
  gs.seedShopState = shop::Choice;
  hideMenuButtons();
  showCancelOnly();
  showShopChoice(*this);
  sayWhichShop(*this);
  report(GameEventKind::ShopsOpened);
}

namespace shop {

// bsen1: start selling, or acknowledge a sale or a purchase.
void onLeft(TForm1& f) {
  GameState& gs = f.state();
  ScreenModel& sm = f.screen();
  const int sell = gs.shopState, buy = gs.seedShopState;
  if (sell == shop::Choice && buy == shop::Choice) {
    if (!anyInStock(gs.accessoryCount)) {
      f.sayMessage("usam2.bmp", "トルン", "「売れるアクセサリーが", "ないよ？」", "");
      return;
    }
    showAccessoriesForSale(f);
    greetAccessoryShop(f);
    gs.shopState = shop::Counter;
  } else if (sell == shop::Done && buy == shop::Choice) {
    if (anyInStock(gs.accessoryCount)) {
      showAccessoriesForSale(f);
      showContinueOrStop(f);
      gs.shopState = shop::MoreOrStop;
    } else {
      // Sold out: the empty counter stays until the lone back button closes the shops.
      f.showCancelOnly();
      sm.hide(E::bsen1);
      f.sayMessage("usam2.bmp", "トルン", "「アクセサリーが", "なくなっちゃった。」", "");
      gs.shopState = shop::Choice;
    }
  } else if (sell == shop::Choice && buy == shop::Done) {
    sm.hide(E::bsen1);
    showContinueOrStop(f);
    gs.seedShopState = shop::MoreOrStop;
  }
}

// bsen2: into the seed shop; the button is only on screen at the choice.
void onRight(TForm1& f) {
  GameState& gs = f.state();
  if (gs.shopState != shop::Choice || gs.seedShopState != shop::Choice) return;
  f.hidePots();
  showSeedCounter(f);
  gs.seedShopState = shop::Counter;
}

// An accessory button at the counter: the keeper's offer for it. The gift dialogue takes the
// same click after this.
void sellOffer(TForm1& f, int index) {
  GameState& gs = f.state();
  if (gs.shopState != shop::Counter || gs.seedShopState != shop::Choice) return;
  if (!accessoryInStock(gs, index)) return;
  gs.sellIndex = index;
  f.showYesNo();
  f.sayMessage("misem1.bmp", "アクセサリー屋", offerLine(kAccessory[index].price), "ええでっか？」", "");
  gs.shopState = shop::Offer;
}

// The seed shop's step of the weather-kind buttons: the price of the picked seed, or a refusal
// when the purse is short.
void seedChoice(TForm1& f, int kind) {
  GameState& gs = f.state();
  const int row = seedRowOf(kind);
  if (row < 0 || gs.shopState != shop::Choice || gs.seedShopState != shop::Counter) return;
  if (gs.money < kSeedOffer[row].price) {
    f.sayMessage("misew1.bmp", "種屋さん", "「ちょっとたりないわね。」", "", "");
    return;
  }
  gs.buySeedIndex = row;
  f.showYesNo();
  f.sayMessage("misew1.bmp", "種屋さん", priceQuestion(kSeedOffer[row].price), "", "");
  gs.seedShopState = shop::Offer;
}

void onYes(TForm1& f) {
  GameState& gs = f.state();
  ScreenModel& sm = f.screen();
  const int sell = gs.shopState, buy = gs.seedShopState;
  if (sell == shop::Offer && buy == shop::Choice) {
    // The sale. Only an accessory still in stock can be sold; otherwise "no" is the way back.
    const int i = gs.sellIndex;
    if (!accessoryInStock(gs, i)) return;
    gs.sellIndex = kNoAccessory;
    gs.shopState = shop::Done;
    addSaturating(gs.accessoryCount[static_cast<std::size_t>(i)], -1);
    addSaturating(gs.money, kAccessory[i].price);
    f.showAccessoryStock();
    sm.setNumber(E::kanek, gs.money);
    f.showButton(E::bsen1, "ok.bmp");
    f.hideYesNo();
    f.sayShopThanks();
    f.report(GameEventKind::Sold);
  } else if (sell == shop::MoreOrStop && buy == shop::Choice) {
    greetAccessoryShop(f);
    f.showCancelOnly();
    gs.shopState = shop::Counter;
  } else if (sell == shop::Choice && buy == shop::Offer) {
    // The purchase. The purse was checked when the seed was picked; it is checked again so it
    // can never go below 0.
    const int row = gs.buySeedIndex;
    if (row < 0 || row >= kNoSeedRow || gs.money < kSeedOffer[row].price) return;
    gs.buySeedIndex = kNoSeedRow;
    gs.seedShopState = shop::Done;
    addSaturating(gs.seedCount[static_cast<std::size_t>(kSeedOffer[row].kind)], 1);
    addSaturating(gs.money, -kSeedOffer[row].price);
    sm.setNumber(E::kanek, gs.money);
    hidePriceList(f);
    f.showSeedStock();
    f.showButton(E::bsen1, "ok.bmp");
    f.hideYesNo();
    f.sayMessage("misew2.bmp", "種屋さん", "「どうもありがとうね！」", "", "");
    f.report(GameEventKind::Bought);
  } else if (sell == shop::Choice && buy == shop::MoreOrStop) {
    f.hideWeatherButtons();
    showSeedCounter(f);
    gs.seedShopState = shop::Counter;
  }
}

void onNo(TForm1& f) {
  GameState& gs = f.state();
  const int sell = gs.shopState, buy = gs.seedShopState;
  if (sell == shop::Choice && buy == shop::Choice) {
    // Leave the shops.
    gs.shopState = shop::Closed;
    gs.seedShopState = shop::Closed;
    f.hideKindButtons();
    f.hideAccessoryGrid();
    f.showPots();
    hideShopChoice(f);
    f.hideYesNo();
    f.showMenuButtons();
    f.sayHomePrompt();
    f.report(GameEventKind::ShopsClosed);
  } else if ((sell == shop::Counter || sell == shop::MoreOrStop) && buy == shop::Choice) {
    f.hideKindButtons();
    f.hideAccessoryGrid();
    showShopTop(f);
    gs.shopState = shop::Choice;
  } else if (sell == shop::Offer && buy == shop::Choice) {
    // The offer is declined: nothing changes hands.
    gs.sellIndex = kNoAccessory;
    f.showCancelOnly();
    greetAccessoryShop(f);
    gs.shopState = shop::Counter;
  } else if (sell == shop::Choice && buy == shop::Counter) {
    hidePriceList(f);
    showShopTop(f);
    gs.seedShopState = shop::Choice;
  } else if (sell == shop::Choice && buy == shop::Offer) {
    gs.buySeedIndex = kNoSeedRow;
    f.showCancelOnly();
    hideShopChoice(f);
    greetSeedShop(f);
    gs.seedShopState = shop::Counter;
  } else if (sell == shop::Choice && buy == shop::MoreOrStop) {
    f.hideWeatherButtons();
    showShopTop(f);
    gs.seedShopState = shop::Choice;
  }
}

}  // namespace shop

}  // namespace tenrali
