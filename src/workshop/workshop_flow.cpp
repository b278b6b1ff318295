// The workshop: the hero turns fruits into accessories or seeds. Three fields carry the
// dialogue (accessory path, seed path, new-species path); every step below tests all three at
// once in one chain, so a step of one path never acts in another.
#include "workshop/workshop.h"

namespace tenrali {

using namespace workshop;

void TForm1::menuk5Click() {
  if (!anyFruit(gs)) {
    sayMessage("usam2.bmp", "トルン", "「材料の実がないよ？」", "", "");
    return;
  }
  moveTo(gs, 0, 0, 0);
  hideMenuButtons();
  showCancelOnly();
  showButton(E::bsen1, "basen.bmp");
  showButton(E::bsen2, "btsen.bmp");
  sayMessage("usam1.bmp", "トルン", "「どっちを作る？」", "", "");
  report(GameEventKind::WorkshopOpened);
}

// The left choice: an accessory, seeds from one fruit, or the OK after a making. The accessory
// path is tested before the seed paths.
void TForm1::workshopOnLeft() {
  if (at(gs, 0, 0, 0)) {
    moveTo(gs, 1, 0, 0);
    screenFruitList(*this);
  } else if (at(gs, 5, 0, 0)) {
    if (anyFruit(gs)) {
      moveTo(gs, 6, 0, 0);
      screenContinueOrStop(*this);
    } else {
      moveTo(gs, 7, 0, 0);
      screenOutOfMaterial(*this);
    }
  } else if (at(gs, 0, 1, 0)) {
    moveTo(gs, 0, 2, 0);
    screenSeedFruitList(*this);
  } else if (at(gs, 0, 4, 0)) {
    if (anyFruit(gs)) {
      moveTo(gs, 0, 5, 0);
      showFruitStock();  // the fruits take the place of the seeds the maker showed
      screenContinueOrStop(*this);
    } else {
      moveTo(gs, 0, 6, 0);
      screenOutOfMaterial(*this);
    }
  } else if (at(gs, 0, 1, 3)) {
    // A new species needs a pair: single fruits left over do not count.
    if (anyPair(gs)) {
      moveTo(gs, 0, 1, 4);
      hideWeatherButtons();
      showSpeciesFruitStock();
      screenContinueOrStop(*this);
    } else {
      moveTo(gs, 0, 1, 5);
      screenOutOfMaterial(*this);
    }
  }
}

// The right choice: seeds at the top, a new species in the seed sub-choice. One chain, so the
// top's move into the sub-choice is not taken for a click in the sub-choice.
void TForm1::workshopOnRight() {
  if (at(gs, 0, 0, 0)) {
    moveTo(gs, 0, 1, 0);
    screenSeedChoice(*this);
  } else if (at(gs, 0, 1, 0)) {
    if (anyPair(gs)) {
      moveTo(gs, 0, 1, 1);
      screenPairList(*this);
    } else {
      sayMessage("usam2.bmp", "トルン", "「今は無理みたい・・・」", "", "");
    }
  }
}

// Yes: confirm a fruit or a kind, or continue after a making. The seed makers that confirm a
// fruit for seeds or a pair run after this step, from the same click.
void TForm1::workshopOnYes() {
  if (at(gs, 2, 0, 0)) {
    moveTo(gs, 3, 0, 0);
    screenKindChoice(*this);
  } else if (at(gs, 4, 0, 0)) {
    const int kind = gs.chosenKind - 1;  // the makers reset chosenKind
    if (kind >= 0 && kind < kAccessoryKinds)
      for (int variant = 0; variant < 6; ++variant) accessoryMaker(kind * 6 + variant);
    showAccessoryStock();
    sm.setNumber(E::gijyuk, gs.skill);
    hideYesNo();
    showButton(E::bsen1, "ok.bmp");
    moveTo(gs, 5, 0, 0);
  } else if (at(gs, 6, 0, 0)) {
    moveTo(gs, 1, 0, 0);
    screenFruitList(*this);
  } else if (at(gs, 0, 5, 0)) {
    moveTo(gs, 0, 1, 0);
    screenSeedChoice(*this);
  } else if (at(gs, 0, 1, 4)) {
    moveTo(gs, 0, 1, 1);
    screenPairList(*this);
  }
}

// No, back or stop: one step back along the path the dialogue is on; then, in the same click,
// an out-of-material screen closes the workshop.
void TForm1::workshopOnNo() {
  // Accessory path.
  if (at(gs, 0, 0, 0)) {
    screenClosed(*this);
  } else if (at(gs, 1, 0, 0) || at(gs, 6, 0, 0)) {
    moveTo(gs, 0, 0, 0);
    screenTop(*this);
  } else if (at(gs, 2, 0, 0) || at(gs, 3, 0, 0)) {
    moveTo(gs, 1, 0, 0);
    screenFruitList(*this);
  } else if (at(gs, 4, 0, 0)) {
    moveTo(gs, 3, 0, 0);
    screenKindChoice(*this);
  }
  // Seeds from one fruit.
  else if (at(gs, 0, 1, 0) || at(gs, 0, 5, 0)) {
    moveTo(gs, 0, 0, 0);
    screenTop(*this);
  } else if (at(gs, 0, 2, 0)) {
    moveTo(gs, 0, 1, 0);
    screenSeedChoice(*this);
  } else if (at(gs, 0, 3, 0)) {
    gs.seedFruit = NoWeather;
    moveTo(gs, 0, 2, 0);
    screenSeedFruitList(*this);
  }
  // New species.
  else if (at(gs, 0, 1, 1) || at(gs, 0, 1, 4)) {
    moveTo(gs, 0, 1, 0);
    screenSeedChoice(*this);
  } else if (at(gs, 0, 1, 2)) {
    moveTo(gs, 0, 1, 1);
    screenPairList(*this);
  }

  if (at(gs, 7, 0, 0) || at(gs, 0, 6, 0) || at(gs, 0, 1, 5)) screenClosed(*this);
}

// A fruit button while the hero picks the fruit for an accessory. Only a fruit in stock is taken.
void TForm1::accessoryFruitChoice(int kind) {
  if (!at(gs, 1, 0, 0) || gs.fruitCount[static_cast<std::size_t>(kind)] < 1) return;
  moveTo(gs, 2, 0, 0);
  gs.chosenFruit = kind;
  sayThisFruit();
  showYesNo();  // the fruit buttons stay on screen
}

// A fruit button while the hero picks the fruit for seeds, then (cloudy to sun-shower only) the
// pair for a new species. Only a fruit in stock, or a pair, is taken.
void TForm1::seedFruitChoice(int kind) {
  const std::int32_t count = gs.fruitCount[static_cast<std::size_t>(kind)];
  if (at(gs, 0, 2, 0) && count >= 1) {
    showYesNo();
    moveTo(gs, 0, 3, 0);
    gs.seedFruit = kind;
    sayThisFruit();
  }
  if (kind >= Cloudy && kind <= SunShower && at(gs, 0, 1, 1) && count >= 2) {
    showYesNo();
    moveTo(gs, 0, 1, 2);
    gs.speciesFruit = kind;
    sayThisFruit();
  }
}

}  // namespace tenrali
