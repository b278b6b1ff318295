// The workshop: the hero turns fruits into accessories or seeds. Three fields carry the
// dialogue (accessory path, seed path, new-species path); every step below tests all three at
// once in one chain, so a step of one path never acts in another.
#include "state/stock.h"
#include "workshop/workshop.h"

namespace tenrali {

using namespace workshop;

void TForm1::menuk5Click() {
  if (!anyInStock(gs.fruitCount)) {
    sayMessage("usam2.bmp", "トルン", "「材料の実がないよ？」", "", "");
    return;
  }
  moveTo(gs, Top);
  hideMenuButtons();
  showCancelOnly();
  showButton(E::bsen1, "basen.bmp");
  showButton(E::bsen2, "btsen.bmp");
  sayMessage("usam1.bmp", "トルン", "「どっちを作る？」", "", "");
  report(GameEventKind::WorkshopOpened);
}

namespace workshop {

// The left choice: an accessory, seeds from one fruit, or the OK after a making. The accessory
// path is tested before the seed paths.
void onLeft(TForm1& f) {
  GameState& gs = f.state();
  if (at(gs, Top)) {
    moveTo(gs, FruitList);
    screenFruitList(f);
  } else if (at(gs, AccessoryMade)) {
    if (anyInStock(gs.fruitCount)) {
      moveTo(gs, AccessoryMoreOrStop);
      screenContinueOrStop(f);
    } else {
      moveTo(gs, AccessoryOutOfFruit);
      screenOutOfMaterial(f);
    }
  } else if (at(gs, SeedChoice)) {
    moveTo(gs, SeedFruitList);
    screenSeedFruitList(f);
  } else if (at(gs, SeedsMade)) {
    if (anyInStock(gs.fruitCount)) {
      moveTo(gs, SeedsMoreOrStop);
      f.showFruitStock();  // the fruits take the place of the seeds the maker showed
      screenContinueOrStop(f);
    } else {
      moveTo(gs, SeedsOutOfFruit);
      screenOutOfMaterial(f);
    }
  } else if (at(gs, SpeciesMade)) {
    // A new species needs a pair: single fruits left over do not count.
    if (anyPair(gs)) {
      moveTo(gs, SpeciesMoreOrStop);
      f.hideWeatherButtons();
      f.showSpeciesFruitStock();
      screenContinueOrStop(f);
    } else {
      moveTo(gs, SpeciesOutOfPairs);
      screenOutOfMaterial(f);
    }
  }
}

// The right choice: seeds at the top, a new species in the seed sub-choice. One chain, so the
// top's move into the sub-choice is not taken for a click in the sub-choice.
void onRight(TForm1& f) {
  GameState& gs = f.state();
  if (at(gs, Top)) {
    moveTo(gs, SeedChoice);
    screenSeedChoice(f);
  } else if (at(gs, SeedChoice)) {
    if (anyPair(gs)) {
      moveTo(gs, PairList);
      screenPairList(f);
    } else {
      f.sayMessage("usam2.bmp", "トルン", "「今は無理みたい・・・」", "", "");
    }
  }
}

// Yes: confirm a fruit or a kind, or continue after a making. The seed makers that confirm a
// fruit for seeds or a pair run after this step, from the same click.
void onYes(TForm1& f) {
  GameState& gs = f.state();
  ScreenModel& sm = f.screen();
  if (at(gs, FruitQuestion)) {
    moveTo(gs, KindChoice);
    screenKindChoice(f);
  } else if (at(gs, KindQuestion)) {
    const int kind = gs.chosenKind - 1;  // the makers reset chosenKind
    if (kind >= 0 && kind < kAccessoryKinds)
      for (int variant = 0; variant < 6; ++variant) accessoryMaker(f, kind * 6 + variant);
    f.showAccessoryStock();
    sm.setNumber(E::gijyuk, gs.skill);
    f.hideYesNo();
    f.showButton(E::bsen1, "ok.bmp");
    moveTo(gs, AccessoryMade);
  } else if (at(gs, AccessoryMoreOrStop)) {
    moveTo(gs, FruitList);
    screenFruitList(f);
  } else if (at(gs, SeedsMoreOrStop)) {
    moveTo(gs, SeedChoice);
    screenSeedChoice(f);
  } else if (at(gs, SpeciesMoreOrStop)) {
    moveTo(gs, PairList);
    screenPairList(f);
  }
}

// No, back or stop: one step back along the path the dialogue is on; then, in the same click,
// an out-of-material screen closes the workshop.
void onNo(TForm1& f) {
  GameState& gs = f.state();
  // Accessory path.
  if (at(gs, Top)) {
    screenClosed(f);
  } else if (at(gs, FruitList) || at(gs, AccessoryMoreOrStop)) {
    moveTo(gs, Top);
    screenTop(f);
  } else if (at(gs, FruitQuestion) || at(gs, KindChoice)) {
    moveTo(gs, FruitList);
    screenFruitList(f);
  } else if (at(gs, KindQuestion)) {
    moveTo(gs, KindChoice);
    screenKindChoice(f);
  }
  // Seeds from one fruit.
  else if (at(gs, SeedChoice) || at(gs, SeedsMoreOrStop)) {
    moveTo(gs, Top);
    screenTop(f);
  } else if (at(gs, SeedFruitList)) {
    moveTo(gs, SeedChoice);
    screenSeedChoice(f);
  } else if (at(gs, SeedFruitQuestion)) {
    gs.seedFruit = NoWeather;
    moveTo(gs, SeedFruitList);
    screenSeedFruitList(f);
  }
  // New species.
  else if (at(gs, PairList) || at(gs, SpeciesMoreOrStop)) {
    moveTo(gs, SeedChoice);
    screenSeedChoice(f);
  } else if (at(gs, PairQuestion)) {
    moveTo(gs, PairList);
    screenPairList(f);
  }

  if (at(gs, AccessoryOutOfFruit) || at(gs, SeedsOutOfFruit) || at(gs, SpeciesOutOfPairs)) screenClosed(f);
}

// A fruit button while the hero picks the fruit for an accessory. Only a fruit in stock is taken.
void fruitChoice(TForm1& f, int kind) {
  GameState& gs = f.state();
  if (!at(gs, FruitList) || gs.fruitCount[static_cast<std::size_t>(kind)] < 1) return;
  moveTo(gs, FruitQuestion);
  gs.chosenFruit = kind;
  f.sayThisFruit();
  f.showYesNo();  // the fruit buttons stay on screen
}

// A fruit button while the hero picks the fruit for seeds, then (cloudy to sun-shower only) the
// pair for a new species. Only a fruit in stock, or a pair, is taken.
void seedFruitChoice(TForm1& f, int kind) {
  GameState& gs = f.state();
  const std::int32_t count = gs.fruitCount[static_cast<std::size_t>(kind)];
  if (at(gs, SeedFruitList) && count >= 1) {
    f.showYesNo();
    moveTo(gs, SeedFruitQuestion);
    gs.seedFruit = kind;
    f.sayThisFruit();
  }
  if (kind >= Cloudy && kind <= SunShower && at(gs, PairList) && count >= 2) {
    f.showYesNo();
    moveTo(gs, PairQuestion);
    gs.speciesFruit = kind;
    f.sayThisFruit();
  }
}

}  // namespace workshop

}  // namespace tenrali
