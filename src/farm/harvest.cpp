// The harvest: every ripe plant becomes one fruit of its kind and leaves an empty pot.
#include "farm/farm.h"
#include "state/saturating.h"

namespace tenrali {

void TForm1::menuk7Click() {
  gs.harvestState = harvest::Shown;
  showButton(E::bno, "ok.bmp");
  const bool anyRipe = gs.pot1Growth > Growing || gs.pot2Growth > Growing || gs.pot3Growth > Growing;
  if (anyRipe) {
    hidePots();
    hideMenuButtons();
    sayMessage("usam4.bmp", "トルン", "「どのくらい採れたかな？」", "", "");
  } else {
    hideMenuButtons();
    sayMessage("usam2.bmp", "トルン", "「実ができてないから", "収穫できないよぉ」", "");
  }
  harvest::harvestPots(*this);
}

namespace harvest {

void harvestPots(TForm1& f) {
  GameState& gs = f.state();
  ScreenModel& sm = f.screen();
  for (int pot = 1; pot <= 3; ++pot) {
    const int kind = gs.potSeed(pot);
    if (gs.potGrowth(pot) <= Growing || kind < Normal || kind > Rainbow) continue;
    addSaturating(gs.fruitCount[static_cast<std::size_t>(kind)], 1);
    gs.potSeed(pot) = NoWeather;
    gs.potGrowth(pot) = Planted;
    f.showFruitStock();
    sm.loadPicture(kPots[pot - 1], "ueki.bmp");
    sm.setCaption(kPlates[pot - 1], "");
    f.report(GameEventKind::Harvested, kind);
  }
}

void onNo(TForm1& f) {
  GameState& gs = f.state();
  if (gs.harvestState != harvest::Shown) return;
  f.hideWeatherButtons();
  f.showPots();
  f.showMenuButtons();
  f.sayHomePrompt();
  gs.harvestState = harvest::Closed;
  f.hideYesNo();
}

}  // namespace harvest

}  // namespace tenrali
