// The harvest: every ripe plant becomes one fruit of its kind and leaves an empty pot.
#include "app/form1.h"

namespace tenrali {

namespace {
constexpr E kPots[4] = {E::count, E::ueki1, E::ueki2, E::ueki3};
constexpr E kPlates[4] = {E::count, E::namep1, E::namep2, E::namep3};
}  // namespace

void TForm1::menuk7Click() {
  gs.harvestState = 0;
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
  harvestPots();
}

void TForm1::harvestPots() {
  for (int pot = 1; pot <= 3; ++pot) {
    const int kind = gs.potSeed(pot);
    if (gs.potGrowth(pot) <= Growing || kind < Normal || kind > Rainbow) continue;
    gs.fruitCount[static_cast<std::size_t>(kind)] += 1;
    gs.potSeed(pot) = NoWeather;
    gs.potGrowth(pot) = Planted;
    showFruitStock();
    sm.loadPicture(kPots[pot], "ueki.bmp");
    sm.setCaption(kPlates[pot], "");
    report(GameEventKind::Harvested, kind);
  }
}

void TForm1::harvestOnNo() {
  if (gs.harvestState != 0) return;
  hideWeatherButtons();
  showPots();
  showMenuButtons();
  sayHomePrompt();
  gs.harvestState = 5;
  hideYesNo();
}

}  // namespace tenrali
