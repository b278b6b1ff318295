// Planting: which seed, confirm it, which empty pot, confirm it. The seed leaves the stock only
// at the last yes; every back-out leaves the stock as it was.
#include "farm/farm.h"
#include "state/saturating.h"
#include "state/stock.h"

namespace tenrali {

namespace planting {

void askWhichSeed(TForm1& f) { f.sayMessage("usam1.bmp", "トルン", "「どの種にする？」", "", ""); }
}  // namespace planting

using namespace planting;

void TForm1::menuk4Click() {
  gs.chosenSeed = NoWeather;
  const bool emptyPot = gs.pot1Seed == NoWeather || gs.pot2Seed == NoWeather || gs.pot3Seed == NoWeather;
  const bool anySeed = anyInStock(gs.seedCount);
  if (emptyPot && anySeed) {
    gs.plantState = planting::SeedChoice;
    hidePots();
    hideMenuButtons();
    showSeedStock();
    showCancelOnly();
    askWhichSeed(*this);
  } else if (!emptyPot) {
    sayMessage("usam2.bmp", "トルン", "「収穫しないと", "ダメだぁ・・」", "");
  } else {
    sayMessage("usam2.bmp", "トルン", "「種が　ないな・・", "なんとかしないと・・」", "");
  }
}

void TForm1::ueki1Click() { planting::potClick(*this, 1); }
void TForm1::ueki2Click() { planting::potClick(*this, 2); }
void TForm1::ueki3Click() { planting::potClick(*this, 3); }

namespace planting {

// Only the seeds in stock have a button, so the choice is always one the hero has.
void seedChoice(TForm1& f, int kind) {
  GameState& gs = f.state();
  if (gs.plantState != planting::SeedChoice) return;
  gs.plantState = planting::PotChoice;
  gs.chosenSeed = kind;
  f.hideWeatherButtons();
  f.sayThisSeed();
  f.showYesNo();
}

}  // namespace planting

bool TForm1::potTakesSeed(int pot) const { return gs.plantState == planting::PotChoice && gs.potSeed(pot) == NoWeather; }

namespace planting {

// The seed is placed in the pot for the question; the stock is touched only by the last yes.
void potClick(TForm1& f, int pot) {
  GameState& gs = f.state();
  if (!f.potTakesSeed(pot)) return;
  f.sayMessage("usam1.bmp", "トルン", "「ここでいい？」", "", "");
  f.showYesNo();
  gs.plantState = planting::PotQuestion;
  gs.potSeed(pot) = gs.chosenSeed;
  gs.chosenPot = pot;
}

void onYes(TForm1& f) {
  GameState& gs = f.state();
  if (gs.plantState == planting::PotChoice) {
    f.showPots();
    f.hideWeatherButtons();
    f.showCancelOnly();
    f.sayMessage("usam1.bmp", "トルン", "「どこに植える？」", "", "");
  } else if (gs.plantState == planting::PotQuestion) {
    f.showMenuButtons();
    f.hideWeatherButtons();
    f.sayHomePrompt();
    commit(f);
    f.hideYesNo();
    gs.plantState = planting::Closed;
    gs.chosenPot = planting::kPlanted;
  }
}

void onNo(TForm1& f) {
  GameState& gs = f.state();
  if (gs.plantState == planting::SeedChoice) {
    f.showPots();
    f.showMenuButtons();
    f.hideWeatherButtons();
    f.hideYesNo();
    f.sayHomePrompt();
    gs.plantState = planting::Closed;
    gs.chosenSeed = NoWeather;
  } else if (gs.plantState == planting::PotChoice) {
    f.hidePots();
    f.showSeedStock();
    f.showCancelOnly();
    askWhichSeed(f);
    gs.plantState = planting::SeedChoice;
    gs.chosenSeed = NoWeather;
  } else if (gs.plantState == planting::PotQuestion) {
    f.hideWeatherButtons();
    f.showCancelOnly();
    f.sayMessage("usam1.bmp", "トルン", "「どこに植える?？」", "", "");
    if (gs.chosenPot >= 1 && gs.chosenPot <= 3) gs.potSeed(gs.chosenPot) = NoWeather;
    gs.chosenPot = planting::kNoPot;
    gs.plantState = planting::PotChoice;
  }
}

// The plant's name goes on the pot's plate; the pot keeps its empty picture until the night.
void commit(TForm1& f) {
  GameState& gs = f.state();
  ScreenModel& sm = f.screen();
  const int pot = gs.chosenPot;
  if (pot < 1 || pot > 3) return;
  const int kind = gs.potSeed(pot);
  if (kind < Normal || kind > Rainbow) return;
  sm.setCaption(kPlates[pot - 1], gs.seedTable[static_cast<std::size_t>(3 * kind)].name);
  addSaturating(gs.seedCount[static_cast<std::size_t>(kind)], -1);
  f.report(GameEventKind::Planted);
}

}  // namespace planting

}  // namespace tenrali
